#include "graphics/image_decoder.h"

#include <wincodec.h>
#include <wrl/client.h>

namespace zel {

using Microsoft::WRL::ComPtr;

Picture DecodePicture(const void* data, size_t size) {
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))))
    return {};
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICBitmapSource> pixels;
  if (FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)),
                                          static_cast<DWORD>(size))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) ||
      FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.Get(), &pixels)))
    return {};
  UINT width = 0, height = 0;
  if (FAILED(pixels->GetSize(&width, &height)) || !width || !height) return {};

  // Top-down, like the decoder's rows.
  uint32_t* bits = nullptr;
  Picture picture = Picture::New32(static_cast<int>(width), static_cast<int>(height), &bits);
  if (!picture) return {};
  UINT stride = width * 4;
  if (FAILED(pixels->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(bits))))
    return {};
  GdiFlush();
  return picture;
}

Picture LoadPictureResource(HMODULE module, int id) {
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return DecodePicture(data, SizeofResource(module, resource));
}

}  // namespace zel

#include "graphics/image_decoder.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>

namespace zel {

using Microsoft::WRL::ComPtr;

namespace {

// The decoder for the bytes' signature, made directly: asking the factory to find
// one reads every registered codec's entries from the registry, once per picture.
ComPtr<IWICBitmapDecoder> DecoderFor(IWICImagingFactory& factory, IStream* stream, const void* data,
                                     size_t size) {
  struct Signature {
    const char* bytes;
    size_t length;
    const CLSID& decoder;
  };
  static const Signature kSignatures[] = {
      {"\xFF\xD8\xFF", 3, CLSID_WICJpegDecoder},
      {"GIF8", 4, CLSID_WICGifDecoder},
      {"\x89PNG", 4, CLSID_WICPngDecoder},
      {"BM", 2, CLSID_WICBmpDecoder},
  };
  ComPtr<IWICBitmapDecoder> decoder;
  for (const Signature& s : kSignatures) {
    if (size < s.length || std::memcmp(data, s.bytes, s.length) != 0) continue;
    if (SUCCEEDED(
            CoCreateInstance(s.decoder, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&decoder))) &&
        SUCCEEDED(decoder->Initialize(stream, WICDecodeMetadataCacheOnDemand)))
      return decoder;
    decoder.Reset();
    break;
  }
  // Any other format, or a codec that refused it: the system looks for one.
  factory.CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder);
  return decoder;
}

}  // namespace

Picture DecodePicture(const void* data, size_t size) {
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))))
    return {};
  ComPtr<IWICStream> stream;
  if (FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)),
                                          static_cast<DWORD>(size))))
    return {};
  ComPtr<IWICBitmapDecoder> decoder = DecoderFor(*factory.Get(), stream.Get(), data, size);
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> pixels;
  if (!decoder || FAILED(decoder->GetFrame(0, &frame)) ||
      FAILED(factory->CreateFormatConverter(&pixels)) ||
      FAILED(pixels->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                nullptr, 0.0, WICBitmapPaletteTypeCustom)))
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

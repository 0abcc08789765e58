#include "support/screen_capture.h"

#include <wincodec.h>
#include <wrl/client.h>

#include "graphics/gdi.h"

namespace zeltest {

namespace {

Capture ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height) {
  Capture c;
  c.width = width;
  c.height = height;
  c.pixels.resize(static_cast<size_t>(width) * height);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  GetDIBits(dc, bitmap, 0, height, c.pixels.data(), &bi, DIB_RGB_COLORS);
  for (uint32_t& p : c.pixels) p &= 0x00FFFFFF;
  return c;
}

}  // namespace

Capture CaptureScreen(const RECT& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  zel::WindowDc screen;
  zel::MemoryDc memory(screen.dc());
  zel::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.dc(), width, height));
  {
    zel::ScopedSelect select(memory.dc(), bitmap.get());
    BitBlt(memory.dc(), 0, 0, width, height, screen.dc(), r.left, r.top, SRCCOPY);
  }
  return ReadBitmap(memory.dc(), bitmap.get(), width, height);
}

Capture CaptureWindow(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return CaptureScreen(r);
}

Capture CaptureBitmap(HBITMAP bitmap) {
  BITMAP bm{};
  GetObjectW(bitmap, sizeof(bm), &bm);
  zel::WindowDc screen;
  return ReadBitmap(screen.dc(), bitmap, bm.bmWidth, bm.bmHeight);
}

bool SavePng(const std::wstring& path, const Capture& c) {
  using Microsoft::WRL::ComPtr;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(&frame, nullptr)) || FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(c.width, c.height)))
    return false;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  if (FAILED(frame->SetPixelFormat(&format))) return false;
  std::vector<uint32_t> pixels = c.pixels;
  if (format != GUID_WICPixelFormat32bppBGR) {
    // The encoder asked for 24-bit BGR.
    std::vector<uint8_t> rgb;
    for (uint32_t p : c.pixels) {
      rgb.push_back(p & 0xFF);
      rgb.push_back((p >> 8) & 0xFF);
      rgb.push_back((p >> 16) & 0xFF);
    }
    const UINT stride = c.width * 3;
    if (FAILED(frame->WritePixels(c.height, stride, stride * c.height, rgb.data()))) return false;
  } else {
    const UINT stride = c.width * 4;
    if (FAILED(frame->WritePixels(c.height, stride, stride * c.height,
                                  reinterpret_cast<BYTE*>(pixels.data()))))
      return false;
  }
  return SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace zeltest

#include "support/debug_output.h"

#include <windows.h>

namespace zeltest {

namespace {
constexpr DWORD kPrintWide = 0x4001000A;  // DBG_PRINTEXCEPTION_WIDE_C
constexpr DWORD kPrintAnsi = 0x40010006;  // DBG_PRINTEXCEPTION_C
DebugOutputCapture* g_capture = nullptr;
}  // namespace

struct DebugOutputHandler {
  static LONG CALLBACK Take(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (!g_capture || record->NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
    if (record->ExceptionCode == kPrintWide) {
      g_capture->lines_.emplace_back(
          reinterpret_cast<const wchar_t*>(record->ExceptionInformation[1]));
    } else if (record->ExceptionCode == kPrintAnsi) {
      const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
      const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
      std::wstring line(length > 0 ? length - 1 : 0, L'\0');
      if (length > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, line.data(), length);
      g_capture->lines_.push_back(std::move(line));
    } else {
      return EXCEPTION_CONTINUE_SEARCH;
    }
    // Taken: the system does not pass it on (and does not repeat it as ANSI).
    return EXCEPTION_CONTINUE_EXECUTION;
  }
};

DebugOutputCapture::DebugOutputCapture() {
  g_capture = this;
  handler_ = AddVectoredExceptionHandler(1, &DebugOutputHandler::Take);
}

DebugOutputCapture::~DebugOutputCapture() {
  if (handler_) RemoveVectoredExceptionHandler(handler_);
  g_capture = nullptr;
}

std::wstring DebugOutputCapture::Find(std::initializer_list<std::wstring_view> parts) const {
  for (const std::wstring& line : lines_) {
    bool all = true;
    for (std::wstring_view part : parts) all = all && line.find(part) != std::wstring::npos;
    if (all) return line;
  }
  return {};
}

}  // namespace zeltest

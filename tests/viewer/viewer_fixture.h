// The real main window started as the program starts it, against loopback
// servers standing in for the stream server and the guide site.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "support/http_server.h"
#include "support/test_ports.h"
#include "viewer/frm_main.h"
#include "viewer/zel_config.h"

namespace zeltest {

class StartedViewer : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(stream.listening());
    ASSERT_TRUE(guide.listening());
    ASSERT_TRUE(form.Create());
    form.Form_Load();
    form.Show();
    SetForegroundWindow(form.hwnd());
    PumpMessages(std::chrono::milliseconds(300));
  }

  std::wstring Stream(const wchar_t* path) const { return std::wstring(zel::kStreamServer) + path; }

  HttpServer stream{kStreamPort};
  HttpServer guide{kGuidePort};
  frmMain form;
};

}  // namespace zeltest

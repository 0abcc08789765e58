#include <gtest/gtest.h>

#include "hosting/media_player.h"
#include "hosting/web_browser.h"
#include "support/http_server.h"
#include "support/test_form.h"
#include "support/test_ports.h"
#include "viewer/channel_selection.h"
#include "viewer/player_settings.h"
#include "viewer/zel_config.h"

namespace {

using namespace std::chrono_literals;

std::wstring Stream(const wchar_t* path) { return std::wstring(zel::kStreamServer) + path; }
std::wstring Loopback(unsigned short port) { return L"http://127.0.0.1:" + std::to_wstring(port); }

// The real player and browser controls, pointed at loopback servers.
class ChannelSelection : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(std::wstring(zel::kStreamServer), Loopback(zeltest::kStreamPort));
    ASSERT_EQ(std::wstring(zel::kGuideSite), Loopback(zeltest::kGuidePort));
  }
  void SetUp() override {
    ASSERT_TRUE(stream_.listening());
    ASSERT_TRUE(guide_.listening());
    ASSERT_TRUE(host_.CreateDefault(900 * 15, 500 * 15));
    host_.Show();
    ASSERT_TRUE(player_.Create(host_, {0, 0, 400 * 15, 400 * 15}, zel::kPlayerSettings,
                               Stream(L"/tv/tv.asx")));
    ASSERT_TRUE(browser_.Create(host_, {400 * 15, 0, 400 * 15, 400 * 15}));
    browser_.Silent(true);
  }
  void TearDown() override {
    player_.host().Destroy();
    browser_.host().Destroy();
  }
  // Clicks `key` and waits until the guide server has seen `expectedGuide` once more.
  void Select(const wchar_t* key) {
    zel::SelectChannel(key, player_, browser_);
    zeltest::PumpMessages(50ms);
  }

  zeltest::HttpServer stream_{zeltest::kStreamPort};
  zeltest::HttpServer guide_{zeltest::kGuidePort};
  zeltest::TestForm host_;
  zel::MediaPlayer player_{L"player"};
  zel::WebBrowser browser_{L"browser"};
};

TEST_F(ChannelSelection, ChannelWithGuideSetsThePlayerThenOpensTheGuide) {
  EXPECT_EQ(player_.URL(), Stream(L"/tv/tv.asx"));
  Select(L"cctv1");
  EXPECT_EQ(player_.URL(), Stream(L"/tv/cctv/cctv1.asx"));
  EXPECT_TRUE(guide_.WaitFor("/union/uniChDay_ifr.asp?tvid=1&channelid=3"));

  Select(L"qqqf1");  // a page, not a playlist: handled alike
  EXPECT_EQ(player_.URL(), Stream(L"/tv/sho11/ok6.php"));
  EXPECT_TRUE(guide_.WaitFor("/union/uniChDay_ifr.asp?tvid=20&channelid=42"));

  Select(L"ok2");
  EXPECT_EQ(player_.URL(), Stream(L"/tv/ok1/3.asx"));
  EXPECT_TRUE(guide_.WaitFor("/union/uniChDay_ifr.asp?tvid=38&channelid=62"));
}

TEST_F(ChannelSelection, SameChannelTwiceRepeatsBothActions) {
  Select(L"qqqqr4");
  ASSERT_TRUE(guide_.WaitFor("/union/uniChDay_ifr.asp?tvid=55&channelid=224"));
  zel::MediaPlayer* p = &player_;
  p->URL(Stream(L"/tv/tv.asx"));  // so that the second assignment is visible
  Select(L"qqqqr4");
  EXPECT_EQ(player_.URL(), Stream(L"/tv/sho17/4.asx"));
  EXPECT_TRUE(guide_.WaitFor("/union/uniChDay_ifr.asp?tvid=55&channelid=224", 2));
}

TEST_F(ChannelSelection, ChannelWithoutGuideLeavesTheBrowserAlone) {
  Select(L"qqqp3");
  ASSERT_TRUE(guide_.WaitFor("/union/uniChDay_ifr.asp?tvid=27&channelid=444"));
  guide_.Clear();
  Select(L"cctv16");
  EXPECT_EQ(player_.URL(), Stream(L"/tv/cctv/cctv16.asx"));
  zeltest::PumpMessages(1500ms);
  EXPECT_TRUE(guide_.Requests().empty());
  EXPECT_NE(browser_.LocationURL().find(L"tvid=27&channelid=444"), std::wstring::npos);
}

TEST_F(ChannelSelection, StatusAndGroupNodesChangeNothing) {
  Select(L"cctv2");
  ASSERT_TRUE(guide_.WaitFor("/union/uniChDay_ifr.asp?tvid=1&channelid=4"));
  guide_.Clear();
  for (auto key : {L"zhongyffang", L"zhongyang", L"shaaa", L"CCTV2", L""}) Select(key);
  zeltest::PumpMessages(1500ms);
  EXPECT_EQ(player_.URL(), Stream(L"/tv/cctv/cctv2.asx"));
  EXPECT_TRUE(guide_.Requests().empty());
}

TEST(ChannelAddresses, AreBuiltFromTheConfiguredHosts) {
  EXPECT_EQ(zel::StreamAddress(*zel::FindChannel(L"cctv1")),
            std::wstring(zel::kStreamServer) + L"/tv/cctv/cctv1.asx");
  EXPECT_EQ(zel::GuideAddress({319, 1514}),
            std::wstring(zel::kGuideSite) + L"/union/uniChDay_ifr.asp?tvid=319&channelid=1514");
}

}  // namespace

namespace {

// Where a control cannot be made (an edition without it), nothing breaks.
TEST(MissingControls, AreReportedAndSelectionSurvivesThem) {
  HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr,
                              nullptr, nullptr, nullptr);
  zel::ActiveXHost bogus;
  EXPECT_FALSE(bogus.Create(host, 0, 0, 10, 10, L"{00000000-0000-0000-0000-0000DEADBEEF}"));
  EXPECT_EQ(bogus.hwnd(), nullptr);
  EXPECT_EQ(GetWindow(host, GW_CHILD), nullptr) << "the failed host window was left behind";

  zeltest::HttpServer guide(zeltest::kGuidePort);
  zeltest::TestForm form;
  ASSERT_TRUE(form.CreateDefault(300 * 15, 300 * 15));
  zel::MediaPlayer player{L"player"};  // never created
  zel::WebBrowser browser{L"browser"};
  ASSERT_TRUE(browser.Create(form, {0, 0, 100 * 15, 100 * 15}));
  EXPECT_FALSE(player.URL(Stream(L"/tv/tv.asx")));
  EXPECT_EQ(player.URL(), L"");
  zel::SelectChannel(L"cctv1", player, browser);  // the stream fails first: no guide request
  zeltest::PumpMessages(1000ms);
  EXPECT_EQ(guide.CountOf("/union/uniChDay_ifr.asp?tvid=1&channelid=3"), 0u);
  browser.host().Destroy();
  DestroyWindow(host);
}

}  // namespace

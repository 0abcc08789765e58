#include <gtest/gtest.h>

#include <exdisp.h>

#include "support/tree_click.h"
#include "viewer/catalogue.h"
#include "viewer_fixture.h"

namespace {

using namespace std::chrono_literals;
using zeltest::StartedViewer;

HTREEITEM Next(HWND tree, HTREEITEM item, UINT how) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

TEST_F(StartedViewer, StartSendsBrowserScriptletAndPlayerToTheStreamServer) {
  EXPECT_TRUE(stream.WaitFor("/tv/Hi.htm"));
  EXPECT_TRUE(stream.WaitFor("/ip.htm"));
  EXPECT_EQ(stream.CountOf("/tv/Hi.htm"), 1u);
  EXPECT_EQ(form.wmp1.URL(), Stream(L"/tv/tv.asx"));
  EXPECT_TRUE(guide.Requests().empty());
}

// The browser was made silent before it was sent anywhere. (Wine's player keeps
// none of its settings, so they cannot be read back from it here.)
TEST_F(StartedViewer, BrowserIsSilent) {
  auto browser = form.WebBrowser1.host().As<IWebBrowser2>();
  ASSERT_TRUE(browser);
  VARIANT_BOOL silent = VARIANT_FALSE;
  ASSERT_HRESULT_SUCCEEDED(browser->get_Silent(&silent));
  EXPECT_EQ(silent, VARIANT_TRUE);
}

TEST_F(StartedViewer, StartFillsTheTreeCollapsedWithNothingSelected) {
  HWND tree = form.TreeView1.hwnd();
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 185);
  int roots = 0;
  for (HTREEITEM r = Next(tree, nullptr, TVGN_ROOT); r; r = Next(tree, r, TVGN_NEXT)) {
    ++roots;
    EXPECT_FALSE(SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(r), TVIS_EXPANDED));
  }
  EXPECT_EQ(roots, 22);
  EXPECT_EQ(Next(tree, nullptr, TVGN_CARET), nullptr);
  EXPECT_EQ(form.TreeView1.Nodes.Item(L"zhongyffang")->Text(), L"频道列表读取完毕");
  EXPECT_TRUE(IsWindowVisible(form.hwnd()));
}

// A real mouse click on a channel of the real tree in the real window.
TEST_F(StartedViewer, ClickingAChannelInTheTreePlaysItAndOpensItsGuide) {
  HWND tree = form.TreeView1.hwnd();
  const zel::TreeNode* group = form.TreeView1.Nodes.Item(L"shuu");
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group->Handle()));
  auto click = [&](const wchar_t* key) {
    ASSERT_TRUE(
        zeltest::ClickTreeItem(form.hwnd(), tree, form.TreeView1.Nodes.Item(key)->Handle()));
  };
  click(L"qqqp3");
  EXPECT_EQ(form.wmp1.URL(), Stream(L"/tv/sho7/3.asx"));
  EXPECT_TRUE(guide.WaitFor("/union/uniChDay_ifr.asp?tvid=27&channelid=444"));
  guide.Clear();
  click(L"qqqp2");  // no guide page
  EXPECT_EQ(form.wmp1.URL(), Stream(L"/tv/sho7/2.asx"));
  click(L"shuu");  // a group: nothing changes
  EXPECT_EQ(form.wmp1.URL(), Stream(L"/tv/sho7/2.asx"));
  zeltest::PumpMessages(1000ms);
  EXPECT_TRUE(guide.Requests().empty());
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/tree_view.h"
#include "support/http_server.h"
#include "support/test_form.h"
#include "support/tree_click.h"
#include "viewer/catalogue.h"

namespace {

using namespace std::chrono_literals;

std::wstring ItemText(HWND tree, HTREEITEM item) {
  wchar_t buf[256] = {};
  TVITEMW tv{};
  tv.mask = TVIF_TEXT | TVIF_HANDLE;
  tv.hItem = item;
  tv.pszText = buf;
  tv.cchTextMax = 256;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return buf;
}

HTREEITEM Next(HWND tree, HTREEITEM item, UINT how) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

class ChannelTree : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host_.CreateDefault(300 * 15, 500 * 15));
    ASSERT_TRUE(tree_.Create(host_, {0, 0, 250 * 15, 450 * 15}));
    host_.Show();
    tree_.NodeClick = [this](const zel::TreeNode& n) { clicked_.push_back(n.Key()); };
  }

  void ClickNode(const zel::TreeNode& node) {
    ASSERT_TRUE(zeltest::ClickTreeItem(host_.hwnd(), tree_.hwnd(), node.Handle()));
  }
  void ClickAt(POINT p) { zeltest::ClickAt(host_.hwnd(), p); }

  zeltest::TestForm host_;
  zel::TreeView tree_{L"tree"};
  std::vector<std::wstring> clicked_;
};

TEST_F(ChannelTree, FillAddsEveryEntryInTableOrderCollapsedAndUnselected) {
  zel::FillChannelTree(tree_);
  HWND tree = tree_.hwnd();
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 185);
  EXPECT_EQ(tree_.Nodes.Count(), 185u);
  EXPECT_EQ(Next(tree, nullptr, TVGN_CARET), nullptr);

  // Walk the control itself and rebuild the table from what it shows.
  std::vector<std::pair<std::wstring, std::wstring>> seen;  // (parent caption, caption)
  int roots = 0;
  for (HTREEITEM root = Next(tree, nullptr, TVGN_ROOT); root; root = Next(tree, root, TVGN_NEXT)) {
    ++roots;
    EXPECT_FALSE(SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(root),
                              TVIS_EXPANDED | TVIS_SELECTED));
    seen.emplace_back(L"", ItemText(tree, root));
    for (HTREEITEM c = Next(tree, root, TVGN_CHILD); c; c = Next(tree, c, TVGN_NEXT))
      seen.emplace_back(ItemText(tree, root), ItemText(tree, c));
  }
  EXPECT_EQ(roots, 22);
  ASSERT_EQ(seen.size(), 185u);
  EXPECT_EQ(seen.front().second, L"频道列表读取完毕");
  EXPECT_EQ(seen[1].second, L"◣  中央电视直播");
  EXPECT_EQ(seen.back(),
            std::make_pair(std::wstring(L"◣  港台电视直播"), std::wstring(L"台湾新闻频道")));
  auto table = zel::ChannelCatalogue();
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(seen[i].second, table[i].caption) << i;
    const zel::TreeNode* node = tree_.Nodes.Item(table[i].key);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(ItemText(tree, node->Handle()), table[i].caption);
  }
}

TEST_F(ChannelTree, NodesRefuseDuplicateKeysUnknownRelativesAndOtherRelationships) {
  ASSERT_TRUE(tree_.Nodes.Add(std::nullopt, std::nullopt, L"g", L"group"));
  EXPECT_TRUE(tree_.Nodes.Add(L"g", zel::tvwChild, L"c", L"child"));
  EXPECT_FALSE(tree_.Nodes.Add(std::nullopt, std::nullopt, L"g", L"again"));
  EXPECT_FALSE(tree_.Nodes.Add(L"nobody", zel::tvwChild, L"d", L"orphan"));
  EXPECT_FALSE(tree_.Nodes.Add(L"g", 1, L"e", L"last"));
  EXPECT_EQ(tree_.Nodes.Count(), 2u);
  EXPECT_EQ(SendMessageW(tree_.hwnd(), TVM_GETCOUNT, 0, 0), 2);
  // Keys are compared exactly.
  EXPECT_TRUE(tree_.Nodes.Add(std::nullopt, std::nullopt, L"G", L"other"));
}

TEST_F(ChannelTree, MouseClickOnANodeRaisesNodeClickEveryTime) {
  zel::FillChannelTree(tree_);
  const zel::TreeNode* group = tree_.Nodes.Item(L"zhongyang");
  ClickNode(*group);
  ASSERT_EQ(clicked_, std::vector<std::wstring>{L"zhongyang"});
  // Open the group and click one of its channels, twice.
  SendMessageW(tree_.hwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group->Handle()));
  const zel::TreeNode* cctv1 = tree_.Nodes.Item(L"cctv1");
  ClickNode(*cctv1);
  ClickNode(*cctv1);
  EXPECT_EQ(clicked_, (std::vector<std::wstring>{L"zhongyang", L"cctv1", L"cctv1"}));
}

TEST_F(ChannelTree, ClickOnEmptySpaceRaisesNothingKeyboardSelectionDoes) {
  zel::FillChannelTree(tree_);
  RECT rc;
  GetClientRect(tree_.hwnd(), &rc);
  POINT blank{rc.right - 5, rc.bottom - 5};  // below the 22 collapsed roots
  ClientToScreen(tree_.hwnd(), &blank);
  ClickAt(blank);
  EXPECT_TRUE(clicked_.empty());

  ClickNode(*tree_.Nodes.Item(L"zhongyffang"));
  clicked_.clear();
  SetFocus(tree_.hwnd());
  keybd_event(VK_DOWN, 0, 0, 0);
  keybd_event(VK_DOWN, 0, KEYEVENTF_KEYUP, 0);
  zeltest::PumpMessages(300ms);
  EXPECT_EQ(clicked_, std::vector<std::wstring>{L"zhongyang"});
}

}  // namespace

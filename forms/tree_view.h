// A tree view: the system tree-view control behind a small node layer with
// string keys, child relationships and a NodeClick event.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zel {

constexpr int tvwChild = 4;  // the only relationship supported

class TreeNode {
 public:
  TreeNode(std::wstring key, std::wstring text) : key_(std::move(key)), text_(std::move(text)) {}
  const std::wstring& Key() const { return key_; }
  const std::wstring& Text() const { return text_; }
  HTREEITEM Handle() const { return item_; }

 private:
  friend class TreeNodes;  // sets the item once the control has it
  std::wstring key_;
  std::wstring text_;
  HTREEITEM item_ = nullptr;
};

class TreeView;

class TreeNodes {
 public:
  // Adds a node. With no relative it is appended at the end of the root level;
  // with a relative and tvwChild it is appended as the relative's last child.
  // Fails (nothing added) for a duplicate key, an unknown relative or another
  // relationship.
  const TreeNode* Add(std::optional<std::wstring_view> Relative, std::optional<int> Relationship,
                      std::wstring_view Key, std::wstring_view Text);
  size_t Count() const { return nodes_.size(); }
  const TreeNode* Item(std::wstring_view key) const;
  const TreeNode* FromHandle(HTREEITEM item) const;
  void Clear();

 private:
  friend class TreeView;
  HWND tree_ = nullptr;
  std::vector<std::unique_ptr<TreeNode>> nodes_;
  std::unordered_map<std::wstring, TreeNode*> byKey_;
};

class TreeView {
 public:
  TreeView() = default;
  ~TreeView();
  TreeView(const TreeView&) = delete;
  TreeView& operator=(const TreeView&) = delete;

  // The control: a frame window of its own with the tree filling it, so it
  // receives the tree's notifications wherever it is placed.
  bool Create(HWND parent, int x, int y, int cx, int cy);
  HWND hwnd() const { return frame_; }
  HWND tree() const { return tree_; }

  TreeNodes Nodes;
  // Raised when the user clicks a node with the mouse (also the selected one)
  // and when the user moves the selection with the keyboard.
  std::function<void(const TreeNode&)> NodeClick;

 private:
  static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT OnNotify(const NMHDR& header);
  void RaiseNodeClick(HTREEITEM item);

  HWND frame_ = nullptr;
  HWND tree_ = nullptr;
};

}  // namespace zel

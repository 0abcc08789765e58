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

#include "forms/control.h"

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

 private:
  friend class TreeView;
  HWND tree_ = nullptr;
  std::vector<std::unique_ptr<TreeNode>> nodes_;
  std::unordered_map<std::wstring, TreeNode*> byKey_;
};

class TreeView : public Control {
 public:
  explicit TreeView(std::wstring name, std::optional<int16_t> index = std::nullopt);

  // Creates the system tree-view control inside `parent` at the design bounds.
  bool Create(Container& parent, const Bounds& design);

  TreeNodes Nodes;
  // Raised when the user clicks a node with the mouse (also the selected one)
  // and when the user moves the selection with the keyboard.
  std::function<void(const TreeNode&)> NodeClick;

 protected:
  bool OnReflected(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
  void WindowGone() override;

 private:
  void RaiseNodeClick(HTREEITEM item);
};

}  // namespace zel

#include "forms/tree_view.h"

namespace zel {

const TreeNode* TreeNodes::Add(std::optional<std::wstring_view> Relative,
                               std::optional<int> Relationship, std::wstring_view Key,
                               std::wstring_view Text) {
  if (!tree_) return nullptr;
  std::wstring key(Key);
  if (byKey_.count(key)) return nullptr;
  HTREEITEM parent = TVI_ROOT;
  if (Relative) {
    if (Relationship != tvwChild) return nullptr;
    const TreeNode* relative = Item(*Relative);
    if (!relative) return nullptr;
    parent = relative->Handle();
  } else if (Relationship) {
    return nullptr;
  }
  auto node = std::make_unique<TreeNode>(key, std::wstring(Text));
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<wchar_t*>(node->Text().c_str());
  insert.item.lParam = reinterpret_cast<LPARAM>(node.get());
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!item) return nullptr;
  node->item_ = item;
  TreeNode* added = node.get();
  byKey_.emplace(std::move(key), added);
  nodes_.push_back(std::move(node));
  return added;
}

const TreeNode* TreeNodes::Item(std::wstring_view key) const {
  auto it = byKey_.find(std::wstring(key));
  return it == byKey_.end() ? nullptr : it->second;
}

const TreeNode* TreeNodes::FromHandle(HTREEITEM item) const {
  if (!tree_ || !item) return nullptr;
  TVITEMW tv{};
  tv.mask = TVIF_PARAM | TVIF_HANDLE;
  tv.hItem = item;
  if (!SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return nullptr;
  return reinterpret_cast<const TreeNode*>(tv.lParam);
}

TreeView::TreeView(std::wstring name, std::optional<int16_t> index)
    : Control(std::move(name), index) {}

bool TreeView::Create(Container& parent, const Bounds& design) {
  Attach(parent, design);
  if (!parent.ContainerHwnd()) return false;
  if (!CreateSystemControl(
          WC_TREEVIEWW,
          WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
          WS_EX_CLIENTEDGE, L""))
    return false;
  Nodes.tree_ = hwnd();
  ApplyFont();
  return true;
}

void TreeView::WindowGone() {
  Nodes.tree_ = nullptr;
  Control::WindowGone();
}

bool TreeView::OnReflected(UINT msg, WPARAM, LPARAM lparam, LRESULT* result) {
  if (msg != WM_NOTIFY) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
  if (header.code == NM_CLICK) {
    // The click's own position: a click on a node, not on its button or the blank row.
    DWORD pos = GetMessagePos();
    TVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    ScreenToClient(hwnd(), &hit.pt);
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item && (hit.flags & TVHT_ONITEM)) RaiseNodeClick(item);
  } else if (header.code == TVN_SELCHANGEDW) {
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    if (change.action == TVC_BYKEYBOARD) RaiseNodeClick(change.itemNew.hItem);
  }
  *result = 0;
  return true;
}

void TreeView::RaiseNodeClick(HTREEITEM item) {
  const TreeNode* node = Nodes.FromHandle(item);
  if (node && NodeClick) NodeClick(*node);
}

}  // namespace zel

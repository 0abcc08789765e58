#include "forms/tree_view.h"

namespace zel {

namespace {

constexpr wchar_t kFrameClass[] = L"ZelvanoTreeFrame";

void RegisterFrameClass(WNDPROC proc) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kFrameClass;
  registered = RegisterClassExW(&wc) != 0;
}

}  // namespace

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

void TreeNodes::Clear() {
  if (tree_) SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  byKey_.clear();
  nodes_.clear();
}

TreeView::~TreeView() {
  if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
}

bool TreeView::Create(HWND parent, int x, int y, int cx, int cy) {
  RegisterFrameClass(FrameProc);
  frame_ = CreateWindowExW(0, kFrameClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, cx,
                           cy, parent, nullptr, GetModuleHandleW(nullptr), this);
  if (!frame_) return false;
  tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS |
                              TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                          0, 0, cx, cy, frame_, nullptr, GetModuleHandleW(nullptr), nullptr);
  Nodes.tree_ = tree_;
  return tree_ != nullptr;
}

LRESULT CALLBACK TreeView::FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<TreeView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    switch (msg) {
      case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.hwndFrom == self->tree_) return self->OnNotify(header);
        break;
      }
      case WM_SIZE:
        if (self->tree_) MoveWindow(self->tree_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
      case WM_SETFONT:
        if (self->tree_) SendMessageW(self->tree_, WM_SETFONT, wParam, lParam);
        return 0;
      case WM_GETFONT:
        return self->tree_ ? SendMessageW(self->tree_, WM_GETFONT, 0, 0) : 0;
      case WM_SETFOCUS:
        if (self->tree_) SetFocus(self->tree_);
        return 0;
      case WM_DESTROY:
        self->Nodes.tree_ = nullptr;
        self->tree_ = nullptr;
        self->frame_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    }
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT TreeView::OnNotify(const NMHDR& header) {
  if (header.code == NM_CLICK) {
    // The click's own position: a click on a node, not on its button or the blank row.
    DWORD pos = GetMessagePos();
    TVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    ScreenToClient(tree_, &hit.pt);
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item && (hit.flags & TVHT_ONITEM)) RaiseNodeClick(item);
  } else if (header.code == TVN_SELCHANGEDW) {
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    if (change.action == TVC_BYKEYBOARD) RaiseNodeClick(change.itemNew.hItem);
  }
  return 0;
}

void TreeView::RaiseNodeClick(HTREEITEM item) {
  const TreeNode* node = Nodes.FromHandle(item);
  if (node && NodeClick) NodeClick(*node);
}

}  // namespace zel

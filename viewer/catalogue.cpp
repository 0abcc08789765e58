#include "viewer/catalogue.h"

#include "forms/tree_view.h"
#include "win32/redraw_pause.h"

namespace zel {

void FillChannelTree(TreeView& tree) {
  // One redraw and one scroll-range update for the catalogue, not one per node.
  const RedrawPause pause(tree.hwnd());
  for (const CatalogueEntry& e : ChannelCatalogue()) {
    const TreeNode* added = e.parentKey.empty()
                                ? tree.Nodes.Add(std::nullopt, std::nullopt, e.key, e.caption)
                                : tree.Nodes.Add(e.parentKey, tvwChild, e.key, e.caption);
    if (!added) return;
  }
}

const CatalogueEntry* FindChannel(std::wstring_view key) {
  for (const CatalogueEntry& e : ChannelCatalogue())
    if (e.IsChannel() && e.key == key) return &e;
  return nullptr;
}

}  // namespace zel

// The built-in channel catalogue: one status entry, 21 groups and 163 channels.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace zel {

class TreeView;

struct GuidePage {
  int tvid;
  int channelid;
};

struct CatalogueEntry {
  std::wstring_view key;
  std::wstring_view parentKey;  // empty for a root entry
  std::wstring_view caption;
  std::wstring_view streamPath;  // channels only: "/tv/..."
  std::optional<GuidePage> guide;

  bool IsChannel() const { return !parentKey.empty(); }
};

// The table, in the order the tree shows it.
std::span<const CatalogueEntry> ChannelCatalogue();

// Adds one node per entry, in table order; stops at the first addition the tree refuses.
void FillChannelTree(TreeView& tree);

// The channel whose key equals `key` exactly (case-sensitive, whole text), or nothing.
const CatalogueEntry* FindChannel(std::wstring_view key);

}  // namespace zel

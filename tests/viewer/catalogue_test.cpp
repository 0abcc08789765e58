#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "viewer/catalogue.h"

namespace {

using zel::CatalogueEntry;
using zel::ChannelCatalogue;
using zel::FindChannel;

TEST(Catalogue, CountsAndKinds) {
  auto table = ChannelCatalogue();
  ASSERT_EQ(table.size(), 185u);
  EXPECT_EQ(table[0].key, L"zhongyffang");
  EXPECT_EQ(table[0].caption, L"频道列表读取完毕");
  int groups = 0, channels = 0, withGuide = 0, php = 0, asx = 0;
  for (const CatalogueEntry& e : table.subspan(1)) {
    if (e.IsChannel()) {
      ++channels;
      withGuide += e.guide.has_value();
      EXPECT_EQ(e.streamPath.substr(0, 4), L"/tv/") << std::wstring(e.key);
      if (e.streamPath.ends_with(L".php")) ++php;
      if (e.streamPath.ends_with(L".asx")) ++asx;
    } else {
      ++groups;
      EXPECT_TRUE(e.streamPath.empty());
      EXPECT_FALSE(e.guide);
      EXPECT_EQ(e.caption.substr(0, 3), L"◣  ") << std::wstring(e.key);
      EXPECT_TRUE(e.caption.ends_with(L"电视直播")) << std::wstring(e.key);
    }
  }
  EXPECT_EQ(groups, 21);
  EXPECT_EQ(channels, 163);
  EXPECT_EQ(withGuide, 134);
  EXPECT_EQ(asx, 157);
  EXPECT_EQ(php, 6);
}

TEST(Catalogue, KeysAndStreamsAreUniqueAndParentsPrecedeChildren) {
  std::set<std::wstring_view> keys, streams;
  std::wstring_view currentGroup;
  std::map<std::wstring_view, int> perGroup;
  for (const CatalogueEntry& e : ChannelCatalogue()) {
    EXPECT_TRUE(keys.insert(e.key).second) << "duplicate key";
    if (!e.IsChannel()) {
      currentGroup = e.key;
      continue;
    }
    EXPECT_TRUE(streams.insert(e.streamPath).second) << "duplicate stream";
    // Every group is followed directly by all of its channels.
    EXPECT_EQ(e.parentKey, currentGroup) << std::wstring(e.key);
    ++perGroup[e.parentKey];
  }
  EXPECT_EQ(perGroup[L"shff"], 1);
  EXPECT_EQ(perGroup[L"shaaa"], 22);
  EXPECT_EQ(perGroup[L"zhongyang"], 17);
}

TEST(Catalogue, ExactCaptionsAndStreamQuirks) {
  // Captions exactly as built in, trailing blank included.
  EXPECT_EQ(FindChannel(L"qqqu6")->caption, L"湖北教育频道 ");
  EXPECT_EQ(FindChannel(L"qqqu1")->caption, L"湖北电视直播");
  EXPECT_EQ(FindChannel(L"qqqu4")->caption, FindChannel(L"qqqu8")->caption);
  EXPECT_EQ(FindChannel(L"cctv1")->caption, L"中央财经频道");
  EXPECT_EQ(FindChannel(L"cctv4")->caption, L"中央综合频道");
  EXPECT_EQ(FindChannel(L"cctv3"), nullptr);
  // Beijing streams do not follow their keys.
  EXPECT_EQ(FindChannel(L"ok1")->streamPath, L"/tv/ok1/1.asx");
  EXPECT_EQ(FindChannel(L"ok2")->streamPath, L"/tv/ok1/3.asx");
  EXPECT_EQ(FindChannel(L"ok8")->streamPath, L"/tv/ok1/9.asx");
  EXPECT_EQ(FindChannel(L"ok9")->streamPath, L"/tv/ok1/u.asx");
  // 安徽 runs backwards, as pages.
  EXPECT_EQ(FindChannel(L"qqqf1")->streamPath, L"/tv/sho11/ok6.php");
  EXPECT_EQ(FindChannel(L"qqqf6")->streamPath, L"/tv/sho11/ok1.php");
  // Shared guide pages.
  auto guide = [](const wchar_t* key) {
    auto g = FindChannel(key)->guide.value();
    return std::make_pair(g.tvid, g.channelid);
  };
  EXPECT_EQ(guide(L"cctv5"), std::make_pair(1, 14));
  EXPECT_EQ(guide(L"cctv15"), std::make_pair(1, 14));
  EXPECT_NE(FindChannel(L"cctv5")->streamPath, FindChannel(L"cctv15")->streamPath);
  EXPECT_EQ(guide(L"qqqu4"), guide(L"qqqu8"));
  for (auto key : {L"qqqqr1", L"qqqqr2", L"qqqqr3"}) EXPECT_EQ(guide(key), std::make_pair(8, 31));
  EXPECT_EQ(guide(L"qqqqw12"), std::make_pair(319, 1514));
  EXPECT_FALSE(FindChannel(L"cctv16")->guide);
  EXPECT_FALSE(FindChannel(L"qqqqw22")->guide);
}

TEST(Catalogue, LookupsThatYieldNothing) {
  for (auto key : {L"zhongyffang", L"zhongyang", L"shaaa", L"shff", L"", L"CCTV1", L"Cctv1",
                   L"cctv1 ", L" cctv1", L"qqqu6 ", L"ok", L"cctv"})
    EXPECT_EQ(FindChannel(key), nullptr) << std::wstring(key).size();
  // Every channel is found by its own key, and only by it.
  for (const CatalogueEntry& e : ChannelCatalogue())
    if (e.IsChannel()) {
      EXPECT_EQ(FindChannel(e.key), &e);
    }
}

}  // namespace

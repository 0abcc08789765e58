// The shipped 32-bit programs: PE32 GUI executables, statically linked, with
// their version resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/wine_path.h"

namespace {

std::vector<char> ReadFile(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <class T>
T At(const std::vector<char>& bytes, size_t offset) {
  T value{};
  if (offset + sizeof(T) <= bytes.size()) memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

// Names of the DLLs in a PE32 file's import directory.
std::vector<std::string> ImportedDlls(const std::vector<char>& bytes, size_t pe) {
  const size_t optional = pe + 24;
  const uint16_t sections = At<uint16_t>(bytes, pe + 6);
  const size_t sectionTable = optional + At<uint16_t>(bytes, pe + 20);
  // PE32: the data directories start at offset 96; entry 1 is the import directory.
  const uint32_t importRva = At<uint32_t>(bytes, optional + 96 + 8);
  auto toOffset = [&](uint32_t rva) -> size_t {
    for (uint16_t i = 0; i < sections; ++i) {
      const size_t h = sectionTable + i * 40;
      const uint32_t va = At<uint32_t>(bytes, h + 12), size = At<uint32_t>(bytes, h + 16);
      const uint32_t raw = At<uint32_t>(bytes, h + 20);
      if (rva >= va && rva < va + size) return raw + (rva - va);
    }
    return 0;
  };
  std::vector<std::string> dlls;
  for (size_t d = toOffset(importRva); d && d + 20 <= bytes.size(); d += 20) {
    const uint32_t nameRva = At<uint32_t>(bytes, d + 12);
    if (!nameRva) break;
    const size_t name = toOffset(nameRva);
    if (!name) break;
    std::string dll;
    for (size_t i = name; i < bytes.size() && bytes[i]; ++i)
      dll += static_cast<char>(tolower(static_cast<unsigned char>(bytes[i])));
    dlls.push_back(dll);
  }
  return dlls;
}

void ExpectPe32Gui(const std::wstring& path) {
  std::vector<char> bytes = ReadFile(path);
  ASSERT_GT(bytes.size(), 1024u) << "missing: " << path;
  ASSERT_EQ(At<uint16_t>(bytes, 0), 0x5A4D);  // "MZ"
  size_t pe = At<uint32_t>(bytes, 0x3C);
  ASSERT_EQ(At<uint32_t>(bytes, pe), 0x00004550u);  // "PE\0\0"
  EXPECT_EQ(At<uint16_t>(bytes, pe + 4), IMAGE_FILE_MACHINE_I386);
  size_t optional = pe + 24;
  EXPECT_EQ(At<uint16_t>(bytes, optional), IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(At<uint16_t>(bytes, optional + 68), IMAGE_SUBSYSTEM_WINDOWS_GUI);
  // Static linking: the program imports only system DLLs, none of MinGW's run time.
  for (const std::string& dll : ImportedDlls(bytes, pe)) {
    EXPECT_EQ(dll.find("libstdc++"), std::string::npos) << dll;
    EXPECT_EQ(dll.find("libgcc"), std::string::npos) << dll;
    EXPECT_EQ(dll.find("libwinpthread"), std::string::npos) << dll;
  }
  EXPECT_FALSE(ImportedDlls(bytes, pe).empty());
}

struct VersionInfo {
  std::vector<BYTE> data;
  explicit VersionInfo(const std::wstring& path) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    data.resize(size);
    if (size) GetFileVersionInfoW(path.c_str(), 0, size, data.data());
  }
  std::wstring String(const wchar_t* name) {
    void* value = nullptr;
    UINT len = 0;
    std::wstring key = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    if (data.empty() || !VerQueryValueW(data.data(), key.c_str(), &value, &len)) return L"<none>";
    return std::wstring(static_cast<wchar_t*>(value));
  }
  VS_FIXEDFILEINFO Fixed() {
    void* value = nullptr;
    UINT len = 0;
    VS_FIXEDFILEINFO fixed{};
    if (!data.empty() && VerQueryValueW(data.data(), L"\\", &value, &len) && len >= sizeof(fixed))
      memcpy(&fixed, value, sizeof(fixed));
    return fixed;
  }
  std::pair<WORD, WORD> Translation() {
    void* value = nullptr;
    UINT len = 0;
    if (data.empty() || !VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &len) ||
        len < 4)
      return {0, 0};
    auto* words = static_cast<WORD*>(value);
    return {words[0], words[1]};
  }
};

// The process manifest as the loader reads it (resource 1 of RT_MANIFEST).
std::string EmbeddedManifest(const std::wstring& exe) {
  HMODULE m = LoadLibraryExW(exe.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!m) return {};
  std::string text;
  if (HRSRC r = FindResourceW(m, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(m, r)));
    if (bytes) text.assign(bytes, SizeofResource(m, r));
  }
  FreeLibrary(m);
  return text;
}

const std::wstring kDir = zeltest::WinePath(ZEL_I686_DIR);

struct Shipped {
  const wchar_t* path;  // below the i686 build tree
  const wchar_t* productName;
  const wchar_t* internalName;
  const wchar_t* originalFilename;
  const wchar_t* version;
  DWORD versionMS, versionLS;
  bool hasSiteEntries;  // Comments and CompanyName
};

void ExpectShipped(const Shipped& p) {
  std::wstring exe = kDir + p.path;
  ExpectPe32Gui(exe);
  VersionInfo v(exe);
  ASSERT_FALSE(v.data.empty());
  EXPECT_EQ(v.Translation(), std::make_pair(WORD{0x0804}, WORD{1200}));
  EXPECT_EQ(v.String(L"ProductName"), p.productName);
  EXPECT_EQ(v.String(L"InternalName"), p.internalName);
  EXPECT_EQ(v.String(L"OriginalFilename"), p.originalFilename);
  EXPECT_EQ(v.String(L"FileVersion"), p.version);
  EXPECT_EQ(v.String(L"ProductVersion"), p.version);
  // Per-monitor aware, which Wine does not read from the manifest: each window
  // draws itself at its screen's scale, never stretched as a bitmap.
  const std::string manifest = EmbeddedManifest(exe);
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
  EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
  EXPECT_EQ(manifest.find("gdiScaling"), std::string::npos);
  if (p.hasSiteEntries) {
    EXPECT_NE(v.String(L"Comments"), L"<none>");
    EXPECT_NE(v.String(L"CompanyName"), L"<none>");
  }
  VS_FIXEDFILEINFO fixed = v.Fixed();
  EXPECT_EQ(fixed.dwFileVersionMS, p.versionMS);
  EXPECT_EQ(fixed.dwFileVersionLS, p.versionLS);
  EXPECT_EQ(fixed.dwProductVersionMS, p.versionMS);
  EXPECT_EQ(fixed.dwProductVersionLS, p.versionLS);
}

TEST(ShippedPrograms, ViewerIsA32BitGuiProgramWithItsVersion) {
  ExpectShipped({L"\\viewer\\ZelvanoV2010.exe", L"Zelvano", L"ZelvanoV2010", L"ZelvanoV2010.exe",
                 L"2.01.0004", 0x00020001u, 0x00000004u, true});
}

TEST(ShippedPrograms, RegistrationToolIsA32BitGuiProgramWithItsVersion) {
  ExpectShipped({L"\\regtool\\Zelreg.exe", L"Zelreg", L"Zelreg", L"Zelreg.exe", L"1.00",
                 0x00010000u, 0u, false});
}

}  // namespace

// What every program of the folder carries, as Explorer and the loader read
// it: the program icon, the manifest (common controls 6, per-monitor
// scaling) and a version resource.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2eHarness.h"
#include "ui/res/ProgramResources.h"

namespace {

std::vector<std::wstring> Programs() {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((e2e::DistFolder() + L"*.exe").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.emplace_back(found.cFileName);
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return names;
}

std::string ManifestOf(HMODULE module) {
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  if (!found) return {};
  HGLOBAL loaded = ::LoadResource(module, found);
  const char* bytes = static_cast<const char*>(::LockResource(loaded));
  return bytes ? std::string(bytes, ::SizeofResource(module, found)) : std::string();
}

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040C04B0\\") + name;
  if (!::VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return {};
  }
  return std::wstring(value, length > 0 ? length - 1 : 0);
}

TEST(ProgramResources, EveryProgramHasItsIconManifestAndVersion) {
  const std::vector<std::wstring> programs = Programs();
  ASSERT_FALSE(programs.empty());
  for (const std::wstring& name : programs) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    const std::wstring path = e2e::DistFolder() + name;
    HMODULE module = ::LoadLibraryExW(path.c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    HICON icon = static_cast<HICON>(
        ::LoadImageW(module, MAKEINTRESOURCEW(VXL_IDI_PROGRAM), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr) << "no program icon";
    if (icon) ::DestroyIcon(icon);
    const std::string manifest = ManifestOf(module);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("6.0.0.0"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    ::FreeLibrary(module);

    DWORD ignored = 0;
    std::vector<BYTE> info(::GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(info.empty()) << "no version resource";
    ASSERT_TRUE(
        ::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 2);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 0);
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Vexilor 2");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), L"2.00");
    EXPECT_EQ(VersionString(info, L"OriginalFilename"), name);
  }
}

}  // namespace

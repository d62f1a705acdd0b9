// What CRegistry leaves in the real registry, read back with the Win32 API itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/option_table.h"
#include "settings/registry.h"
#include "test_hive.h"

namespace vk {
namespace {

struct RawValue {
  LONG status = ERROR_FILE_NOT_FOUND;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

RawValue QueryRaw(const wchar_t* path, const wchar_t* name) {
  RawValue raw;
  HKEY key = nullptr;
  raw.status = RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
  if (raw.status != ERROR_SUCCESS) return raw;
  DWORD size = 0;
  raw.status = RegQueryValueExW(key, name, nullptr, &raw.type, nullptr, &size);
  if (raw.status == ERROR_SUCCESS) {
    raw.data.resize(size);
    raw.status = RegQueryValueExW(key, name, nullptr, &raw.type, raw.data.data(), &size);
  }
  RegCloseKey(key);
  return raw;
}

void SetRaw(const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST(RegistryWin32, WritesWhatTheCadSideReads) {
  test::TestHive hive;
  ASSERT_TRUE(CRegistry::SetNumber(kProductKey, u"ImportObj", 0x12345678));
  ASSERT_TRUE(CRegistry::SetText(kCurrentOptionsKey, u"FontSizes", u"8:2.5*2"));
  ASSERT_TRUE(WriteOption(options::kCellDrawingUnits, kCurrentOptionsKey, 0.1234567));

  const RawValue number = QueryRaw(L"Software\\Zelkor\\Vellumark", L"ImportObj");
  ASSERT_EQ(number.status, ERROR_SUCCESS);
  EXPECT_EQ(number.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(number.data, (std::vector<BYTE>{0x78, 0x56, 0x34, 0x12}));

  const RawValue text = QueryRaw(L"Software\\Zelkor\\Vellumark\\CurrentOptions", L"FontSizes");
  ASSERT_EQ(text.status, ERROR_SUCCESS);
  EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
  ASSERT_EQ(text.data.size(), 16u);  // 7 characters and the terminator
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(text.data.data())), L"8:2.5*2");

  const RawValue real = QueryRaw(L"Software\\Zelkor\\Vellumark\\CurrentOptions", L"CellDrawingUnits");
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(real.data.data())), L"0.123457");
}

TEST(RegistryWin32, ReadsWhatAnotherWriterStored) {
  test::TestHive hive;
  const BYTE binary[4] = {0x10, 0, 0, 0};
  SetRaw(L"Software\\Zelkor\\Vellumark", L"FuncState", REG_BINARY, binary, 4);
  const wchar_t folder[] = L"D:\\Drawings\\";
  SetRaw(L"Software\\Zelkor\\Vellumark", L"CurDrawingFolder", REG_EXPAND_SZ, folder, sizeof folder);
  SetRaw(L"Software\\Zelkor\\Vellumark", L"UseGlobalOption", REG_SZ, L"10", 6);

  EXPECT_EQ(ReadOption(options::kFuncState), 16);
  EXPECT_EQ(ReadOption(options::kCurDrawingFolder), u"D:\\Drawings\\");
  EXPECT_EQ(ReadOption(options::kUseGlobalOption), 0);  // text longer than four bytes: the default
}

TEST(RegistryWin32, TheFixtureCleansTheCompanyKey) {
  {
    test::TestHive hive;
    CRegistry::SetNumber(kProductKey, u"N", 1);
    EXPECT_EQ(QueryRaw(L"Software\\Zelkor\\Vellumark", L"N").status, ERROR_SUCCESS);
  }
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Zelkor", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace vk

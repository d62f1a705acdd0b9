// The table-driven registry writer, on the real (Wine) registry below a key of this test
// process's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "addin/registrar.h"

namespace {

std::wstring Root() { return L"Software\\VellumarkRegistrarTest" + std::to_wstring(GetCurrentProcessId()); }

bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::wstring Text(const std::wstring& path, const wchar_t* name) {
  wchar_t buffer[512] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
    return L"<none>";
  return buffer;
}

class Registrar : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, Root().c_str()); }
};

TEST_F(Registrar, WritesReplacesAndRemovesWhatTheTableNames) {
  const std::wstring root = Root(), shared = root + L"\\Shared", owned = shared + L"\\Owned",
                     replaced = shared + L"\\Replaced";
  const vk::RegEntry table[] = {
      {vk::RegEntry::SharedKey, HKEY_CURRENT_USER, shared.c_str(), nullptr, nullptr, 0},
      {vk::RegEntry::Key, HKEY_CURRENT_USER, owned.c_str(), nullptr, L"at %MODULE%", 0},
      {vk::RegEntry::TextValue, HKEY_CURRENT_USER, owned.c_str(), L"Name", L"Text", 0},
      {vk::RegEntry::NumberValue, HKEY_CURRENT_USER, owned.c_str(), L"Number", nullptr, 3},
      {vk::RegEntry::ReplacedKey, HKEY_CURRENT_USER, replaced.c_str(), nullptr, L"Whole", 0},
  };
  vk::CRegistrar registrar(L"C:\\x\\M.dll");
  // Something stale below the replaced key, and a neighbour in the shared key.
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (replaced + L"\\Stale").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr), ERROR_SUCCESS);
  RegCloseKey(key);
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (shared + L"\\Neighbour").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr), ERROR_SUCCESS);
  RegCloseKey(key);

  for (int round = 0; round < 2; ++round) {
    ASSERT_EQ(registrar.Register(table), S_OK);
    EXPECT_EQ(Text(owned, nullptr), L"at C:\\x\\M.dll");
    EXPECT_EQ(Text(owned, L"Name"), L"Text");
    DWORD number = 0, size = sizeof number;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, owned.c_str(), L"Number", RRF_RT_REG_DWORD, nullptr, &number, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(number, 3u);
    EXPECT_EQ(Text(replaced, nullptr), L"Whole");
    EXPECT_FALSE(KeyExists(replaced + L"\\Stale"));
  }

  ASSERT_EQ(registrar.Unregister(table), S_OK);
  EXPECT_FALSE(KeyExists(owned));
  EXPECT_FALSE(KeyExists(replaced));
  EXPECT_TRUE(KeyExists(shared + L"\\Neighbour"));
  // Removing what is already gone is no failure.
  EXPECT_EQ(registrar.Unregister(table), S_OK);
}

}  // namespace

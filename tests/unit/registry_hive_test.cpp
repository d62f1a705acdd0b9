// The hive calls behave the same in memory (natively) and in the real registry (under Wine):
// CRegistry's quirks rest on these answers.
#include "settings/registry_hive.h"

#include <gtest/gtest.h>

#include "settings/memory_registry_hive.h"
#include "test_hive.h"

namespace vk {
namespace {

using test::TestHive;

std::unique_ptr<RegistryKey> Company(TestHive& hive) {
  auto root = hive.Hive().OpenRoot(RegistryRoot::CurrentUser);
  auto software = root->OpenSubKey(u"Software", false);
  return software ? software->OpenSubKey(u"Zelkor", true) : nullptr;
}

TEST(RegistryHive, QueriesSizeTypeAndDataLikeRegQueryValueEx) {
  TestHive hive;
  auto key = Company(hive);
  ASSERT_TRUE(key);
  const uint8_t data[6] = {1, 2, 3, 4, 5, 6};
  ASSERT_EQ(key->SetValue(u"V", RegType::Binary, data, 6), kRegOk);

  RegType type = RegType::None;
  uint32_t size = 0;
  EXPECT_EQ(key->QueryValue(u"V", &type, nullptr, &size), kRegOk);  // size only
  EXPECT_EQ(type, RegType::Binary);
  EXPECT_EQ(size, 6u);

  uint8_t small[4] = {0, 0, 0, 0};
  size = 4;
  EXPECT_EQ(key->QueryValue(u"v", &type, small, &size), kRegMoreData);
  EXPECT_EQ(size, 6u);

  uint8_t big[8] = {};
  size = 8;
  EXPECT_EQ(key->QueryValue(u"V", nullptr, big, &size), kRegOk);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(big[5], 6);

  size = 8;
  EXPECT_EQ(key->QueryValue(u"Nope", &type, big, &size), kRegNotFound);
  EXPECT_EQ(key->DeleteValue(u"V"), kRegOk);
  EXPECT_EQ(key->DeleteValue(u"V"), kRegNotFound);
  EXPECT_EQ(key->QueryValue(u"V", &type, nullptr, &size), kRegNotFound);
}

TEST(RegistryHive, OpensCreatesAndDeletesKeyPaths) {
  TestHive hive;
  auto company = Company(hive);
  ASSERT_TRUE(company);
  long status = -1;
  EXPECT_FALSE(company->OpenSubKey(u"A\\B", false, &status));
  EXPECT_EQ(status, kRegNotFound);
  auto deep = company->OpenSubKey(u"A\\B", true, &status);
  ASSERT_TRUE(deep);
  EXPECT_EQ(status, kRegOk);
  EXPECT_TRUE(company->OpenSubKey(u"a", false));
  EXPECT_TRUE(company->OpenSubKey(u"", false));  // the key itself, opened again
  EXPECT_FALSE(company->OpenSubKey(u"\\A", true, &status));
  EXPECT_NE(status, kRegOk);

  const uint8_t one[4] = {1, 0, 0, 0};
  ASSERT_EQ(deep->SetValue(u"N", RegType::Dword, one, 4), kRegOk);
  EXPECT_EQ(company->DeleteTree(u"A"), kRegOk);
  EXPECT_FALSE(company->OpenSubKey(u"A", false));
  EXPECT_EQ(company->DeleteTree(u"A"), kRegNotFound);
  // A handle to a deleted key no longer reaches any value.
  uint32_t size = 4;
  uint8_t out[4];
  EXPECT_NE(deep->QueryValue(u"N", nullptr, out, &size), kRegOk);
}

}  // namespace
}  // namespace vk

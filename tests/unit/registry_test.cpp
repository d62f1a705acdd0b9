// CRegistry against a fresh hive: in memory natively, the real registry under Wine.
#include "settings/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "test_hive.h"

namespace vk {
namespace {

using test::kCurrentOptionsPath;
using test::kProductPath;
using test::TestHive;

std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> bytes) { return bytes; }
std::vector<uint8_t> Utf16Bytes(std::u16string_view text) {
  std::vector<uint8_t> bytes(text.size() * 2);
  std::memcpy(bytes.data(), text.data(), bytes.size());
  return bytes;
}

TEST(Registry, AnEmptyProfileGivesDefaultsAndLeavesOnlyTheKeys) {
  TestHive hive;
  EXPECT_FALSE(hive.KeyExists(u"Zelkor"));
  EXPECT_EQ(CRegistry::GetNumber(kProductKey, u"FuncState", 7), 7);
  EXPECT_EQ(CRegistry::GetText(kProductKey, u"LatestFolder", u"dflt"), u"dflt");
  EXPECT_TRUE(hive.KeyExists(kProductPath));
  EXPECT_FALSE(hive.KeyExists(kCurrentOptionsPath));
  EXPECT_FALSE(hive.Read(kProductPath, u"FuncState"));  // reads never create values

  EXPECT_EQ(CRegistry::GetNumber(kCurrentOptionsKey, u"ImportObj", 127), 127);
  EXPECT_TRUE(hive.KeyExists(kCurrentOptionsPath));
  EXPECT_FALSE(hive.Read(kCurrentOptionsPath, u"ImportObj"));
}

TEST(Registry, WritesNumbersAsDwordAndTextWithItsTerminator) {
  TestHive hive;
  EXPECT_TRUE(CRegistry::SetNumber(kProductKey, u"ShowError", -2));
  EXPECT_TRUE(CRegistry::SetText(kCurrentOptionsKey, u"BorderLayer", u"Rand"));
  EXPECT_TRUE(CRegistry::SetText(kProductKey, u"LatestFolder", u""));

  const auto number = hive.Read(kProductPath, u"ShowError");
  ASSERT_TRUE(number);
  EXPECT_EQ(number->type, RegType::Dword);
  EXPECT_EQ(number->data, Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
  const auto text = hive.Read(kCurrentOptionsPath, u"BorderLayer");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->type, RegType::Sz);
  EXPECT_EQ(text->data, Utf16Bytes(std::u16string_view(u"Rand", 5)));  // (4 + 1) * 2 bytes
  EXPECT_EQ(hive.Read(kProductPath, u"LatestFolder")->data, Bytes({0, 0}));

  EXPECT_EQ(CRegistry::GetNumber(kProductKey, u"ShowError", 1), -2);
  EXPECT_EQ(CRegistry::GetText(kCurrentOptionsKey, u"BorderLayer", u"x"), u"Rand");
  EXPECT_EQ(CRegistry::GetText(kProductKey, u"LatestFolder", u"x"), u"");
}

// What a number read makes of values of every kind: up to four bytes are the number, anything
// longer gives the default.
TEST(Registry, ReadsNumbersFromWhateverIsStored) {
  struct Case {
    const char* what;
    RegType type;
    std::vector<uint8_t> data;
    int32_t expected;
  } cases[] = {
      {"dword", RegType::Dword, Bytes({0x78, 0x56, 0x34, 0x12}), 0x12345678},
      {"negative dword", RegType::Dword, Bytes({0xFF, 0xFF, 0xFF, 0xFF}), -1},
      {"4-byte binary", RegType::Binary, Bytes({1, 2, 3, 4}), 0x04030201},
      {"2-byte binary", RegType::Binary, Bytes({1, 2}), 0x0201},
      {"empty binary", RegType::Binary, {}, 0},
      {"one-character text", RegType::Sz, Utf16Bytes(std::u16string_view(u"7", 2)), 0x37},
      {"longer text", RegType::Sz, Utf16Bytes(std::u16string_view(u"12", 3)), -99},
      {"qword", RegType::Qword, Bytes({5, 0, 0, 0, 0, 0, 0, 0}), -99},
      {"5-byte binary", RegType::Binary, Bytes({5, 0, 0, 0, 0}), -99},
  };
  TestHive hive;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    hive.Write(kProductPath, u"Value", c.type, c.data);
    EXPECT_EQ(CRegistry::GetNumber(kProductKey, u"Value", -99), c.expected);
    EXPECT_EQ(CRegistry::GetNumber(kProductKey, u"Missing", -99), -99);
  }
}

TEST(Registry, ReadsTextUpToItsFirstTerminatorWhateverTheType) {
  struct Case {
    const char* what;
    RegType type;
    std::vector<uint8_t> data;
    std::u16string expected;
  } cases[] = {
      {"text", RegType::Sz, Utf16Bytes(std::u16string_view(u"C:\\Drawings\\", 13)), u"C:\\Drawings\\"},
      {"embedded terminator", RegType::Sz, Utf16Bytes(std::u16string_view(u"ab\0cd", 6)), u"ab"},
      {"no terminator", RegType::Sz, Utf16Bytes(u"abc"), u"abc"},
      {"multi-string", RegType::MultiSz, Utf16Bytes(std::u16string_view(u"one\0two\0", 9)), u"one"},
      {"expandable", RegType::ExpandSz, Utf16Bytes(std::u16string_view(u"%TEMP%", 7)), u"%TEMP%"},
      {"dword", RegType::Dword, Bytes({0x42, 0, 0x41, 0}), u"BA"},
      {"empty binary", RegType::Binary, {}, u""},
      {"odd length", RegType::Binary, Bytes({0x41, 0, 0x42}), u"A"},
      {"non-ASCII", RegType::Sz, Utf16Bytes(std::u16string_view(u"図面\u00e9", 4)), u"図面\u00e9"},
  };
  TestHive hive;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    hive.Write(kProductPath, u"Value", c.type, c.data);
    EXPECT_EQ(CRegistry::GetText(kProductKey, u"Value", u"default"), c.expected);
  }
  EXPECT_EQ(CRegistry::GetText(kProductKey, u"Missing", u"default"), u"default");
}

TEST(Registry, LongTextSurvivesTheRoundTrip) {
  TestHive hive;
  const std::u16string long_text(5000, u'x');
  EXPECT_TRUE(CRegistry::SetText(kProductKey, u"PicturesFolder", long_text));
  EXPECT_EQ(CRegistry::GetText(kProductKey, u"PicturesFolder", u""), long_text);
}

TEST(Registry, SubKeyPathsAreCreatedBelowTheCompanyKey) {
  TestHive hive;
  EXPECT_TRUE(CRegistry::SetNumber(u"A\\B\\C", u"N", 3));
  EXPECT_TRUE(hive.KeyExists(u"Zelkor\\A\\B\\C"));
  EXPECT_EQ(CRegistry::GetNumber(u"a\\b\\c", u"n", 0), 3);  // names are not case-sensitive
  // An empty path is the company key itself.
  EXPECT_TRUE(CRegistry::SetText(u"", u"T", u"company"));
  EXPECT_EQ(hive.Read(u"Zelkor", u"T")->type, RegType::Sz);
  EXPECT_EQ(CRegistry::GetText(u"", u"T", u""), u"company");
}

// With no company (or no hive at all) nothing is touched: reads give the default, writes fail.
TEST(Registry, WithoutACompanyEveryCallFails) {
  TestHive hive;
  hive.WriteNumber(kProductPath, u"FuncState", 2);
  for (const bool withHive : {true, false}) {
    SCOPED_TRACE(withHive ? "empty company" : "no hive");
    if (withHive) {
      CRegistry::SetRootKey(RegistryRoot::CurrentUser, u"");
    } else {
      CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
      CRegistry::SetHive(nullptr);
    }
    EXPECT_EQ(CRegistry::GetNumber(kProductKey, u"FuncState", 5), 5);
    EXPECT_EQ(CRegistry::GetText(kProductKey, u"FuncState", u"d"), u"d");
    EXPECT_FALSE(CRegistry::SetNumber(kProductKey, u"New", 1));
    EXPECT_FALSE(CRegistry::SetText(kProductKey, u"New", u"x"));
    EXPECT_FALSE(CRegistry::SetText(u"", u"New", u"x"));
    EXPECT_FALSE(hive.Read(kProductPath, u"New"));
    EXPECT_FALSE(hive.KeyExists(u"Vellumark"));  // nothing was created straight under software
  }
  CRegistry::SetHive(&hive.Hive());
  CRegistry::SetRootKey(RegistryRoot::CurrentUser, kCompanyName);
  EXPECT_EQ(CRegistry::GetNumber(kProductKey, u"FuncState", 5), 2);
}

TEST(Registry, TheCompanyNameChoosesTheKey) {
  TestHive hive;
  CRegistry::SetRootKey(RegistryRoot::CurrentUser, u"Zelkor");
  ASSERT_TRUE(CRegistry::SetNumber(kProductKey, u"N", 1));
  CRegistry::SetRootKey(RegistryRoot::CurrentUser, u"Zelkor\\Other");  // stays inside what the test cleans
  EXPECT_EQ(CRegistry::GetNumber(kProductKey, u"N", 0), 0);
  EXPECT_TRUE(hive.KeyExists(u"Zelkor\\Other\\Vellumark"));
}

// Passes every call through to the test's hive and counts the keys open at any time.
class CountingHive final : public RegistryHive {
 public:
  explicit CountingHive(RegistryHive& inner) : inner_(inner) {}
  std::unique_ptr<RegistryKey> OpenRoot(RegistryRoot root) override { return Wrap(inner_.OpenRoot(root)); }
  int open = 0;
  int mostOpen = 0;

 private:
  class Key final : public RegistryKey {
   public:
    Key(CountingHive& hive, std::unique_ptr<RegistryKey> inner) : hive_(hive), inner_(std::move(inner)) {
      hive_.mostOpen = std::max(hive_.mostOpen, ++hive_.open);
    }
    ~Key() override { --hive_.open; }
    std::unique_ptr<RegistryKey> OpenSubKey(std::u16string_view path, bool create, long* status) override {
      return hive_.Wrap(inner_->OpenSubKey(path, create, status));
    }
    long QueryValue(std::u16string_view name, RegType* type, uint8_t* data, uint32_t* size) override {
      return inner_->QueryValue(name, type, data, size);
    }
    long SetValue(std::u16string_view name, RegType type, const uint8_t* data, uint32_t size) override {
      return inner_->SetValue(name, type, data, size);
    }
    long DeleteValue(std::u16string_view name) override { return inner_->DeleteValue(name); }
    long DeleteTree(std::u16string_view path) override { return inner_->DeleteTree(path); }

   private:
    CountingHive& hive_;
    std::unique_ptr<RegistryKey> inner_;
  };
  std::unique_ptr<RegistryKey> Wrap(std::unique_ptr<RegistryKey> key) {
    return key ? std::make_unique<Key>(*this, std::move(key)) : nullptr;
  }
  RegistryHive& inner_;
};

// Each call opens its keys afresh and closes every one before it returns; no more than the
// root, "software" and the company key (or the company key and the sub-key) are open at once.
TEST(Registry, ClosesEveryKeyItOpens) {
  TestHive hive;
  CountingHive counting(hive.Hive());
  CRegistry::SetHive(&counting);
  CRegistry::SetNumber(kCurrentOptionsKey, u"N", 1);
  EXPECT_EQ(counting.open, 0);
  CRegistry::GetNumber(kCurrentOptionsKey, u"N", 0);
  CRegistry::GetText(kProductKey, u"T", u"");
  CRegistry::SetText(u"", u"T", u"x");
  CRegistry::GetNumber(kProductKey, u"Missing", 0);
  EXPECT_EQ(counting.open, 0);
  EXPECT_LE(counting.mostOpen, 3);
  CRegistry::SetHive(&hive.Hive());
}

TEST(Registry, ChoosesTheOptionKey) {
  struct Case {
    int32_t funcState, useGlobal;
    const char16_t* importKey;
    const char16_t* sheetKey;
  } cases[] = {
      {0, 0, kProductKey, kProductKey},        {0, 1, kProductKey, kProductKey},
      {1, 0, kCurrentOptionsKey, kCurrentOptionsKey}, {1, 1, kProductKey, kProductKey},
      {1, -1, kProductKey, kProductKey},      {2, 0, kCurrentOptionsKey, kProductKey},
      {2, 1, kCurrentOptionsKey, kProductKey}, {3, 0, kProductKey, kProductKey},
      {-1, 0, kProductKey, kProductKey},
  };
  TestHive hive;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "FuncState " << c.funcState << " UseGlobalOption " << c.useGlobal);
    EXPECT_EQ(ImportOptionKey(c.funcState, c.useGlobal), c.importKey);
    // The sheet rule reads UseGlobalOption afresh from the product key.
    hive.WriteNumber(kProductPath, u"UseGlobalOption", c.useGlobal);
    EXPECT_EQ(SheetOptionKey(c.funcState), c.sheetKey);
  }
  // An unreadable UseGlobalOption counts as 0.
  hive.Write(kProductPath, u"UseGlobalOption", RegType::Qword, Bytes({1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(SheetOptionKey(1), kCurrentOptionsKey);
}

}  // namespace
}  // namespace vk

#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/registry.h"

namespace vk::test {

// A stored registry value as the hive hands it back.
struct StoredValue {
  RegType type = RegType::None;
  std::vector<uint8_t> data;
};

// Installs a fresh settings hive for one test and sets the product's root and company, as every
// entry point does. Natively the hive lives in memory; in the Windows build it is the real
// registry of the Wine prefix, with HKCU\software\Zelkor deleted before and after the test and
// a named mutex held meanwhile so test processes running side by side do not see each other.
// On destruction CRegistry is left with no hive and no company.
class TestHive {
 public:
  TestHive();
  ~TestHive();
  TestHive(const TestHive&) = delete;
  TestHive& operator=(const TestHive&) = delete;

  RegistryHive& Hive() { return *hive_; }
  // True when the hive is the platform's registry.
  static bool IsPlatformRegistry();

  // Direct access below HKCU\software, never creating anything: checks look at what CRegistry
  // left behind, set-ups store values of any type.
  bool KeyExists(std::u16string_view path);
  std::optional<StoredValue> Read(std::u16string_view path, std::u16string_view name);
  void Write(std::u16string_view path, std::u16string_view name, RegType type, const std::vector<uint8_t>& data);
  void WriteNumber(std::u16string_view path, std::u16string_view name, int32_t value);
  void WriteText(std::u16string_view path, std::u16string_view name, std::u16string_view text);
  // A stored REG_DWORD / REG_SZ as its number / text; nothing when missing or of another type.
  std::optional<int32_t> ReadNumber(std::u16string_view path, std::u16string_view name);
  std::optional<std::u16string> ReadText(std::u16string_view path, std::u16string_view name);

 private:
  std::unique_ptr<RegistryKey> OpenBelowSoftware(std::u16string_view path, bool create);
  void DeleteCompany();

  std::unique_ptr<RegistryHive> hive_;
  struct Lock;
  std::unique_ptr<Lock> lock_;
};

// The product key paths below HKCU\software, for checks.
inline constexpr char16_t kProductPath[] = u"Zelkor\\Vellumark";
inline constexpr char16_t kCurrentOptionsPath[] = u"Zelkor\\Vellumark\\CurrentOptions";

}  // namespace vk::test

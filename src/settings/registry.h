#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/registry_hive.h"

namespace vk {

inline constexpr char16_t kCompanyName[] = u"Zelkor";
inline constexpr char16_t kProductKey[] = u"Vellumark";
inline constexpr char16_t kCurrentOptionsKey[] = u"Vellumark\\CurrentOptions";

// The only path to the settings: named values below HKEY_CURRENT_USER\software\<company>.
// Class-wide root and company, every key opened afresh per call (see the .cpp for the quirks
// that the CAD side and stored profiles rely on).
class CRegistry {
 public:
  // Which registry the class talks to: the Win32 hive in the product, a memory hive in tests.
  static void SetHive(RegistryHive* hive);
  static RegistryHive* Hive();

  static void SetRootKey(RegistryRoot root, std::u16string_view company);

  static int32_t GetNumber(std::u16string_view subKey, std::u16string_view name, int32_t defaultValue);
  static std::u16string GetText(std::u16string_view subKey, std::u16string_view name, std::u16string_view defaultValue);
  static bool SetNumber(std::u16string_view subKey, std::u16string_view name, int32_t value);
  static bool SetText(std::u16string_view subKey, std::u16string_view name, std::u16string_view text);
};

// The option key an import reads: CurrentOptions when (FuncState 1 and UseGlobalOption 0) or
// FuncState 2, otherwise the product key.
std::u16string ImportOptionKey(int32_t funcState, int32_t useGlobalOption);
// The option key the Options sheet and its dialogs edit, for the FuncState handed to them;
// reads UseGlobalOption afresh.
std::u16string SheetOptionKey(int32_t funcState);

}  // namespace vk

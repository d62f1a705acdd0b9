#pragma once
#include <windows.h>

#include <string>

namespace vk {

inline constexpr LANGID kLangEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);  // 1033
inline constexpr LANGID kLangJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);   // 1041

// The module whose dialog templates, strings and file name the product uses: the add-in DLL
// (set from DllMain at start-up) or, until something is set, the executable (the tests).
class ResourceModule {
 public:
  static HMODULE Get();
  static void Set(HMODULE module);

  // The templates' language for the calling thread: Japanese for a Japanese thread locale,
  // English otherwise.
  static LANGID ThreadLanguage();

  // Resources by explicit language (0: ThreadLanguage), falling back on English and then on
  // whatever the loader finds. Windows and Wine choose the language of an implicit look-up by
  // different rules (thread UI language vs. thread locale); asking explicitly behaves the same
  // on both and lets a test open either language.
  static const DLGTEMPLATE* DialogTemplate(const wchar_t* name, LANGID language);
  // Empty when the string does not exist.
  static std::u16string String(UINT id, LANGID language);
  // A menu the caller destroys; null when it does not exist.
  static HMENU Menu(UINT id, LANGID language);
};

// The module's full file name, however long; empty when the system cannot name it.
std::wstring ModuleFilePath(HMODULE module);
// The module's file name without folder and extension: "Vellumark" for the add-in DLL.
std::u16string ModuleBaseName(HMODULE module);

}  // namespace vk

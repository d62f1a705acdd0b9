#pragma once
#include <windows.h>

#include <span>
#include <string>

namespace vk {

// One line of a registration table: a key, optionally a value in it.
struct RegEntry {
  enum Kind {
    Key,          // the key, with its default value when text is given
    ReplacedKey,  // as Key, but anything already there is deleted first (replaced whole)
    SharedKey,    // created when missing; never removed (keys other software uses)
    TextValue,    // named string value in the key
    NumberValue,  // named DWORD value in the key
  };
  Kind kind;
  HKEY root;
  const wchar_t* key;    // path below the root
  const wchar_t* name;   // value name (TextValue, NumberValue)
  const wchar_t* text;   // default value (Key kinds; null for none) or the string value
  DWORD number;          // NumberValue
};

// Writes and removes the registry entries of a table. "%MODULE%" in a text stands for the
// module's full path.
class CRegistrar {
 public:
  explicit CRegistrar(std::wstring modulePath) : modulePath_(std::move(modulePath)) {}

  // Writes every entry in order; the first failure ends it and is returned.
  HRESULT Register(std::span<const RegEntry> entries) const;
  // Deletes, with everything below them, the keys that registration created and that are not
  // shared; values of shared keys are deleted one by one. Missing keys are no failure.
  HRESULT Unregister(std::span<const RegEntry> entries) const;

 private:
  std::wstring Expand(const wchar_t* text) const;
  std::wstring modulePath_;
};

}  // namespace vk

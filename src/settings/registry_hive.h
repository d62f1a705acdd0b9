#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vk {

// The predefined roots the product touches.
enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// Value types, same numbers as the platform's REG_* constants.
enum class RegType : uint32_t { None = 0, Sz = 1, ExpandSz = 2, Binary = 3, Dword = 4, MultiSz = 7, Qword = 11 };

// Status codes, same numbers as the platform's ERROR_* values.
inline constexpr long kRegOk = 0;
inline constexpr long kRegNotFound = 2;
inline constexpr long kRegAccessDenied = 5;
inline constexpr long kRegMoreData = 234;

// An open key. Mirrors the Reg* calls closely so that CRegistry's quirks (what a short buffer
// or a wrongly typed value does) come out the same on every implementation.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // Opens (create = false) or creates/opens (create = true) a sub-key; the path may hold
  // several levels separated by backslashes; missing intermediate keys are created.
  virtual std::unique_ptr<RegistryKey> OpenSubKey(std::u16string_view path, bool create, long* status = nullptr) = 0;
  // RegQueryValueExW: with data null only the type and size are returned; with a buffer smaller
  // than the value kRegMoreData and *size set to the size needed.
  virtual long QueryValue(std::u16string_view name, RegType* type, uint8_t* data, uint32_t* size) = 0;
  virtual long SetValue(std::u16string_view name, RegType type, const uint8_t* data, uint32_t size) = 0;
  virtual long DeleteValue(std::u16string_view name) = 0;
  // Deletes a sub-key with everything below it.
  virtual long DeleteTree(std::u16string_view path) = 0;
};

// A registry: the real one (Win32) or one in memory (tests, native builds).
class RegistryHive {
 public:
  virtual ~RegistryHive() = default;
  virtual std::unique_ptr<RegistryKey> OpenRoot(RegistryRoot root) = 0;
};

}  // namespace vk

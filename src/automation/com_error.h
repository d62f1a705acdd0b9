#pragma once
#include <cstdint>
#include <exception>
#include <string>

namespace vk {

// HRESULTs the code names; values as in winerror.h.
inline constexpr int32_t kSOk = 0;
inline constexpr int32_t kSFalse = 1;
inline constexpr int32_t kENotImpl = static_cast<int32_t>(0x80004001);
inline constexpr int32_t kENoInterface = static_cast<int32_t>(0x80004002);
inline constexpr int32_t kEPointer = static_cast<int32_t>(0x80004003);
inline constexpr int32_t kEFail = static_cast<int32_t>(0x80004005);
inline constexpr int32_t kEOutOfMemory = static_cast<int32_t>(0x8007000E);
inline constexpr int32_t kEInvalidArg = static_cast<int32_t>(0x80070057);
inline constexpr int32_t kDispEUnknownName = static_cast<int32_t>(0x80020006);
inline constexpr int32_t kDispEException = static_cast<int32_t>(0x80020009);
inline constexpr int32_t kDispEOverflow = static_cast<int32_t>(0x8002000A);
inline constexpr int32_t kDispETypeMismatch = static_cast<int32_t>(0x80020005);
inline constexpr int32_t kDispEParamNotFound = static_cast<int32_t>(0x80020004);
inline constexpr int32_t kDispEBadParamCount = static_cast<int32_t>(0x8002000E);
inline constexpr int32_t kDispEMemberNotFound = static_cast<int32_t>(0x80020003);
// Excel refuses automation while it is busy (a cell being edited, a modal dialog open).
inline constexpr int32_t kExcelBusy = static_cast<int32_t>(0x800AC472);

// A failed automation call: the HRESULT and the system's message text for it.
class ComError : public std::exception {
 public:
  // An empty message is replaced by the system's text for the HRESULT.
  explicit ComError(int32_t hr, std::u16string message = {});

  int32_t Error() const noexcept { return hr_; }
  // The system's text without its trailing line break, or "Unknown error 0x%08X".
  const std::u16string& ErrorMessage() const noexcept { return message_; }
  const char* what() const noexcept override { return "automation call failed"; }

  // English system text of the codes this product meets, for errors raised by portable code
  // (the stand-ins); the Windows bridge passes the platform's own text instead.
  static std::u16string SystemMessage(int32_t hr);

 private:
  int32_t hr_;
  std::u16string message_;
};

}  // namespace vk

#pragma once
#include <cstdint>
#include <string>

namespace vk {

// Message box styles and answers, same numbers as the platform's MB_* and ID* values.
inline constexpr uint32_t kMbOk = 0x0;
inline constexpr uint32_t kMbOkCancel = 0x1;
inline constexpr uint32_t kMbYesNoCancel = 0x3;
inline constexpr uint32_t kMbYesNo = 0x4;
inline constexpr uint32_t kMbIconError = 0x10;
inline constexpr uint32_t kMbIconQuestion = 0x20;
inline constexpr uint32_t kMbIconWarning = 0x30;
inline constexpr uint32_t kMbIconInformation = 0x40;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Modal messages to the user. The Win32 one is MessageBoxW; tests install one that records
// every message and answers it.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  virtual int Show(const std::u16string& text, const std::u16string& caption, uint32_t style) = 0;

  // The process-wide instance every caller uses.
  static UserMessages& Current();
  // A stand-in for a while; null goes back to the installed one.
  static void SetCurrent(UserMessages* messages);
  // The platform's own, installed once when the module starts.
  static void Install(UserMessages* messages);
};

// The caption of the product's messages: the add-in module's file name without extension.
std::u16string MessageCaption();
void SetMessageCaption(std::u16string caption);
// The module's own name, which an empty SetMessageCaption comes back to; set at start-up.
void SetModuleCaption(std::u16string caption);

// An OK message with the warning icon, captioned with the module name.
int ShowWarning(const std::u16string& text);
// A Yes/No question with the question icon; returns kIdYes or kIdNo.
int AskYesNo(const std::u16string& text);

}  // namespace vk

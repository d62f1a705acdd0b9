#pragma once
#include <string>

namespace vk {

// Opens a document with the shell's "open" verb (the Help command's help file). Tests install
// one that records the path instead of starting a viewer.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  virtual void Open(const std::wstring& path) = 0;

  static DocumentOpener& Current();
  static void SetCurrent(DocumentOpener* opener);  // null restores ShellExecuteW
};

}  // namespace vk

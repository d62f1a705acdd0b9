#include "addin/document_opener.h"

#include <windows.h>
#include <shellapi.h>

namespace vk {

namespace {

class ShellOpener final : public DocumentOpener {
 public:
  // The shell reports a missing file itself; its result is of no use to the caller.
  void Open(const std::wstring& path) override {
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
};

ShellOpener g_shell;
DocumentOpener* g_current = nullptr;

}  // namespace

DocumentOpener& DocumentOpener::Current() { return g_current ? *g_current : g_shell; }

void DocumentOpener::SetCurrent(DocumentOpener* opener) { g_current = opener; }

}  // namespace vk

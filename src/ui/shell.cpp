#include "ui/shell.h"

#include "text/path_text.h"
#include "ui/platform_defaults.h"

namespace vk {

namespace {
Shell* g_shell = nullptr;
Shell* g_shellInstalled = nullptr;
}  // namespace

Shell& Shell::Current() {
  if (g_shell) return *g_shell;
  return g_shellInstalled ? *g_shellInstalled : platform::DefaultShell();
}
void Shell::SetCurrent(Shell* shell) { g_shell = shell; }
void Shell::Install(Shell* shell) { g_shellInstalled = shell; }

std::u16string DocumentsFolder() {
  std::optional<std::u16string> folder = Shell::Current().PersonalFolder();
  if (!folder) return u".\\";
  AddTrailingBackslash(*folder);
  return *folder;
}

}  // namespace vk

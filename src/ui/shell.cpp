#include "ui/shell.h"

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

}  // namespace vk

#include "ui/shell.h"

#include "ui/platform_defaults.h"

namespace vk {

namespace {
Shell* g_shell = nullptr;
}  // namespace

Shell& Shell::Current() { return g_shell ? *g_shell : platform::DefaultShell(); }
void Shell::SetCurrent(Shell* shell) { g_shell = shell; }

}  // namespace vk

#pragma once
#include <windows.h>

namespace vk {

// Puts the Win32 pieces behind the process-wide holders for a module: its resources, its name
// as the messages' caption, message boxes, progress windows, the shell and the clipboard. Called once when the
// module starts (the add-in DLL, or a test program for itself).
void InstallWin32Services(HMODULE module);

}  // namespace vk

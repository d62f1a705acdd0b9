#pragma once
#include <string>

#include "ui/progress_window.h"
#include "ui/shell.h"
#include "ui/user_messages.h"

// What the process-wide holders hand out while nothing has been installed: the Win32 pieces in
// the Windows build (ui/win32/win32_defaults.cpp), quiet host stand-ins natively
// (ui/native_defaults.cpp).
namespace vk::platform {

UserMessages& DefaultUserMessages();
ProgressFactory& DefaultProgressFactory();
Shell& DefaultShell();
// The module's file name without extension (the add-in DLL in the product).
std::u16string ModuleCaption();

}  // namespace vk::platform

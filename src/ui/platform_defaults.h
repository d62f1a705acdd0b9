#pragma once
#include "ui/clipboard.h"
#include "ui/progress_window.h"
#include "ui/shell.h"
#include "ui/user_messages.h"

// What the process-wide holders hand out while nothing has been installed. The add-in installs
// the Win32 pieces when the module starts (ui/win32/win32_services.h); until then, and in the
// native programs, nobody is there to see a window, so messages and progress are silent. The
// shell is the host's file system natively and none at all in a Windows module that has not
// started. The clipboard is one held in memory natively and an empty one that refuses every put
// in a Windows module that has not started.
namespace vk::platform {

UserMessages& DefaultUserMessages();
ProgressFactory& DefaultProgressFactory();
Shell& DefaultShell();
Clipboard& DefaultClipboard();

}  // namespace vk::platform

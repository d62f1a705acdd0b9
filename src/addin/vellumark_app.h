#pragma once
#include <windows.h>

namespace vk {

// The module's application object: starts the COM server support when the module is loaded and
// ends it when it is unloaded. Its message caption is the module's file name without extension.
class CVellumarkApp {
 public:
  // Start-up: settings in the Windows registry with the thread's ANSI code page; the module's
  // own resources, caption, messages, progress windows and shell; the COM server support with
  // the add-in class and the type library.
  BOOL InitInstance();
  int ExitInstance();
};

extern CVellumarkApp theApp;

}  // namespace vk

#include "ui/win32/win32_services.h"

#include "ui/clipboard.h"
#include "ui/debug_output.h"
#include "ui/win32/progress_dialog.h"
#include "ui/win32/resource_module.h"
#include "ui/win32/win32_clipboard.h"
#include "ui/win32/win32_shell.h"
#include "ui/win32/win32_user_messages.h"

namespace vk {

void InstallWin32Services(HMODULE module) {
  static Win32UserMessages messages;
  static CProgressDialogFactory progress;
  static Win32Shell shell;
  static Win32Clipboard clipboard;
  ResourceModule::Set(module);
  SetModuleCaption(ModuleBaseName(module));
  UserMessages::Install(&messages);
  ProgressFactory::Install(&progress);
  Shell::Install(&shell);
  SetDebugOutputSink([](const std::u16string& text) {
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(text.c_str()));
  });
  Clipboard::Install(&clipboard);
}

}  // namespace vk

// The Win32 pieces behind the process-wide holders while nothing else has been installed.
#include <windows.h>

#include "import/win32/progress_dialog.h"
#include "ui/platform_defaults.h"
#include "ui/win32/resource_module.h"
#include "ui/win32/win32_shell.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_user_messages.h"

namespace vk::platform {

UserMessages& DefaultUserMessages() {
  static Win32UserMessages messages;
  return messages;
}

ProgressFactory& DefaultProgressFactory() {
  static CProgressDialogFactory factory;
  return factory;
}

Shell& DefaultShell() {
  static Win32Shell shell;
  return shell;
}

// The resource module's file name without folder and extension: "Vellumark" for the add-in DLL.
std::u16string ModuleCaption() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(ResourceModule::Get(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return u"Vellumark";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  size_t start = path.find_last_of(L"\\/");
  std::wstring name = start == std::wstring::npos ? path : path.substr(start + 1);
  size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return FromWide(std::wstring_view(name));
}

}  // namespace vk::platform

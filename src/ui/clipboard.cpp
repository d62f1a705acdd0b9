#include "ui/clipboard.h"

#include "ui/platform_defaults.h"

namespace vk {

namespace {
Clipboard* g_clipboard = nullptr;
Clipboard* g_clipboardInstalled = nullptr;
}  // namespace

Clipboard& Clipboard::Current() {
  if (g_clipboard) return *g_clipboard;
  return g_clipboardInstalled ? *g_clipboardInstalled : platform::DefaultClipboard();
}
void Clipboard::SetCurrent(Clipboard* clipboard) { g_clipboard = clipboard; }
void Clipboard::Install(Clipboard* clipboard) { g_clipboardInstalled = clipboard; }

}  // namespace vk

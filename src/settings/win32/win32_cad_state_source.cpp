#include "settings/win32/win32_cad_state_source.h"

#include <windows.h>

#include "automation/win32/win32_text.h"

namespace vk {

std::u16string CWin32CadStateSource::ReadText() {
  HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, W(m_name));
  if (!mapping) return {};
  std::u16string text;
  if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0)) {
    // The publisher is expected to end its text with a zero, but a block without one must not
    // make us read past the view: the scan stops at the end of the mapped region.
    MEMORY_BASIC_INFORMATION info{};
    const SIZE_T size = VirtualQuery(view, &info, sizeof info) ? info.RegionSize : 0;
    const auto* units = static_cast<const char16_t*>(view);
    const size_t count = size / sizeof(char16_t);
    size_t n = 0;
    while (n < count && units[n] != u'\0') ++n;
    text.assign(units, n);
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
  return text;
}

}  // namespace vk

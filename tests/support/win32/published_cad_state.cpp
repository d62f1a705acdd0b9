#include "win32/published_cad_state.h"

#include <cstring>

#include "automation/win32/win32_text.h"

namespace vk::test {

PublishedCadState::PublishedCadState(const std::u16string& name, const void* data, size_t size) {
  m_mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(size), W(name));
  if (m_mapping == nullptr) return;
  if (void* view = MapViewOfFile(m_mapping, FILE_MAP_WRITE, 0, 0, 0)) {
    std::memcpy(view, data, size);
    UnmapViewOfFile(view);
  }
}

PublishedCadState::~PublishedCadState() {
  if (m_mapping != nullptr) CloseHandle(m_mapping);
}

std::u16string UniqueCadStateName(const char* tag) {
  const std::string s = std::string("vk-cad-state-test-") + tag + "-" + std::to_string(GetCurrentProcessId());
  return std::u16string(s.begin(), s.end());
}

}  // namespace vk::test

#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace vk::test {

// Publishes bytes under a file mapping name the way the CAD side publishes its state block, for
// as long as the object lives.
class PublishedCadState {
 public:
  PublishedCadState(const std::u16string& name, const void* data, size_t size);
  // The text with its terminating zero.
  PublishedCadState(const std::u16string& name, const std::u16string& text)
      : PublishedCadState(name, text.c_str(), (text.size() + 1) * sizeof(char16_t)) {}
  ~PublishedCadState();
  PublishedCadState(const PublishedCadState&) = delete;
  PublishedCadState& operator=(const PublishedCadState&) = delete;
  bool Ok() const { return m_mapping != nullptr; }

 private:
  HANDLE m_mapping = nullptr;
};

// A mapping name of this process only, so that test programs running side by side and a real
// CAD side never meet.
std::u16string UniqueCadStateName(const char* tag);

}  // namespace vk::test

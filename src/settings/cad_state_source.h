#pragma once
#include <string>

namespace vk {

// The name of the shared memory in which the CAD-side module publishes its layers and palette.
inline constexpr char16_t kCadStateBlockName[] = u"44B6A251-3F73-4f4b-8A23-F17A5E2A3C5D";

// Where the CAD state block comes from: the named file mapping on Windows, a string in tests.
class CadStateSource {
 public:
  virtual ~CadStateSource() = default;
  // The block's UTF-16 text up to its first zero code unit; empty when nothing is published.
  virtual std::u16string ReadText() = 0;
};

// A block held in memory, as the native tests and tools publish it.
class CMemoryCadStateSource final : public CadStateSource {
 public:
  CMemoryCadStateSource() = default;
  explicit CMemoryCadStateSource(std::u16string text) : m_text(std::move(text)) {}
  void Publish(std::u16string text) { m_text = std::move(text); }
  std::u16string ReadText() override { return m_text.substr(0, m_text.find(u'\0')); }

 private:
  std::u16string m_text;
};

}  // namespace vk

#pragma once
#include "settings/cad_state_source.h"

namespace vk {

// The CAD state block as the CAD-side module publishes it: a named file mapping, opened read
// only, mapped, copied and closed again within one call.
class CWin32CadStateSource final : public CadStateSource {
 public:
  CWin32CadStateSource() = default;
  // Another mapping name, for tests that must not meet a running CAD side.
  explicit CWin32CadStateSource(std::u16string name) : m_name(std::move(name)) {}
  std::u16string ReadText() override;

 private:
  std::u16string m_name = kCadStateBlockName;
};

}  // namespace vk

#include "fake_args.h"

namespace vk::fake {

const Variant& FakeArgs::operator[](size_t index) const {
  static const Variant missing = Variant::Missing();
  return index < args_.size() ? args_[index] : missing;
}

}  // namespace vk::fake

#pragma once
#include <cstdint>
#include <span>

#include "automation/variant.h"

namespace vk::fake {

// The arguments of one call as a stand-in member reads them: an argument that was not passed and
// one passed as the missing-argument value are both "omitted", as Excel treats them.
class FakeArgs {
 public:
  FakeArgs(std::span<const Variant> args, uint32_t lcid) : args_(args), lcid_(lcid) {}

  size_t Count() const noexcept { return args_.size(); }
  bool Has(size_t index) const noexcept { return index < args_.size() && !args_[index].IsMissing(); }
  // The omitted value for an argument that was not passed.
  const Variant& operator[](size_t index) const;
  // A property put's new value: the last argument.
  const Variant& NewValue() const { return args_.back(); }
  uint32_t Lcid() const noexcept { return lcid_; }

 private:
  std::span<const Variant> args_;
  uint32_t lcid_;
};

}  // namespace vk::fake

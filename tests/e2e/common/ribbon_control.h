#pragma once
#include <string>

#include "automation/automation_object.h"

namespace vk::test {

// The IRibbonControl Office passes to an onAction callback: its Id, Tag and Context.
class RibbonControl final : public AutomationObject {
 public:
  explicit RibbonControl(std::u16string id) : id_(std::move(id)) {}
  Variant Invoke(std::u16string_view member, InvokeKind kind, std::span<const Variant> args, uint32_t lcid) override;
  ObjectPtr QueryInterface(const Guid& iid) override;

 private:
  std::u16string id_;
};

}  // namespace vk::test

#pragma once
#include "automation/win32/variant_bridge.h"

namespace vk {

// How values cross a DispatchServer: its own objects leave as new servers and come back as the
// objects they serve (so a stand-in Range handed back as an argument is the stand-in again);
// any other IDispatch is wrapped as the product wraps it.
class ServerBridge final : public VariantBridge {
 public:
  static const ServerBridge& Instance();

 protected:
  ObjectPtr ImportObject(IDispatch* dispatch) const override;
  IDispatch* ExportObject(const ObjectPtr& object) const override;
};

}  // namespace vk

#include "win32/server_bridge.h"

#include "automation/win32/dispatch_object.h"
#include "win32/dispatch_server.h"

namespace vk {

const ServerBridge& ServerBridge::Instance() {
  static const ServerBridge bridge;
  return bridge;
}

ObjectPtr ServerBridge::ImportObject(IDispatch* dispatch) const {
  ObjectPtr served = DispatchServer::ServedObject(dispatch);
  return served ? served : DispatchObject::Wrap(dispatch);
}

IDispatch* ServerBridge::ExportObject(const ObjectPtr& object) const {
  if (IDispatch* raw = DispatchObject::RawDispatch(object)) {
    raw->AddRef();
    return raw;
  }
  return DispatchServer::Serve(object);
}

}  // namespace vk

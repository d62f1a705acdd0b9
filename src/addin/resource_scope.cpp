#include "addin/resource_scope.h"

#include "addin/server_module.h"

namespace vk {

CResourceScope::CResourceScope() : previous_(ResourceModule::Get()) { ResourceModule::Set(CServerModule::Instance()); }

}  // namespace vk

#pragma once
#include <windows.h>

#include "ui/win32/resource_module.h"

namespace vk {

// Every entry point that Excel, Office or a window message calls runs with the add-in module as
// the place its dialog templates and strings come from, and restores the previous one after.
class CResourceScope {
 public:
  CResourceScope();
  ~CResourceScope() { ResourceModule::Set(previous_); }
  CResourceScope(const CResourceScope&) = delete;
  CResourceScope& operator=(const CResourceScope&) = delete;

 private:
  HMODULE previous_;
};

}  // namespace vk

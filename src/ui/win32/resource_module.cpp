#include "ui/win32/resource_module.h"

namespace vk {

namespace {
HMODULE g_module = nullptr;
}  // namespace

HMODULE ResourceModule::Get() { return g_module ? g_module : GetModuleHandleW(nullptr); }
void ResourceModule::Set(HMODULE module) { g_module = module; }

}  // namespace vk

#pragma once
#include <string>

namespace vk::test {

// The folder of the running program, with a trailing backslash: the build puts every program
// and the DLL there.
std::wstring ProgramFolder();

}  // namespace vk::test

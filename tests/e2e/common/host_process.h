#pragma once
#include <string>
#include <vector>

#include "win32/program_folder.h"

namespace vk::test {

// One run of the stand-in Office host (vk_office_host.exe beside the running program): its exit
// code and the lines it printed.
struct HostRun {
  int exitCode = -1;
  std::vector<std::string> lines;

  bool Has(const std::string& line) const;
  // The lines that start with prefix, in order.
  std::vector<std::string> Starting(const std::string& prefix) const;
};

HostRun RunHost(const std::wstring& arguments);

// A file name in the temporary folder that no other test process uses.
std::wstring TempFile(const std::wstring& stem);

}  // namespace vk::test

#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fake_excel.h"
#include "import/import_driver.h"
#include "memory_link.h"
#include "recording_messages.h"
#include "recording_progress.h"
#include "settings/option_table.h"
#include "test_hive.h"
#include "test_shell.h"

namespace vk::test {

struct Table {
  int rows;
  int columns;
  friend bool operator==(const Table&, const Table&) = default;
};

// One add-in's import state wired to the stand-ins: Excel, the receiver, the user, the registry
// (a fresh hive; the real registry under Wine). No documents folder unless a test installs one.
struct ImportRig {
  explicit ImportRig(const std::string& json = R"({"sheets":[{"name":"S","cells":{"B2":1}}]})");

  int Run(int selected) { return driver.RunImport(selected); }
  void SetOption(const NumberOption& option, int32_t value, std::u16string_view key = kProductKey);

  std::vector<Table> Tables() const;
  std::vector<int64_t> Ends() const;
  std::vector<std::u16string> Texts() const;

  TestHive hive;
  RecordingMessages messages;
  RecordingProgress progress;
  TestShell shell;
  MemoryLink link;
  std::shared_ptr<fake::FakeExcel> excel;
  CImportDriver driver;
};

}  // namespace vk::test

// import_demo <fixture.json>: a worksheet import (Finish) and a selection import (Range Import)
// of the fixture through the stand-in Excel, with a receiver in memory. Prints the message
// sequence: each table start with its size, the records, the end message and the result code.
#include <cstdio>
#include <exception>
#include <optional>

#include "fake_excel.h"
#include "import/import_driver.h"
#include "memory_link.h"
#include "recording_messages.h"
#include "recording_progress.h"
#include "settings/memory_registry_hive.h"
#include "settings/registry.h"
#include "test_shell.h"

namespace {

std::string Narrow(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

void PrintSequence(const vk::test::MemoryLink& link) {
  for (const auto& m : link.messages) {
    switch (m.kind) {
      case vk::kWmLinkTableStart:
        std::printf("  WM_LINK_TABLE_START  rows %lld, columns %lld\n", static_cast<long long>(m.wParam),
                    static_cast<long long>(m.lParam));
        break;
      case vk::kWmCopyData:
        std::printf("  WM_COPYDATA          %s record, cbData %u\n", m.cbData == 13320 ? "cell" : "shape", m.cbData);
        break;
      case vk::kWmLinkEnd:
        std::printf("  WM_LINK_END          reason %lld\n", static_cast<long long>(m.lParam));
        break;
      default:
        std::printf("  message 0x%x\n", m.kind);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: import_demo <workbook fixture .json>\n");
    return 2;
  }
  try {
    vk::MemoryRegistryHive hive;
    vk::CRegistry::SetHive(&hive);
    vk::test::RecordingMessages messages;
    vk::test::RecordingProgress progress;
    vk::test::TestShell shell(std::nullopt);
    auto excel = vk::fake::FakeExcel::FromFixture(argv[1]);

    struct Command {
      const char* name;
      int selected;
    };
    for (const Command command : {Command{"Finish (worksheet import)", 0}, Command{"Range Import (selection)", 1}}) {
      vk::test::MemoryLink link;
      vk::CImportDriver addin;
      addin.m_pExcel = excel->Application();
      addin.m_pLink = &link;
      messages.shown.clear();
      const int result = addin.RunImport(command.selected);
      std::printf("%s of %s:\n", command.name, argv[1]);
      PrintSequence(link);
      for (const auto& shown : messages.shown) std::printf("  message box: %s\n", Narrow(shown.text).c_str());
      std::printf("  result %d\n\n", result);
    }
    vk::CRegistry::SetHive(nullptr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "import_demo: %s\n", error.what());
    return 1;
  }
  return 0;
}

// import_demo <workbook fixture .json> [--options <values .json>] [--command worksheet|selection|both]
//             [--sheet <name>] [--memory]
//
// Runs imports of a workbook fixture natively, through the stand-in Excel and a receiver in
// memory, and prints one JSON object per line for everything the receiver and the user got:
// each table start, each record decoded field by field, each message box, each end message,
// and each command's result code. The format is described in tools/record_decoder/README.md.
// Each message is printed the moment the receiver gets it and nothing is kept, so a long
// import shows its progress and a run that is killed keeps what it had printed. Standard
// output carries the JSON lines alone: whatever the add-in itself prints (its diagnostic lines
// about pictures) goes to standard error.
//
// --sheet makes another sheet active first, by Worksheet.Activate, as the user would; a hidden
// sheet cannot be activated and ends the run with an error.
//
// --memory prints, on standard error, each import's time and the process's resident memory
// before it and at its peak during it (the stand-in's workbook is loaded before): what the
// import itself holds, which must not grow with the table.
//
// The options file sets registry values before the imports:
//   {"product": {"TableObjOpt": 1, "FuncState": 0}, "current": {"ImportObj": 15}}
// "product" values go under the product key (Zelkor\Vellumark), "current" ones under its
// CurrentOptions sub-key; numbers are stored as REG_DWORD, texts as REG_SZ.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include <unistd.h>

#include <nlohmann/json.hpp>

#include "automation/com_error.h"
#include "fake_excel.h"
#include "import/import_driver.h"
#include "memory_link.h"
#include "record_decoder.h"
#include "recording_messages.h"
#include "recording_progress.h"
#include "settings/memory_registry_hive.h"
#include "settings/registry.h"
#include "test_shell.h"
#include "utf_text.h"

namespace {

[[noreturn]] void Usage() {
  std::fprintf(stderr,
               "usage: import_demo <workbook fixture .json> [--options <values .json>] "
               "[--command worksheet|selection|both] [--sheet <name>] [--memory]\n");
  std::exit(2);
}

void LoadOptions(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open options file " + path);
  std::stringstream text;
  text << in.rdbuf();
  const nlohmann::json root = nlohmann::json::parse(text.str());
  if (!root.is_object()) throw std::runtime_error("options file: expected an object");
  for (const auto& [section, values] : root.items()) {
    std::u16string key;
    if (section == "product") key = vk::kProductKey;
    else if (section == "current") key = vk::kCurrentOptionsKey;
    else throw std::runtime_error("options file: unknown section \"" + section + "\" (product, current)");
    for (const auto& [name, value] : values.items()) {
      const std::u16string valueName = vk::fake::Utf16(name);
      if (value.is_number_integer()) vk::CRegistry::SetNumber(key, valueName, value.get<int32_t>());
      else if (value.is_string()) vk::CRegistry::SetText(key, valueName, vk::fake::Utf16(value.get<std::string>()));
      else throw std::runtime_error("options file: " + name + " must be an integer or a text");
    }
  }
}

// The JSON lines go to their own stream: standard output as it was at start, while the
// process's standard output is sent to standard error.
FILE* g_json = stdout;

void PrintLine(const std::string& line) {
  std::fputs(line.c_str(), g_json);
  std::fputc('\n', g_json);
  std::fflush(g_json);
}

void PrintMessage(const vk::test::LinkMessage& m) {
  switch (m.kind) {
    case vk::kWmLinkTableStart:
      PrintLine(vk::decoder::TableStartLine(static_cast<int64_t>(m.wParam), m.lParam));
      break;
    case vk::kWmCopyData:
      PrintLine(vk::decoder::RecordLine(m.bytes.data(), m.bytes.size()));
      break;
    case vk::kWmLinkEnd:
      PrintLine(vk::decoder::EndLine(m.lParam));
      break;
    default:
      break;
  }
}

// Standard output becomes standard error for everything but the JSON lines.
void SeparateJsonFromDiagnostics() {
  std::fflush(stdout);
  const int json = dup(STDOUT_FILENO);
  if (json < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) throw std::runtime_error("cannot separate the output streams");
  g_json = fdopen(json, "w");
  if (!g_json) throw std::runtime_error("cannot open the JSON output");
}

void ActivateSheet(vk::fake::FakeExcel& excel, const std::string& name) {
  const vk::ObjectPtr app = excel.Application();
  const vk::ObjectPtr book = app->Get(u"ActiveWorkbook").ObjectValue();
  if (!book) throw std::runtime_error("no workbook is open");
  try {
    book->Get(u"Worksheets", {vk::Variant::String(vk::fake::Utf16(name))}).ObjectValue()->Call(u"Activate");
  } catch (const vk::ComError&) {
    throw std::runtime_error("sheet \"" + name + "\" cannot be activated (missing or hidden)");
  }
}

}  // namespace

// A line of /proc/self/status in kB ("VmRSS", "VmHWM"); 0 where there is none.
long StatusKb(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(name + ":", 0) == 0) return std::strtol(line.c_str() + name.size() + 1, nullptr, 10);
  }
  return 0;
}

// Linux resets the peak resident size on "5" written to clear_refs.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

int main(int argc, char** argv) {
  if (argc < 2) Usage();
  std::string fixture = argv[1];
  std::optional<std::string> options;
  std::string command = "both";
  std::optional<std::string> sheet;
  bool memory = false;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--options" && i + 1 < argc) options = argv[++i];
    else if (arg == "--command" && i + 1 < argc) command = argv[++i];
    else if (arg == "--sheet" && i + 1 < argc) sheet = argv[++i];
    else if (arg == "--memory") memory = true;
    else Usage();
  }
  if (command != "worksheet" && command != "selection" && command != "both") Usage();
  try {
    SeparateJsonFromDiagnostics();
    vk::MemoryRegistryHive hive;
    vk::CRegistry::SetHive(&hive);
    vk::CRegistry::SetRootKey(vk::RegistryRoot::CurrentUser, vk::kCompanyName);
    if (options) LoadOptions(*options);
    vk::test::RecordingMessages messages;
    vk::test::RecordingProgress progress;
    progress.keepEvents = false;  // nothing here reads them
    vk::test::TestShell shell(std::nullopt);
    auto excel = vk::fake::FakeExcel::FromFixture(fixture);
    // Nothing here reads the stand-in's log of calls, which would grow with the table.
    excel->SetRecording(false);
    if (sheet) ActivateSheet(*excel, *sheet);

    struct Command {
      const char* name;
      int selected;
    };
    for (const Command c : {Command{"worksheet", 0}, Command{"selection", 1}}) {
      if (command != "both" && command != c.name) continue;
      vk::test::MemoryLink link;
      link.onMessage = PrintMessage;
      link.keepMessages = false;
      vk::CImportDriver addin;
      addin.m_pExcel = excel->Application();
      addin.m_pLink = &link;
      // As the connection reads Application.Version.
      addin.m_nExcelVersion =
          static_cast<int32_t>(std::strtod(vk::fake::Utf8(excel->Book().version).c_str(), nullptr));
      messages.shown.clear();
      const long before = memory ? StatusKb("VmRSS") : 0;
      if (memory) ResetPeakMemory();
      const auto start = std::chrono::steady_clock::now();
      const int result = addin.RunImport(c.selected);
      if (memory) {
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const long peak = StatusKb("VmHWM");
        std::fprintf(stderr, "import_demo: %s: %.1f ms; resident %ld kB before, peak %ld kB during (+%ld kB)\n", c.name,
                     ms, before, peak, peak - before);
      }
      for (const auto& shown : messages.shown) PrintLine(vk::decoder::MessageLine(shown.text, shown.caption));
      PrintLine(vk::decoder::ResultLine(c.name, result));
    }
    vk::CRegistry::SetHive(nullptr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "import_demo: %s\n", error.what());
    return 1;
  }
  return 0;
}

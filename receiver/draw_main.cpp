// The receiver's drawing, natively: replays what a receiver got and writes each import's drawing.
//
//   vk_draw <messages> --out <folder> [--options <values .json>] [--png] [--svg]
//           [--template <layers .dxf>] [--name <base>]
//
// <messages> is the runner's JSON lines (tools/record_decoder/README.md) or a receiver log (the
// stand-in receiver's binary log, told apart by its "VKRL" start). Each end of an import
// (reason 1) writes <folder>/<base>-<n>.dxf (and .png, .svg), n counting on from the files
// already there. The options file is the runner's: {"product": {...}, "current": {...}}.
// Every skipped message gets a line on standard error; the exit code is 1 only when a file could
// not be written or an argument is wrong.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "drawing_builder.h"
#include "drawing_files.h"
#include "dxf_writer.h"
#include "link/link_channel.h"
#include "message_source.h"
#include "receiver_log.h"
#include "settings/memory_registry_hive.h"
#include "settings/registry.h"
#include "text/utf8_text.h"

namespace {

int Usage() {
  std::fputs("usage: vk_draw <messages .jsonl | receiver log> --out <folder> [--options <values .json>] [--png] [--svg] "
             "[--template <layers .dxf>] [--name <base>]\n",
             stderr);
  return 2;
}

bool LoadOptions(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const nlohmann::json root = nlohmann::json::parse(text.str(), nullptr, false);
  if (!in || !root.is_object()) return false;
  for (const auto& [section, values] : root.items()) {
    const std::u16string key = section == "current" ? vk::kCurrentOptionsKey : vk::kProductKey;
    if (!values.is_object()) return false;
    for (const auto& [name, value] : values.items()) {
      if (value.is_number_integer()) vk::CRegistry::SetNumber(key, vk::FromUtf8(name), value.get<int32_t>());
      else if (value.is_string()) vk::CRegistry::SetText(key, vk::FromUtf8(name), vk::FromUtf8(value.get<std::string>()));
      else return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string input, out, options, templateDxf, base = "import";
  bool png = false, svg = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--out" && i + 1 < argc) out = argv[++i];
    else if (arg == "--options" && i + 1 < argc) options = argv[++i];
    else if (arg == "--template" && i + 1 < argc) templateDxf = argv[++i];
    else if (arg == "--name" && i + 1 < argc) base = argv[++i];
    else if (arg == "--png") png = true;
    else if (arg == "--svg") svg = true;
    else if (input.empty() && arg.rfind("--", 0) != 0) input = arg;
    else return Usage();
  }
  if (input.empty() || out.empty()) return Usage();

  vk::MemoryRegistryHive hive;
  vk::CRegistry::SetHive(&hive);
  vk::CRegistry::SetRootKey(vk::RegistryRoot::CurrentUser, vk::kCompanyName);
  if (!options.empty() && !LoadOptions(options)) {
    std::fprintf(stderr, "options file %s: expected {\"product\": {...}, \"current\": {...}} of integers and texts\n",
                 options.c_str());
    return 2;
  }
  vk::draw::DrawingOptions drawingOptions = vk::draw::ReadDrawingOptions();
  // Relative picture references are relative to the folder the drawings go to.
  if (drawingOptions.drawingFolder.empty()) drawingOptions.drawingFolder = vk::FromUtf8(out);
  std::vector<std::string> layers;
  if (!templateDxf.empty()) layers = vk::draw::ReadDxfLayers(templateDxf);

  auto log = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  vk::draw::DrawingBuilder builder(drawingOptions, log);
  bool ok = true;
  auto handle = [&](const vk::draw::LinkMessage& m) {
    switch (m.kind) {
      case vk::draw::LinkMessage::Kind::TableStart: builder.TableStart(m.wParam, m.lParam); break;
      case vk::draw::LinkMessage::Kind::Record: builder.Record(m.data.data(), m.data.size()); break;
      case vk::draw::LinkMessage::Kind::End: {
        if (m.lParam != 1) break;
        const vk::draw::Drawing drawing = builder.End(1);
        std::string report;
        ok = vk::draw::WriteDrawingFiles(drawing, vk::draw::NextDrawingPath(out, base), png, svg, layers, &report) && ok;
        std::fputs(report.c_str(), stdout);
        break;
      }
    }
  };

  std::ifstream in(input, std::ios::binary);
  char magic[4] = {};
  if (!in || !in.read(magic, 4)) {
    std::fprintf(stderr, "cannot read %s\n", input.c_str());
    return 2;
  }
  if (std::string(magic, 4) == "VKRL") {
    const auto entries = vk::test::ReadReceiverLog(vk::FromUtf8(input));
    if (!entries) {
      std::fprintf(stderr, "%s is not a receiver log\n", input.c_str());
      return 2;
    }
    for (const vk::test::ReceiverEntry& e : *entries) {
      if (e.direction != 0) continue;
      vk::draw::LinkMessage m;
      if (e.message == vk::kWmLinkTableStart) {
        m.kind = vk::draw::LinkMessage::Kind::TableStart;
        m.wParam = static_cast<int64_t>(e.wParam);
        m.lParam = e.lParam;
      } else if (e.message == vk::kWmLinkEnd) {
        m.kind = vk::draw::LinkMessage::Kind::End;
        m.lParam = e.lParam;
      } else if (e.message == 0x004A) {
        m.data = e.bytes;
        m.data.resize(e.cbData);
      } else {
        continue;
      }
      handle(m);
    }
  } else {
    in.seekg(0);
    vk::draw::ReadJsonLines(in, handle, log);
  }
  vk::CRegistry::SetHive(nullptr);
  return ok ? 0 : 1;
}

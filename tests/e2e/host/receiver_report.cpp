// vk_receiver_report <receiver log> <records file>: what the stand-in receiver got, told
// cell by cell (each table with its size, one readable line per record, the end messages) and,
// in the records file, every record it got: its kind, size and the bytes that are not zero.
#include <cstdio>
#include <string>
#include <vector>

#include "link/cell_record.h"
#include "link/link_channel.h"
#include "link/shape_record.h"
#include "receiver_log.h"
#include "record_decoder.h"

namespace {

const char* Kind(uint32_t size) {
  return size == static_cast<uint32_t>(vk::kCellRecordSize) ? "cell" : size == static_cast<uint32_t>(vk::kShapeRecordSize) ? "shape" : "unknown";
}

void WriteRecord(std::FILE* out, size_t index, const vk::test::ReceiverEntry& e) {
  std::fprintf(out, "record %zu: %s record, cbData %u, dwData %llu\n", index, Kind(e.cbData), e.cbData,
               static_cast<unsigned long long>(e.dwData));
  // Records are mostly zero (fixed-size text fields): only 16-byte lines holding data are shown.
  for (size_t at = 0; at < e.bytes.size(); at += 16) {
    bool any = false;
    for (size_t i = at; i < at + 16 && i < e.bytes.size(); ++i) any = any || e.bytes[i] != 0;
    if (!any) continue;
    std::fprintf(out, "  %05zx ", at);
    for (size_t i = at; i < at + 16; ++i) {
      if (i < e.bytes.size()) std::fprintf(out, " %02x", e.bytes[i]);
      else std::fprintf(out, "   ");
    }
    std::fprintf(out, "  ");
    for (size_t i = at; i < at + 16 && i < e.bytes.size(); ++i)
      std::fputc(e.bytes[i] >= 0x20 && e.bytes[i] < 0x7f ? e.bytes[i] : '.', out);
    std::fputc('\n', out);
  }
  std::fputc('\n', out);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vk_receiver_report <receiver log> <records file>\n");
    return 2;
  }
  auto entries = vk::test::ReadReceiverLog(std::u16string(argv[1], argv[1] + std::char_traits<wchar_t>::length(argv[1])));
  if (!entries) {
    std::fprintf(stderr, "not a receiver log: %ls\n", argv[1]);
    return 1;
  }
  std::FILE* out = _wfopen(argv[2], L"wb");
  if (!out) {
    std::fprintf(stderr, "cannot write %ls\n", argv[2]);
    return 1;
  }
  size_t cells = 0, shapes = 0, records = 0, tables = 0;
  auto flushTable = [&] {
    if (tables > 0) std::printf("    %zu cell records, %zu shape records\n", cells, shapes);
    cells = shapes = 0;
  };
  for (const auto& e : *entries) {
    if (e.direction == 1) {
      std::printf("  CAD side asked for an import (lParam %lld): answer %lld\n", static_cast<long long>(e.lParam),
                  static_cast<long long>(e.result));
      continue;
    }
    switch (e.message) {
      case vk::kWmLinkTableStart:
        flushTable();
        ++tables;
        std::printf("  table %zu: %lld rows x %lld columns\n", tables, static_cast<long long>(e.wParam),
                    static_cast<long long>(e.lParam));
        break;
      case vk::kWmCopyData:
        (e.cbData == static_cast<uint32_t>(vk::kShapeRecordSize) ? shapes : cells)++;
        WriteRecord(out, ++records, e);
        std::printf("    %s\n", vk::decoder::DescribeRecord(e.bytes.data(), e.bytes.size()).c_str());
        break;
      case vk::kWmLinkEnd:
        flushTable();
        tables = 0;
        std::printf("  WM_LINK_END %lld (%s)\n", static_cast<long long>(e.lParam),
                    e.lParam == vk::kLinkEndImported ? "import ended" :
                    e.lParam == vk::kLinkEndDisconnecting ? "add-in disconnecting" : "?");
        break;
      default:
        std::printf("  message 0x%x\n", e.message);
    }
  }
  flushTable();
  std::fclose(out);
  std::printf("  %zu records in all, written to %ls\n", records, argv[2]);
  return 0;
}

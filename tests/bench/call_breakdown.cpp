// Which Excel members the calls per cell are: imports the benchmarks' tables (bench_books.h)
// through the stand-in Excel and prints, as a Markdown table, each member's calls per cell (per
// shape for the shapes sheet). docs/calls-per-cell.md is its output.
//
//   vk_call_breakdown
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bench_books.h"
#include "import_rig.h"

namespace {

struct Book {
  const char* name;
  std::string json;
  double items;
};

}  // namespace

int main() {
  using namespace vk::bench;
  const std::vector<Book> books = {{"plain", PlainTable(), kCells},
                                   {"rich text", RichTextTable(), kCells},
                                   {"two conditions", TwoConditionsTable(), kCells},
                                   {"checkerboard", CheckerboardTable(), kCells},
                                   {"shapes (per shape)", ShapesSheet(), kShapes}};
  std::vector<std::map<std::string, size_t>> counts;
  std::vector<size_t> totals;
  std::set<std::string> members;
  for (const Book& book : books) {
    vk::test::ImportRig rig(book.json);
    rig.excel->SetRecording(false);
    if (rig.Run(0) != 0) {
      std::fprintf(stderr, "the import of the %s table failed\n", book.name);
      return 1;
    }
    counts.push_back(rig.excel->CallCounts());
    totals.push_back(rig.excel->CallCount());
    for (const auto& [member, count] : counts.back()) members.insert(member);
  }

  std::printf("| member |");
  for (const Book& book : books) std::printf(" %s |", book.name);
  std::printf("\n|---|");
  for (size_t i = 0; i < books.size(); ++i) std::printf("---:|");
  std::printf("\n");
  // Members asked for fewer than once in a hundred items are the import's own (the workbook, the
  // sheet, the area's shared facts, a row's values): they show together.
  std::vector<double> perImport(books.size(), 0);
  for (const std::string& member : members) {
    std::vector<double> per(books.size(), 0);
    bool shown = false;
    for (size_t i = 0; i < books.size(); ++i) {
      const auto it = counts[i].find(member);
      per[i] = it == counts[i].end() ? 0 : static_cast<double>(it->second) / books[i].items;
      if (per[i] >= 0.01) shown = true;
    }
    if (!shown) {
      for (size_t i = 0; i < books.size(); ++i) perImport[i] += per[i];
      continue;
    }
    std::printf("| %s |", member.c_str());
    for (double value : per) value >= 0.005 ? std::printf(" %.2f |", value) : std::printf(" |");
    std::printf("\n");
  }
  std::printf("| (each below 0.01: per import or per row) |");
  for (double value : perImport) std::printf(" %.2f |", value);
  std::printf("\n| **total** |");
  for (size_t i = 0; i < books.size(); ++i) std::printf(" **%.2f** |", static_cast<double>(totals[i]) / books[i].items);
  std::printf("\n");
  return 0;
}

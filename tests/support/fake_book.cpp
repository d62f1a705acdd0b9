#include "fake_book.h"

#include <stdexcept>

#include "a1_text.h"
#include "utf_text.h"

namespace vk::fake {

FakeSheet& FakeBook::AddSheet(std::u16string sheetName) {
  if (FindSheet(sheetName)) throw std::invalid_argument("duplicate sheet " + Utf8(sheetName));
  return sheets.emplace_back(std::move(sheetName));
}

FakeSheet* FakeBook::FindSheet(std::u16string_view sheetName) {
  for (auto& sheet : sheets) {
    if (SameText(sheet.name, sheetName)) return &sheet;
  }
  return nullptr;
}

FakeSheet* FakeBook::ActiveSheet() {
  if (!open || activeSheet < 0 || static_cast<size_t>(activeSheet) >= sheets.size()) return nullptr;
  return &sheets[static_cast<size_t>(activeSheet)];
}

void FakeBook::AddName(std::u16string definedName, std::u16string_view refersTo) {
  const auto parsed = ParseReference(refersTo);
  if (!parsed || parsed->sheet.empty() || !FindSheet(parsed->sheet)) {
    throw std::invalid_argument("bad reference for name " + Utf8(definedName) + ": " + Utf8(refersTo));
  }
  names.push_back({std::move(definedName), FindSheet(parsed->sheet)->name, parsed->areas});
}

void FakeBook::Select(std::u16string_view reference) {
  const auto parsed = ParseReference(reference);
  if (!parsed || !parsed->sheet.empty()) {
    throw std::invalid_argument("bad selection " + Utf8(reference));
  }
  SelectAreas(parsed->areas);
}

void FakeBook::SelectAreas(std::vector<CellArea> areas) {
  selection.kind = Selection::Kind::Cells;
  selection.areas = std::move(areas);
  selection.shapeName.clear();
  activeRow = selection.areas.front().row1;
  activeColumn = selection.areas.front().column1;
}

// A range of several cells activates its first cell; a cell outside the selection (or with a
// shape selected) becomes the selection itself (ck: the page only says the cell must be inside).
void FakeBook::ActivateCell(const std::vector<CellArea>& areas) {
  const int32_t row = areas.front().row1, column = areas.front().column1;
  bool inside = false;
  if (selection.kind == Selection::Kind::Cells) {
    for (const CellArea& area : selection.areas) inside = inside || area.Contains(row, column);
  }
  if (!inside) SelectAreas(areas);
  activeRow = row;
  activeColumn = column;
}

void FakeBook::SelectShape(std::u16string shape) {
  selection.kind = Selection::Kind::Shape;
  selection.areas.clear();
  selection.shapeName = std::move(shape);
}

}  // namespace vk::fake

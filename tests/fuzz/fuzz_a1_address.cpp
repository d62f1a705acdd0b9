// Random formulas, cell addresses and applies-to texts through the A1 helpers: nothing may read
// or write past its text, a rewritten formula stays inside its buffer, and every address the
// helpers make reads back as the same cell.
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "import/a1_address.h"

namespace {

// The bytes as UTF-16 units, split at the first two 0xFFFF units into formula, cell address
// and applies-to text.
void Split(const uint8_t* data, size_t size, std::u16string parts[3]) {
  size_t part = 0;
  for (size_t i = 0; i + 1 < size; i += 2) {
    char16_t unit;
    std::memcpy(&unit, data + i, 2);
    if (unit == 0xFFFF && part < 2) {
      ++part;
      continue;
    }
    parts[part] += unit;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vk;
  fuzz::YesMessages user;
  std::u16string parts[3];
  Split(data, size, parts);
  const std::u16string& formula = parts[0];

  const std::u16string rebased = RebaseFormula(formula, parts[1], parts[2], 16);
  fuzz::Check(rebased == formula || rebased.size() < kRebaseBufferUnits);
  fuzz::Check(RebaseFormula(formula, parts[1], parts[2], 11) == formula);

  for (const std::u16string& text : parts) {
    int32_t row = 0, column = 0;
    if (!ParseAbsoluteCell(text, &row, &column)) continue;
    fuzz::Check(column >= 1 && column <= 26 + 26 * 26 + 26 * 26 * 26 && row >= 0);
    if (row < 1 || row > kA1MaxRow || column > kA1MaxColumn) continue;
    const std::u16string address = MakeAbsoluteAddress(row, column);
    int32_t backRow = 0, backColumn = 0;
    fuzz::Check(ParseAbsoluteCell(address, &backRow, &backColumn) && backRow == row && backColumn == column);
    // A token rebased onto any cell is either unchanged or an absolute address of the sheet.
    const std::u16string moved = RebaseReference(formula.substr(0, 12), row, column, 1, 1);
    int32_t movedRow = 0, movedColumn = 0;
    fuzz::Check(moved == formula.substr(0, 12) ||
                (ParseAbsoluteCell(moved, &movedRow, &movedColumn) && movedRow >= 1 && movedRow <= kA1MaxRow &&
                 movedColumn >= 1 && movedColumn <= kA1MaxColumn));
  }
  return 0;
}

#pragma once
// What the fault sweeps check after each disturbed import.
#include <cstdint>
#include <set>
#include <vector>

#include "fake_book.h"

namespace vk::test {

// The step marks of the import driver, the table pass and the shapes pass' own steps: a run
// ended by an unexpected failure returns the one it was at.
inline bool IsStepMark(int result) {
  static const std::set<int> marks = {
      1303, 1324, 1350, 1365, 1378, 1406, 1408, 1418, 1479, 1483, 1488, 1502, 1513, 1526, 1540,
      1545, 1550, 1566, 1581, 1592, 1598, 1603, 899,  902,  905,  917,  928,  962,  964,  967,
      979,  986,  991,  998,  1006, 1020, 1030, 1033, 1050, 1055, 1059, 1064, 1080, 1089, 1092,
      1096, 1104, 1107, 1110, 1122, 1124, 1126, 1129, 1143, 1264, 1266, 1269, 1274};
  return marks.count(result) == 1;
}

// The user's selection and active cell, to compare before and after an import.
struct UserCells {
  fake::FakeBook::Selection::Kind kind;
  std::vector<fake::CellArea> areas;
  int32_t activeRow;
  int32_t activeColumn;

  static UserCells Of(const fake::FakeBook& book) {
    return {book.selection.kind, book.selection.areas, book.activeRow, book.activeColumn};
  }
  friend bool operator==(const UserCells&, const UserCells&) = default;
};

}  // namespace vk::test

#pragma once
#include <cstdint>
#include <string>

#include "import/area_geometry.h"

namespace vk {

class CImportDriver;
class ProgressWindow;
namespace excel {
class Range;
class Workbook;
class Worksheet;
}  // namespace excel

// What the table passes of one import share with the driver: the objects every table reads
// and, written as a pass goes, the cell it is at (the driver's error report names it) and the
// area's geometry (the shapes pass places shapes by it).
struct TablePassContext {
  CImportDriver& addin;
  excel::Workbook& workbook;
  excel::Worksheet& worksheet;
  std::u16string sheetName;  // copied into every record
  ProgressWindow* progress = nullptr;
  int32_t row = 0;     // 1-based; rowCount + 1 after a complete pass
  int32_t column = 0;  // 1-based; columnCount + 1 after a complete pass
  AreaGeometry area;
};

// Sends one rectangular area as a table: its size to the receiver, then one cell record per
// cell, row by row. rangeText goes into every record as the area's address or name.
void TablePass(TablePassContext& context, excel::Range& area, const std::u16string& rangeText);

}  // namespace vk

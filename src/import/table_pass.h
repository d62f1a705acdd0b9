#pragma once
#include <cstdint>
#include <string>

#include "import/area_geometry.h"

namespace vk {

class ImportSession;
struct ImportPosition;
class ProgressWindow;
namespace excel {
class Range;
class Workbook;
class Worksheet;
}  // namespace excel

// What the table passes of one import share: the objects every table reads, and the run's
// position, whose row and column a pass moves on cell by cell (a failure's report names them).
struct TablePassContext {
  const ImportSession& session;
  excel::Workbook& workbook;
  excel::Worksheet& worksheet;
  std::u16string sheetName;  // copied into every record
  ProgressWindow* progress = nullptr;
  ImportPosition& position;
};

// Sends one rectangular area as a table: its size to the receiver, then one cell record per
// cell, row by row. rangeText goes into every record as the area's address or name. Returns
// the area's place and size, by which the shapes pass places shapes; without a progress window
// nothing is read or sent and the geometry is all zero.
AreaGeometry TablePass(const TablePassContext& context, excel::Range& area, const std::u16string& rangeText);

}  // namespace vk

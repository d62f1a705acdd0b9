#pragma once
#include <cstdint>
#include <string>

namespace vk {

class CImportDriver;
class ProgressWindow;
namespace excel {
class Range;
class Workbook;
class Worksheet;
}  // namespace excel

// Sends one rectangular area as a table: its size to the receiver, then one cell record per
// cell, row by row. Fills the area's geometry (points) for the shapes pass.
void TablePass(CImportDriver& addin, excel::Range& area, excel::Workbook& workbook,
               excel::Worksheet& worksheet, int32_t* row, int32_t* column, std::u16string rangeText,
               std::u16string sheetName, double* areaLeft, double* areaTop, double* areaWidth,
               double* areaHeight, ProgressWindow* progress);

}  // namespace vk

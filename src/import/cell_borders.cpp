#include "import/cell_borders.h"

#include <cstdint>

#include "excel/borders.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "link/cell_record.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"cell_borders.cpp";
constexpr int32_t kXlContinuous = 1;
constexpr int32_t kXlThin = 2;

struct EdgeRead {
  int32_t cellIndex;       // xlEdgeTop 8 …
  int32_t conditionIndex;  // xlTop -4160 …: the indices Excel takes for a condition's borders
  EdgeStyle CellRecord::*field;
  int32_t step;
};

// Top, bottom, left, right: the order the receiver's format was first written in.
constexpr EdgeRead kEdges[] = {
    {8, -4160, &CellRecord::topEdge, 3101},
    {9, -4107, &CellRecord::bottomEdge, 3137},
    {7, -4131, &CellRecord::leftEdge, 3175},
    {10, -4152, &CellRecord::rightEdge, 3213},
};

void ReadEdge(const excel::Borders& borders, int32_t index, EdgeStyle& edge, int conditionMode, bool gridlines) {
  excel::Border border = borders.Item(index);
  if (!border) return;
  const Variant style = border.LineStyle();
  if (!IsDefined(style)) return;
  edge.lineStyle = style.ToInt32();
  if (edge.lineStyle == kXlNone) {
    if (gridlines) {
      edge.lineStyle = kXlContinuous;
      edge.weight = kXlThin;
      edge.color = 0;
    }
  } else if (const Variant weight = border.Weight(); IsDefined(weight)) {
    edge.weight = weight.ToInt32();
    if (const Variant color = border.Color(); IsDefined(color)) edge.color = color.ToInt32();
  }
  edge.fromCondition = conditionMode != 0 ? 1 : 0;
}

void ReadDiagonal(const excel::Borders& borders, int32_t index, DiagonalStyle& diagonal) {
  excel::Border border = borders.Item(index);
  if (!border) return;
  if (const Variant v = border.LineStyle(); IsDefined(v)) diagonal.lineStyle = v.ToInt32();
  if (const Variant v = border.Weight(); IsDefined(v)) diagonal.weight = v.ToInt32();
  if (const Variant v = border.Color(); IsDefined(v)) diagonal.color = v.ToInt32();
}

}  // namespace

void ReadBorders(const ImportSession& session, CellRecord& record, const excel::Borders& borders, int conditionMode,
                 bool gridlines) {
  try {
    for (const EdgeRead& edge : kEdges) {
      session.Mark(edge.step, kTag);
      ReadEdge(borders, conditionMode != 0 ? edge.conditionIndex : edge.cellIndex, record.*edge.field, conditionMode,
               gridlines);
    }
    if (conditionMode != 0) return;
    session.Mark(3253, kTag);
    ReadDiagonal(borders, 5, record.diagonalDown);
    session.Mark(3275, kTag);
    ReadDiagonal(borders, 6, record.diagonalUp);
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

}  // namespace vk

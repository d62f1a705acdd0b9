#include "import/cell_borders.h"

#include <cstdint>

#include "excel/borders.h"
#include "excel/excel_constants.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "link/cell_record.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"cell_borders.cpp";

struct EdgeRead {
  int32_t cellIndex;
  int32_t conditionIndex;  // the index Excel takes for a condition's borders
  EdgeStyle CellRecord::*field;
  int32_t step;
};

// Top, bottom, left, right: the order the receiver's format was first written in.
constexpr EdgeRead kEdges[] = {
    {excel::kXlEdgeTop, excel::kXlTop, &CellRecord::topEdge, 3101},
    {excel::kXlEdgeBottom, excel::kXlBottom, &CellRecord::bottomEdge, 3137},
    {excel::kXlEdgeLeft, excel::kXlLeft, &CellRecord::leftEdge, 3175},
    {excel::kXlEdgeRight, excel::kXlRight, &CellRecord::rightEdge, 3213},
};

void ReadEdge(const excel::Borders& borders, int32_t index, EdgeStyle& edge, FormatSource source,
              Gridlines gridlines) {
  excel::Border border = borders.Item(index);
  if (!border) return;
  const Variant style = border.LineStyle();
  if (!IsDefined(style)) return;
  edge.lineStyle = style.ToInt32();
  if (edge.lineStyle == kXlNone) {
    if (gridlines == Gridlines::Printed) {
      edge.lineStyle = excel::kXlContinuous;
      edge.weight = excel::kXlThin;
      edge.color = 0;
    }
  } else if (const Variant weight = border.Weight(); IsDefined(weight)) {
    edge.weight = weight.ToInt32();
    if (const Variant color = border.Color(); IsDefined(color)) edge.color = color.ToInt32();
  }
  edge.fromCondition = source == FormatSource::Condition ? 1 : 0;
}

void ReadDiagonal(const excel::Borders& borders, int32_t index, DiagonalStyle& diagonal) {
  excel::Border border = borders.Item(index);
  if (!border) return;
  if (const Variant v = border.LineStyle(); IsDefined(v)) diagonal.lineStyle = v.ToInt32();
  if (const Variant v = border.Weight(); IsDefined(v)) diagonal.weight = v.ToInt32();
  if (const Variant v = border.Color(); IsDefined(v)) diagonal.color = v.ToInt32();
}

}  // namespace

void ReadBorders(const ImportSession& session, CellRecord& record, const excel::Borders& borders,
                 FormatSource source, Gridlines gridlines) {
  try {
    for (const EdgeRead& edge : kEdges) {
      session.Mark(edge.step, kTag);
      const int32_t index = source == FormatSource::Condition ? edge.conditionIndex : edge.cellIndex;
      ReadEdge(borders, index, record.*edge.field, source, gridlines);
    }
    if (source == FormatSource::Condition) return;
    session.Mark(3253, kTag);
    ReadDiagonal(borders, excel::kXlDiagonalDown, record.diagonalDown);
    session.Mark(3275, kTag);
    ReadDiagonal(borders, excel::kXlDiagonalUp, record.diagonalUp);
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

}  // namespace vk

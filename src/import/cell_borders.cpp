#include "import/cell_borders.h"

#include <cstdint>

#include "excel/borders.h"
#include "excel/excel_constants.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "import/shared_formats.h"
#include "link/cell_record.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"cell_borders.cpp";

struct EdgeRead {
  int32_t cellIndex;
  int32_t conditionIndex;  // the index Excel takes for a condition's borders
  EdgeStyle CellRecord::*field;
  LineFacts BorderFacts::*shared;
  int32_t step;
};

// Top, bottom, left, right: the order the receiver's format was first written in.
constexpr EdgeRead kEdges[] = {
    {excel::kXlEdgeTop, excel::kXlTop, &CellRecord::topEdge, &BorderFacts::top, 3101},
    {excel::kXlEdgeBottom, excel::kXlBottom, &CellRecord::bottomEdge, &BorderFacts::bottom, 3137},
    {excel::kXlEdgeLeft, excel::kXlLeft, &CellRecord::leftEdge, &BorderFacts::left, 3175},
    {excel::kXlEdgeRight, excel::kXlRight, &CellRecord::rightEdge, &BorderFacts::right, 3213},
};

const BorderFacts kNothingShared;

// One line's properties: what the cells share, else the cell's own line, fetched when first needed.
class LineSource {
 public:
  LineSource(const excel::Borders& borders, int32_t index, const LineFacts& shared)
      : borders_(borders), index_(index), shared_(shared) {}

  // False when Excel has no such line for the cell (Nothing): nothing is written then.
  bool Exists(bool complete) { return complete || Border(); }
  Variant LineStyle() { return SharedOr(shared_.lineStyle, [&] { return Border().LineStyle(); }); }
  Variant Weight() { return SharedOr(shared_.weight, [&] { return Border().Weight(); }); }
  Variant Color() { return SharedOr(shared_.color, [&] { return Border().Color(); }); }

 private:
  const excel::Border& Border() {
    if (!fetched_) border_ = borders_.Item(index_), fetched_ = true;
    return border_;
  }

  const excel::Borders& borders_;
  int32_t index_;
  const LineFacts& shared_;
  excel::Border border_;
  bool fetched_ = false;
};

void ReadEdge(LineSource line, bool complete, EdgeStyle& edge, FormatSource source, Gridlines gridlines) {
  if (!line.Exists(complete)) return;
  const Variant style = line.LineStyle();
  if (!IsDefined(style)) return;
  edge.lineStyle = style.ToInt32();
  if (edge.lineStyle == kXlNone) {
    if (gridlines == Gridlines::Printed) {
      edge.lineStyle = excel::kXlContinuous;
      edge.weight = excel::kXlThin;
      edge.color = 0;
    }
  } else if (const Variant weight = line.Weight(); IsDefined(weight)) {
    edge.weight = weight.ToInt32();
    if (const Variant color = line.Color(); IsDefined(color)) edge.color = color.ToInt32();
  }
  edge.fromCondition = source == FormatSource::Condition ? 1 : 0;
}

void ReadDiagonal(LineSource line, bool complete, DiagonalStyle& diagonal) {
  if (!line.Exists(complete)) return;
  if (const Variant v = line.LineStyle(); IsDefined(v)) diagonal.lineStyle = v.ToInt32();
  if (const Variant v = line.Weight(); IsDefined(v)) diagonal.weight = v.ToInt32();
  if (const Variant v = line.Color(); IsDefined(v)) diagonal.color = v.ToInt32();
}

}  // namespace

void ReadBorders(const ImportSession& session, CellRecord& record, const excel::Borders& borders,
                 FormatSource source, Gridlines gridlines, const BorderFacts* shared) {
  const BorderFacts& known = shared ? *shared : kNothingShared;
  try {
    for (const EdgeRead& edge : kEdges) {
      session.Mark(edge.step, kTag);
      const int32_t index = source == FormatSource::Condition ? edge.conditionIndex : edge.cellIndex;
      const LineFacts& line = known.*edge.shared;
      ReadEdge(LineSource(borders, index, line), line.CompleteEdge(), record.*edge.field, source, gridlines);
    }
    if (source == FormatSource::Condition) return;
    session.Mark(3253, kTag);
    ReadDiagonal(LineSource(borders, excel::kXlDiagonalDown, known.diagonalDown), known.diagonalDown.CompleteDiagonal(),
                 record.diagonalDown);
    session.Mark(3275, kTag);
    ReadDiagonal(LineSource(borders, excel::kXlDiagonalUp, known.diagonalUp), known.diagonalUp.CompleteDiagonal(),
                 record.diagonalUp);
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

}  // namespace vk

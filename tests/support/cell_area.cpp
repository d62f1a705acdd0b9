#include "cell_area.h"

#include <algorithm>

namespace vk::fake {

CellArea CellArea::Span(const CellArea& a, const CellArea& b) {
  return {std::min(a.row1, b.row1), std::min(a.column1, b.column1), std::max(a.row2, b.row2),
          std::max(a.column2, b.column2)};
}

}  // namespace vk::fake

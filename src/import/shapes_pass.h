#pragma once
#include <cstdint>
#include <string>

#include "import/area_geometry.h"

namespace vk {

class CImportDriver;
namespace excel {
class Worksheet;
}

// What the shapes passes of one import read, and the shape a pass is at (the driver's error
// report names it; -1 before the first).
struct ShapesPassContext {
  CImportDriver& addin;
  excel::Worksheet& worksheet;
  int32_t funcState = 0;
  uint32_t importObj = 0;
  int bSelectedRange = 0;  // a print-area import counts as a selection here
  std::u16string workbookFolder;
  std::u16string workbookName;
  int32_t shapeIndex = -1;
};

// Sends the worksheet's shapes (for a selection, those whose far corner lies inside the area)
// as shape records, each member of a group as a shape of its own. Excel's busy refusal ends the
// pass with an int exception carrying the code; other failures of a shape are reported and the
// pass goes on.
void ShapesPass(ShapesPassContext& context, const AreaGeometry& area);

}  // namespace vk

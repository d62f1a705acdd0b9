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

// Sends the worksheet's shapes (those inside the area for a selection) as shape records.
void ShapesPass(ShapesPassContext& context, const AreaGeometry& area);

}  // namespace vk

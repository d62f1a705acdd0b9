#pragma once
#include <cstdint>
#include <string>

#include "import/area_geometry.h"

namespace vk {

class ImportSession;
struct ImportPosition;
namespace excel {
class Worksheet;
}

// What the shapes passes of one import read, and the run's position, whose shape index a pass
// moves on (a failure's report names it).
struct ShapesPassContext {
  const ImportSession& session;
  excel::Worksheet& worksheet;
  int32_t funcState = 0;
  uint32_t importObj = 0;
  // Only the shapes whose far corner lies inside the area are sent (a selection or a print area).
  bool clipToArea = false;
  std::u16string workbookFolder;
  std::u16string workbookName;
  ImportPosition& position;
};

// Sends the worksheet's shapes (when clipped, those whose far corner lies inside the area)
// as shape records, each member of a group as a shape of its own. Excel's busy refusal ends the
// pass with an int exception carrying the code; other failures of a shape are reported and the
// pass goes on.
void ShapesPass(const ShapesPassContext& context, const AreaGeometry& area);

}  // namespace vk

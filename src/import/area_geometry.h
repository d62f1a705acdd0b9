#pragma once

namespace vk {

// An imported area's place and size on the sheet, in points, as Excel reports its Range.Left,
// Top, Width and Height: the table pass measures it and the shapes pass places shapes by it.
struct AreaGeometry {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

}  // namespace vk

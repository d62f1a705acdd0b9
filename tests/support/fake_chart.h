#pragma once
#include <memory>

#include "fake_object.h"

namespace vk::fake {

// Excel's Chart object of a chart shape (Shape.Chart). Export writes a small image of the chart
// to a file, in the graphic filter's format, and answers True.
class FakeChart final : public FakeObjectOf<FakeChart> {
 public:
  explicit FakeChart(std::shared_ptr<FakeExcel> excel);
  static std::span<const Member> Members();

  // The bytes Export writes with the "BMP" filter: a 1 by 1 white 24-bit bitmap.
  static const std::vector<uint8_t>& BitmapBytes();

 private:
  Variant Export(const FakeArgs&);
};

// A chart for a stand-in shape to hand out.
ObjectPtr MakeFakeChart(std::shared_ptr<FakeExcel> excel);

}  // namespace vk::fake

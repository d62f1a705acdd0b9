#pragma once
#include "fake_object.h"

namespace vk::fake {

class FakeSheet;

// Excel's Characters object: a stretch of one cell's text (V:excel.range.characters). start is
// 1-based; the stretch ends at the text's end however long it was asked to be.
class FakeCharacters final : public FakeObjectOf<FakeCharacters> {
 public:
  FakeCharacters(std::shared_ptr<FakeExcel> excel, const FakeSheet* sheet, int32_t row, int32_t column,
                 int32_t start, int32_t length);
  static std::span<const Member> Members();

 private:
  Variant Count(const FakeArgs&);
  Variant Font(const FakeArgs&);
  Variant Text(const FakeArgs&);

  // The 0-based first character and the count, within the text.
  std::pair<size_t, size_t> Stretch(size_t textLength) const;

  const FakeSheet* sheet_;
  int32_t row_;
  int32_t column_;
  int32_t start_;
  int32_t length_;  // -1: to the end
};

}  // namespace vk::fake

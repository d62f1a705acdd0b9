#pragma once
#include <functional>
#include <vector>

#include "fake_format.h"
#include "fake_object.h"

namespace vk::fake {

// What a Characters stretch is taken from, as it stands at the time of the call: a cell's text
// or a shape's.
struct FakeCharacterContent {
  std::u16string text;
  std::vector<FakeFontFace> faces;  // one per character, or a single one for uniform text
  FakeFontFace ownFace;             // the font of an empty stretch
};

// Excel's Characters object: a stretch of a cell's or a shape's text (V:excel.range.characters,
// V:excel.textframe.characters). start is 1-based; the stretch ends at the text's end however
// long it was asked to be.
class FakeCharacters final : public FakeObjectOf<FakeCharacters> {
 public:
  // ofCell: the characters of a cell's text, whose Text a stand-in refusing reads of several
  // cells also refuses for several characters (FakeExcel::RefuseMultiCellReads).
  FakeCharacters(std::shared_ptr<FakeExcel> excel, std::function<FakeCharacterContent()> content,
                 int32_t start, int32_t length, bool ofCell = false);
  static std::span<const Member> Members();

 private:
  Variant Count(const FakeArgs&);
  Variant Font(const FakeArgs&);
  Variant Text(const FakeArgs&);

  // The 0-based first character and the count, within the text.
  std::pair<size_t, size_t> Stretch(size_t textLength) const;

  std::function<FakeCharacterContent()> content_;
  int32_t start_;
  int32_t length_;  // -1: to the end
  bool ofCell_;
};

}  // namespace vk::fake

#pragma once
#include <vector>

#include "fake_format.h"
#include "fake_object.h"

namespace vk::fake {

// Excel's Font object over some characters (of a cell, of a range's cells, of a Characters
// stretch) or a format condition's font. A property reads as its value when every face agrees
// and as Null when they differ or leave it unset (ck: Excel documents no mixed value).
class FakeFont final : public FakeObjectOf<FakeFont> {
 public:
  FakeFont(std::shared_ptr<FakeExcel> excel, std::vector<FakeFontFace> faces);
  static std::span<const Member> Members();

 private:
  Variant Bold(const FakeArgs&);
  Variant Italic(const FakeArgs&);
  Variant Underline(const FakeArgs&);
  Variant Strikethrough(const FakeArgs&);
  Variant Color(const FakeArgs&);
  Variant Size(const FakeArgs&);
  Variant Superscript(const FakeArgs&);
  Variant Subscript(const FakeArgs&);
  Variant Name(const FakeArgs&);

  template <class T>
  Variant Common(std::optional<T> FakeFontFace::*property, Variant (*make)(T)) const;

  std::vector<FakeFontFace> faces_;
};

}  // namespace vk::fake

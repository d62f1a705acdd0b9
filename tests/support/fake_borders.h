#pragma once
#include <map>
#include <vector>

#include "fake_format.h"
#include "fake_object.h"

namespace vk::fake {

// Excel's Border object: one line.
class FakeBorder final : public FakeObjectOf<FakeBorder> {
 public:
  FakeBorder(std::shared_ptr<FakeExcel> excel, FakeBorderLine line);
  static std::span<const Member> Members();

 private:
  Variant LineStyle(const FakeArgs&);
  Variant Weight(const FakeArgs&);
  Variant Color(const FakeArgs&);

  FakeBorderLine line_;
};

// Excel's Borders collection. A cell's takes the XlBordersIndex values 5 to 12 (its lines
// resolved: a line never set reads as none); a format condition's takes xlLeft -4131, xlTop
// -4160, xlRight -4152 and xlBottom -4107 (V:excel.formatcondition). Any other index is Excel's
// error 1004 (ck).
class FakeBorders final : public FakeObjectOf<FakeBorders> {
 public:
  FakeBorders(std::shared_ptr<FakeExcel> excel, std::map<int32_t, FakeBorderLine> lines,
              std::vector<int32_t> indices);
  // A cell's borders.
  static std::shared_ptr<FakeBorders> OfCell(std::shared_ptr<FakeExcel> excel,
                                             const std::map<int32_t, FakeBorderLine>& lines);
  // The borders of several cells, lines as given: what the cells do not share reads Null.
  static std::shared_ptr<FakeBorders> OfRange(std::shared_ptr<FakeExcel> excel,
                                              std::map<int32_t, FakeBorderLine> lines);
  static std::span<const Member> Members();

 private:
  Variant Item(const FakeArgs&);

  std::map<int32_t, FakeBorderLine> lines_;
  std::vector<int32_t> indices_;
};

}  // namespace vk::fake

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "drawing_builder.h"
#include "link/cell_record.h"
#include "link/shape_record.h"

namespace vk::draw {
namespace {

constexpr EdgeStyle kThin{1, 2, 0, 0, {}};

std::unique_ptr<CellRecord> Cell(const char16_t* address, double left, double top, double width, double height,
                                 const char16_t* text = u"") {
  auto r = std::make_unique<CellRecord>();
  std::memset(r.get(), 0, sizeof(CellRecord));
  r->size = kCellRecordSize;
  r->left = left, r->top = top, r->width = width, r->height = height;
  r->mergeWidth = width, r->mergeHeight = height;
  r->fontSize = 10;
  r->underline = kXlNone;
  r->fillPattern = kXlNone;
  r->horizontalAlignment = -4131;
  SetField(r->address, address);
  SetField(r->mergeAddress, address);
  SetField(r->text, text);
  return r;
}

struct Fixture {
  std::vector<std::string> log;
  DrawingOptions options = [] {
    DrawingOptions o;
    o.cellScale = 1;  // one unit per point keeps the expected values readable
    o.fontScale = 1;
    return o;
  }();
  DrawingBuilder builder{options, [this](const std::string& line) { log.push_back(line); }};

  void Send(const CellRecord& r) { builder.Record(&r, sizeof r); }
  std::vector<std::string> Texts(const Drawing& d) {
    std::vector<std::string> texts;
    for (const Block& b : d.blocks)
      for (const Entity& e : b.entities)
        if (e.kind == EntityKind::MText) texts.push_back(e.text);
    return texts;
  }
};

// Each fault is refused with its reason, and the sound record after it is still drawn.
TEST(DrawingBuilderTest, BadInputIsSkippedWithItsReasonAndTheRestIsDrawn) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    std::function<void(Fixture&)> send;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"wrong cbData", [](Fixture& f) { char bytes[100] = {}; f.builder.Record(bytes, sizeof bytes); }, "100 bytes"},
      {"size field disagrees",
       [](Fixture& f) { auto r = Cell(u"$A$1", 0, 0, 10, 10, u"bad"); r->size = kShapeRecordSize; f.Send(*r); },
       "size field says 5072"},
      {"text without terminator",
       [](Fixture& f) { auto r = Cell(u"$A$1", 0, 0, 10, 10); std::fill(std::begin(r->text), std::end(r->text), u'x'); f.Send(*r); },
       "no terminator"},
      {"NaN", [=](Fixture& f) { f.Send(*Cell(u"$A$1", nan, 0, 10, 10, u"bad")); }, "not a finite"},
      {"infinite", [=](Fixture& f) { f.Send(*Cell(u"$A$1", 0, 0, inf, 10, u"bad")); }, "not a finite"},
      {"huge", [](Fixture& f) { f.Send(*Cell(u"$A$1", 0, 1e300, 10, 10, u"bad")); }, "not a finite"},
      {"negative size", [](Fixture& f) { f.Send(*Cell(u"$A$1", 0, 0, -10, 10, u"bad")); }, "negative size"},
      {"shape with NaN",
       [=](Fixture& f) {
         ShapeRecord s{};
         s.size = kShapeRecordSize;
         s.width = nan;
         f.builder.Record(&s, sizeof s);
       },
       "shape record skipped"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.builder.TableStart(1, 2);
    c.send(f);
    f.Send(*Cell(u"$B$1", 10, 0, 10, 10, u"good"));
    const Drawing d = f.builder.End(1);
    ASSERT_EQ(f.log.size(), 1u);
    EXPECT_NE(f.log[0].find(c.reason), std::string::npos) << f.log[0];
    EXPECT_EQ(f.Texts(d), std::vector<std::string>{"good"});
  }
}

TEST(DrawingBuilderTest, RecordsOutsideTheAnnouncedTableAreSkipped) {
  Fixture f;
  f.Send(*Cell(u"$A$1", 0, 0, 10, 10, u"before"));
  f.builder.TableStart(1, 1);
  f.Send(*Cell(u"$A$1", 0, 0, 10, 10, u"inside"));
  f.Send(*Cell(u"$B$1", 10, 0, 10, 10, u"beyond"));
  f.builder.TableStart(-1, 5);
  f.Send(*Cell(u"$A$1", 0, 0, 10, 10, u"refused"));
  const Drawing d = f.builder.End(1);
  EXPECT_EQ(f.Texts(d), std::vector<std::string>{"inside"});
  ASSERT_EQ(f.log.size(), 4u);
  EXPECT_NE(f.log[0].find("no table was started"), std::string::npos);
  EXPECT_NE(f.log[1].find("announced 1 cells"), std::string::npos);
  EXPECT_NE(f.log[2].find("refused"), std::string::npos);
}

// A1:B1 merged over a 2 x 2 table of 20 x 10 cells, every edge thin.
TEST(DrawingBuilderTest, MergedAreaIsOneTextWithoutInnerBorders) {
  Fixture f;
  f.builder.TableStart(2, 2);
  const char16_t* addresses[] = {u"$A$1", u"$B$1", u"$A$2", u"$B$2"};
  for (int k = 0; k < 4; ++k) {
    auto r = Cell(addresses[k], 20.0 * (k % 2), 10.0 * (k / 2), 20, 10, k == 0 ? u"merged" : u"");
    if (k < 2) {
      SetField(r->mergeAddress, u"$A$1:$B$1");
      r->mergeWidth = 40;
      r->horizontalAlignment = -4108;  // centre
    }
    r->leftEdge = r->topEdge = r->rightEdge = r->bottomEdge = kThin;
    f.Send(*r);
  }
  const Drawing d = f.builder.End(1);
  ASSERT_EQ(d.blocks.size(), 1u);
  int verticalsInRowOne = 0;
  const Entity* text = nullptr;
  for (const Entity& e : d.blocks[0].entities) {
    if (e.kind == EntityKind::MText) text = &e;
    // A vertical border at x 20 reaching into the first row would split the merge area.
    if (e.kind == EntityKind::Polyline && e.points[0].x == 20 && e.points[1].x == 20 &&
        std::max(e.points[0].y, e.points[1].y) > -10)
      ++verticalsInRowOne;
  }
  EXPECT_EQ(verticalsInRowOne, 0);
  ASSERT_NE(text, nullptr);
  EXPECT_DOUBLE_EQ(text->points[0].x, 20);  // centre of the 40-point merge area
  EXPECT_EQ(text->attachment, 8);           // bottom centre
}

TEST(DrawingBuilderTest, HiddenRowIsLeftOutAndTheNextRowMovesUp) {
  Fixture f;
  f.builder.TableStart(3, 1);
  f.Send(*Cell(u"$A$1", 0, 0, 20, 10, u"one"));
  auto hidden = Cell(u"", 0, 0, 20, 0, u"");
  f.Send(*hidden);
  f.Send(*Cell(u"$A$3", 0, 10, 20, 10, u"three"));
  const Drawing d = f.builder.End(1);
  EXPECT_EQ(f.Texts(d), (std::vector<std::string>{"one", "three"}));
  // Row three's bottom-left text: 2 points in from its left edge and up from its bottom at -20.
  EXPECT_DOUBLE_EQ(d.blocks[0].entities.back().points[0].y, -18);
}

TEST(DrawingBuilderTest, EachImportEndGivesItsOwnDrawing) {
  Fixture f;
  f.builder.TableStart(1, 1);
  f.Send(*Cell(u"$A$1", 0, 0, 20, 10, u"first"));
  EXPECT_EQ(f.Texts(f.builder.End(1)), std::vector<std::string>{"first"});
  f.builder.TableStart(1, 1);
  f.Send(*Cell(u"$A$1", 0, 0, 20, 10, u"second"));
  EXPECT_EQ(f.builder.End(2).Count(), 0u);  // the add-in disconnecting ends no import
  EXPECT_EQ(f.Texts(f.builder.End(1)), std::vector<std::string>{"second"});
}

TEST(DrawingBuilderTest, RichTextRunsBecomeMTextGroups) {
  Fixture f;
  f.builder.TableStart(1, 1);
  auto r = Cell(u"$A$1", 0, 0, 40, 10, u"H2O");
  SetField(r->fontName, u"Calibri");
  SetField(r->runs, u"Calibri|10|b0|i0|u0|s0|0:Calibri|10|b0|i0|u0|s1|1:Calibri|10|b1|i0|u1|s0|2");
  f.Send(*r);
  // 10-point text is 7 units high; the subscript 0.7 of that, lowered.
  EXPECT_EQ(f.Texts(f.builder.End(1)),
            std::vector<std::string>{"{\\fCalibri|b0|i0;\\H7;H}{\\fCalibri|b0|i0;\\H4.9;\\A0;2}{\\fCalibri|b1|i0;\\H7;\\LO}"});
}

}  // namespace
}  // namespace vk::draw

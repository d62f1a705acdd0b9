// The fixed points of an import, each tried where it switches: field capacities at and one past
// their limit, Excel 12 exactly, each comparison at equality, and every row of the kinds tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "import_rig.h"
#include "link/cell_record.h"
#include "link/shape_record.h"
#include "settings/option_table.h"

namespace vk {
namespace {

using test::ImportRig;

// The records of one kind the receiver got, told apart by their size.
template <class Record>
std::vector<Record> Received(const ImportRig& rig) {
  std::vector<Record> records;
  for (const auto& m : rig.link.messages) {
    if (m.kind != kWmCopyData || m.cbData != sizeof(Record)) continue;
    records.emplace_back();
    std::memcpy(&records.back(), m.bytes.data(), sizeof(Record));
  }
  return records;
}
const auto CellRecords = Received<CellRecord>;
const auto ShapeRecords = Received<ShapeRecord>;

// A worksheet import of a sheet with one shape: quietly, and one record for it.
std::vector<ShapeRecord> RunForOneShape(ImportRig& rig) {
  EXPECT_EQ(rig.Run(0), 0);
  EXPECT_TRUE(rig.messages.shown.empty());
  return ShapeRecords(rig);
}

template <size_t N>
std::u16string Text(const char16_t (&field)[N]) {
  return std::u16string(field, std::char_traits<char16_t>::length(field));
}

std::u16string Repeated(size_t count, char16_t c) { return std::u16string(count, c); }

// Displayed text up to 4095 characters, a formula up to 511 and a number format cut at 127.
TEST(ImportLimits, CellFieldsAtAndPastTheirCapacity) {
  const struct {
    const char* what;
    std::string cell;  // A1 in the fixture
    std::u16string text;
    std::u16string formula;
    std::u16string numberFormat;
  } cases[] = {
      {"text of 4095", "\"" + std::string(4095, 'w') + "\"", Repeated(4095, u'w'), u"", u""},
      {"text of 4096", "\"" + std::string(4096, 'w') + "\"", u"", u"", u""},
      {"formula of 511", R"({"value":3,"text":"3","numberFormat":"0","formula":"=)" + std::string(510, '1') + "\"}",
       u"3", u"=" + Repeated(510, u'1'), u"0"},
      {"formula of 512", R"({"value":3,"text":"3","numberFormat":"0","formula":"=)" + std::string(511, '1') + "\"}",
       u"3", u"", u""},
      {"formula of 1", R"({"value":3,"text":"3","numberFormat":"0","formula":"="})", u"3", u"=", u"0"},
      {"number format of 127", R"({"value":3,"text":"3","formula":"=3","numberFormat":")" + std::string(127, '0') + "\"}",
       u"3", u"=3", Repeated(127, u'0')},
      {"number format of 128", R"({"value":3,"text":"3","formula":"=3","numberFormat":")" + std::string(128, '0') + "\"}",
       u"3", u"=3", Repeated(127, u'0')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ImportRig rig(R"({"sheets":[{"name":"S","cells":{"A1":)" + c.cell + "}}]}");
    rig.SetOption(options::kTableObjOpt, 1);
    ASSERT_EQ(rig.Run(0), 0);
    const auto records = CellRecords(rig);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(Text(records[0].text), c.text);
    EXPECT_EQ(Text(records[0].formula), c.formula);
    EXPECT_EQ(Text(records[0].numberFormat), c.numberFormat);
  }
}

// A shape's text keeps 2047 characters; more are cut there.
TEST(ImportLimits, ShapeTextAtAndPastItsCapacity) {
  for (size_t length : {2047u, 2048u}) {
    SCOPED_TRACE(length);
    ImportRig rig(R"({"sheets":[{"name":"S","cells":{"A1":1},"shapes":[
      {"type":17,"autoShapeType":1,"left":0,"top":0,"width":80,"height":40,"text":")" +
                  std::string(length, 't') + R"("}]}]})");
    ASSERT_EQ(rig.Run(0), 0);
    const auto records = ShapeRecords(rig);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(Text(records[0].text), Repeated(2047, u't'));
  }
}

// Each cell-value operator with the cell's value (5) as its operand: the equality case.
TEST(ImportLimits, EveryCellValueOperatorAtEquality) {
  const struct {
    const char* op;
    const char* formula1;
    const char* formula2;
    bool holds;
  } cases[] = {
      {"between", "=5", "=9", true},      {"between", "=1", "=5", true},   {"notBetween", "=5", "=9", false},
      {"notBetween", "=1", "=5", false},  {"equal", "=5", nullptr, true},  {"notEqual", "=5", nullptr, false},
      {"greater", "=5", nullptr, false},  {"less", "=5", nullptr, false},  {"greaterEqual", "=5", nullptr, true},
      {"lessEqual", "=5", nullptr, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.op) + " " + c.formula1);
    std::string rule = std::string(R"({"appliesTo":"A1","type":"cellValue","operator":")") + c.op +
                       R"(","formula1":")" + c.formula1 + R"(","fill":{"color":"#FF0000"})";
    if (c.formula2) rule += std::string(R"(,"formula2":")") + c.formula2 + "\"";
    ImportRig rig(R"({"sheets":[{"name":"S","cells":{"A1":5},"conditionalFormats":[)" + rule + "}]}]}");
    ASSERT_EQ(rig.Run(0), 0);
    const auto records = CellRecords(rig);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fillColor, c.holds ? 0x0000FF : 0xFFFFFF);
  }
}

// Excel 12 is the first version with the zoom set for shapes, Stop If True and several holding
// rules, and a fill colour read from Interior.Color.
TEST(ImportLimits, Excel12IsTheFirstOfTheNewBehaviour) {
  const struct {
    const char* version;
    bool newer;
  } cases[] = {{"11.0", false}, {"12.0", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version);
    ImportRig rig(std::string(R"({"version":")") + c.version + R"(","zoom":75,"sheets":[{"name":"S",
      "cells":{"A1":5,"B1":"x"},
      "conditionalFormats":[
        {"appliesTo":"A1","type":"expression","formula1":"=1=1","fill":{"colorIndex":3}},
        {"appliesTo":"A1","type":"expression","formula1":"=1=1","font":{"bold":true}}],
      "shapes":[{"type":1,"autoShapeType":1,"left":0,"top":0,"width":20,"height":10}]}]})");
    ASSERT_EQ(rig.Run(0), 0);
    const auto records = CellRecords(rig);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].bold, c.newer ? 1 : 0);  // the second holding rule shows too
    EXPECT_EQ(rig.excel->CallCount("FormatCondition.StopIfTrue") > 0, c.newer);
    EXPECT_EQ(records[1].fillColor, c.newer ? 0xFFFFFF : 0);  // no fill
    EXPECT_EQ(rig.excel->Book().zoomPuts.size(), c.newer ? 2u : 0u);
    EXPECT_EQ(rig.excel->Book().zoom, 75);
  }
}

// Which adjustments each drawn kind carries, every kind given two: none, the first only when
// the kind has one, or both; a flowchart connector arrives as an oval.
TEST(ImportLimits, AdjustmentsOfEveryDrawnKind) {
  const struct {
    const char* kind;
    const char* shape;  // type and kind keys
    int32_t shapeType;
    int32_t autoShapeType;
    double adjustment1;
    double adjustment2;
  } cases[] = {
      {"rectangle", R"("type":1,"autoShapeType":1)", 1, 1, 0, 0},
      {"rounded rectangle", R"("type":1,"autoShapeType":5)", 1, 5, 0.25, 0},
      {"oval", R"("type":1,"autoShapeType":9)", 1, 9, 0, 0},
      {"octagon", R"("type":1,"autoShapeType":6)", 1, 6, 0.25, 0},
      {"isosceles triangle", R"("type":1,"autoShapeType":7)", 1, 7, 0.25, 0},
      {"hexagon", R"("type":1,"autoShapeType":10)", 1, 10, 0.25, 0},
      {"right arrow", R"("type":1,"autoShapeType":33)", 1, 33, 0.25, 0.5},
      {"left arrow", R"("type":1,"autoShapeType":34)", 1, 34, 0.25, 0.5},
      {"up arrow", R"("type":1,"autoShapeType":35)", 1, 35, 0.25, 0.5},
      {"down arrow", R"("type":1,"autoShapeType":36)", 1, 36, 0.25, 0.5},
      {"arc", R"("type":1,"autoShapeType":25)", 1, 25, 0.25, 0.5},
      {"flowchart connector", R"("type":1,"autoShapeType":73)", 1, 9, 0, 0},
      {"flowchart extract", R"("type":1,"autoShapeType":81)", 1, 81, 0, 0},
      {"text box", R"("type":17,"autoShapeType":1)", 17, 1, 0, 0},
      {"straight connector", R"("type":1,"connector":true,"connectorType":1)", 1, -2, 0, 0},
      {"elbow connector", R"("type":1,"connector":true,"connectorType":2)", 1, -2, 0.25, 0},
      {"curved connector", R"("type":1,"connector":true,"connectorType":3)", 1, -2, 0.25, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    ImportRig rig(std::string(R"({"sheets":[{"name":"S","cells":{"A1":1},"shapes":[{)") + c.shape +
                  R"(,"left":0,"top":0,"width":40,"height":30,"adjustments":[0.25,0.5]}]}]})");
    const auto records = RunForOneShape(rig);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].shapeType, c.shapeType);
    EXPECT_EQ(records[0].autoShapeType, c.autoShapeType);
    EXPECT_EQ(records[0].adjustment1, c.adjustment1);
    EXPECT_EQ(records[0].adjustment2, c.adjustment2);
  }
}

// Every form control type: what it is sent as, which state it carries and whether its caption
// is read.
TEST(ImportLimits, EveryFormControlType) {
  const struct {
    int type;
    bool caption;
    int32_t controlType;
    int32_t controlValue;
    double controlMax;
  } cases[] = {
      {0, true, 0, 0, 0},  {1, true, 1, 1, 0},     {2, false, 2, 0, 0}, {3, false, 3, 0, 0},
      {4, true, 4, 0, 0},  {5, true, 5, 0, 0},     {6, false, 13, 0, 0}, {7, true, 7, 1, 0},
      {8, false, 8, 1, 100}, {9, false, 9, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    std::string control = R"({"type":)" + std::to_string(c.type);
    if (c.type == 1 || c.type == 6 || c.type == 7 || c.type == 8 || c.type == 9) control += R"(,"value":1)";
    if (c.type == 2 || c.type == 6) control += R"(,"listIndex":0,"listFillRange":"S!$A$1:$A$2")";
    if (c.type == 8 || c.type == 9) control += R"(,"max":100,"min":0)";
    control += "}";
    ImportRig rig(R"({"sheets":[{"name":"S","cells":{"A1":1},"shapes":[{"type":8,"left":0,"top":0,"width":60,"height":20,"control":)" +
                  control + (c.caption ? R"(,"text":"Go")" : "") + "}]}]}");
    rig.SetOption(options::kImportObj, 0x17F);
    const auto records = RunForOneShape(rig);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].controlType, c.controlType);
    EXPECT_EQ(records[0].controlValue, c.controlValue);
    EXPECT_EQ(records[0].controlMax, c.controlMax);
    EXPECT_EQ(Text(records[0].text), c.caption ? u"Go" : u"");
  }
}

}  // namespace
}  // namespace vk

namespace vk {
namespace {

// A text frame's alignment and orientation, each read on its own: a failed read gives left, top
// and horizontal, the others keep what Excel said.
TEST(ImportLimits, TextFrameReadsFallBackEachOnItsOwn) {
  const struct {
    const char* failing;
    int32_t horizontal;
    int32_t vertical;
    int32_t orientation;
  } cases[] = {
      {"Application.Version", -4108, -4107, 5},  // nothing fails: centred, middle, upward
      {"TextFrame.HorizontalAlignment", -4131, -4107, 5},
      {"TextFrame.VerticalAlignment", -4108, -4160, 5},
      {"TextFrame.Orientation", -4108, -4107, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failing);
    ImportRig rig(R"({"sheets":[{"name":"S","cells":{"A1":1},"shapes":[
      {"type":1,"autoShapeType":1,"left":0,"top":0,"width":80,"height":40,
       "text":{"paragraphs":["Pump"],"horizontalAlignment":-4108,"verticalAlignment":-4107,"orientation":5}}]}]})");
    if (std::string(c.failing) != "Application.Version") rig.excel->FailMember(c.failing, static_cast<int32_t>(0x800A03EC));
    const auto records = RunForOneShape(rig);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].horizontalAlignment, c.horizontal);
    EXPECT_EQ(records[0].verticalAlignment, c.vertical);
    EXPECT_EQ(records[0].controlValue, c.orientation);
  }
}

}  // namespace
}  // namespace vk

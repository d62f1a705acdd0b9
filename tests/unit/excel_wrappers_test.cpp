// The typed wrappers against the stand-in Excel: what they pass and how they fail.
#include <gtest/gtest.h>

#include <functional>

#include "automation/com_error.h"
#include "excel/application.h"
#include "excel/borders.h"
#include "excel/characters.h"
#include "excel/font.h"
#include "excel/format_condition.h"
#include "excel/interior.h"
#include "excel/name.h"
#include "excel/page_setup.h"
#include "excel/range.h"
#include "excel/chart.h"
#include "excel/shape.h"
#include "excel/text_frame.h"
#include "excel/text_range2.h"
#include "excel/window.h"
#include "excel/workbook.h"
#include "excel/worksheet.h"
#include "call_result.h"
#include "fake_excel.h"
#include "fake_text_frame.h"

namespace vk::excel {
namespace {

using test::ErrorOf;

TEST(ExcelWrappersTest, NothingRaisesEPointer) {
  const Range nothing;
  EXPECT_FALSE(nothing);
  EXPECT_EQ(ErrorOf([&] { nothing.Address(); }), kEPointer);
  EXPECT_EQ(ErrorOf([&] { Application().SetScreenUpdating(false); }), kEPointer);
  EXPECT_EQ(ErrorOf([&] { Worksheet().UsedRange(); }), kEPointer);
}

TEST(ExcelWrappersTest, ImportCallsAgainstTheStandIn) {
  const auto excel = fake::FakeExcel::FromFixture("sample.json");
  const Application app(excel->Application());
  app.SetScreenUpdating(false);
  EXPECT_EQ(excel->screenUpdatingPuts, std::vector<bool>{false});

  // Selection is asked with LOCALE_USER_DEFAULT; everything else with locale 0.
  const ObjectPtr selection = app.Selection();
  ASSERT_TRUE(selection);
  ASSERT_FALSE(excel->Calls().empty());
  EXPECT_EQ(excel->Calls().back().key, "Application.Selection");
  EXPECT_EQ(excel->Calls().back().lcid, 1024u);

  const Range range(selection->QueryInterface(kIidExcelRange));
  EXPECT_EQ(range.Address(Variant::Missing(), Variant::Missing(), Variant::I4(1)), u"$A$3:$F$9");
  const Variant name = range.Name();
  ASSERT_TRUE(name.IsObject());
  EXPECT_EQ(Name(name.ObjectValue()).NameText(), u"PumpTable");
  EXPECT_EQ(excel->Calls().back().lcid, 0u);

  const Worksheet sheet = app.ActiveSheet();
  EXPECT_EQ(sheet.Name(), u"Pumps");
  EXPECT_EQ(sheet.PageSetup().PrintArea(), u"$A$1:$F$9");
  const Range cells = sheet.Cells();
  const Range last = cells.Find(Variant::String(u"*"), Variant::Missing(), Variant::Missing(),
                                Variant::Missing(), Variant::I4(1), Variant::I4(2));
  ASSERT_TRUE(last);
  EXPECT_EQ(last.Row(), 9);
  EXPECT_EQ(last.Column(), 6);
  const Range limited = sheet.Range(Variant::Object(cells.Item(Variant::I4(1), Variant::I4(1)).Object()),
                                    Variant::Object(cells.Item(Variant::I4(10), Variant::I4(6)).Object()));
  EXPECT_EQ(limited.Rows().Count(), 10);
  EXPECT_EQ(limited.Columns().Count(), 6);
  EXPECT_DOUBLE_EQ(limited.Width(), 54 + 132 + 3 * 60 + 48);
  EXPECT_EQ(app.ActiveWorkbook().FullName(), u"C:\\Projects\\Unit 200\\Pump schedule.xlsx");
  EXPECT_EQ(app.Version(), u"16.0");

  // Find that finds nothing is Nothing, not an error.
  EXPECT_FALSE(cells.Find(Variant::String(u"no such text")));
}

TEST(ExcelWrappersTest, TextFrameCharactersAndSettings) {
  const auto excel = fake::FakeExcel::Create();
  auto text = std::make_shared<fake::FakeShapeText>(fake::FakeShapeText::Plain(u"Pump\nP-101"));
  text->font.name = u"Arial";
  text->orientation.reset();
  const TextFrame frame(fake::MakeFakeTextFrame(excel, text));

  // Characters is called as a method; left-out arguments travel as the missing-argument value.
  EXPECT_EQ(frame.Characters().Text(), u"Pump\nP-101");
  ASSERT_FALSE(excel->Calls().empty());
  const auto& call = excel->Calls()[excel->Calls().size() - 2];
  EXPECT_EQ(call.key, "TextFrame.Characters");
  EXPECT_EQ(call.kind, InvokeKind::Method);
  EXPECT_EQ(call.args, (std::vector<Variant>{Variant::Missing(), Variant::Missing()}));
  EXPECT_EQ(frame.Characters(Variant::I4(1), Variant::I4(1)).Font().Name(), Variant::String(u"Arial"));

  EXPECT_EQ(frame.HorizontalAlignment(), -4131);
  EXPECT_EQ(frame.VerticalAlignment(), -4160);
  EXPECT_EQ(ErrorOf([&] { frame.Orientation(); }), fake::kExcelError);
  EXPECT_EQ(ErrorOf([&] { TextFrame().Characters(); }), kEPointer);
}

// Notes the interface each call names; every member answers Empty.
class InterfaceRecorder final : public AutomationObject {
 public:
  Variant Invoke(std::u16string_view, InvokeKind, std::span<const Variant>, uint32_t) override {
    named.push_back(Guid{});
    return {};
  }
  Variant InvokeAs(const Guid& iid, std::u16string_view, InvokeKind, std::span<const Variant>, uint32_t) override {
    named.push_back(iid);
    return {};
  }
  ObjectPtr QueryInterface(const Guid&) override { throw ComError(kENoInterface); }
  std::vector<Guid> named;
};

// The interface a wrapper names with each of its calls.
template <class Wrapper>
std::vector<Guid> InterfacesNamedBy() {
  struct Probe : Wrapper {
    using Wrapper::Wrapper;
    void Touch() const {
      this->Get(u"Any");
      this->Call(u"Any");
      this->Put(u"Any", Variant::I4(1));
    }
  };
  auto recorder = std::make_shared<InterfaceRecorder>();
  Probe(recorder).Touch();
  return recorder->named;
}

// Each wrapper names Excel's interface for its object, so its member names are looked up once
// per interface. The IIDs are Excel's and Office's, all ending -0000-0000-C000-000000000046.
TEST(ExcelWrappersTest, EachWrapperNamesItsExcelInterface) {
  auto excel = [](uint32_t data1) { return Guid{data1, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}; };
  struct Case {
    const char* wrapper;
    std::vector<Guid> named;
    uint32_t iid;
  };
  const Case cases[] = {
      {"Application", InterfacesNamedBy<Application>(), 0x000208D5},
      {"Workbook", InterfacesNamedBy<Workbook>(), 0x000208DA},
      {"Worksheet", InterfacesNamedBy<Worksheet>(), 0x000208D8},
      {"PageSetup", InterfacesNamedBy<PageSetup>(), 0x000208B4},
      {"Name", InterfacesNamedBy<Name>(), 0x000208B9},
      {"Range", InterfacesNamedBy<Range>(), 0x00020846},
      {"Font", InterfacesNamedBy<Font>(), 0x0002084D},
      {"Interior", InterfacesNamedBy<Interior>(), 0x00020870},
      {"Borders", InterfacesNamedBy<Borders>(), 0x00020855},
      {"Border", InterfacesNamedBy<Border>(), 0x00020854},
      {"Characters", InterfacesNamedBy<Characters>(), 0x00020878},
      {"FormatConditions", InterfacesNamedBy<FormatConditions>(), 0x00024424},
      {"FormatCondition", InterfacesNamedBy<FormatCondition>(), 0x00024425},
      {"Window", InterfacesNamedBy<Window>(), 0x00020893},
      {"Chart", InterfacesNamedBy<Chart>(), 0x000208D6},
      {"Shapes", InterfacesNamedBy<Shapes>(), 0x0002443A},
      {"Shape", InterfacesNamedBy<Shape>(), 0x00024439},
      {"GroupShapes", InterfacesNamedBy<GroupShapes>(), 0x0002443C},
      {"TextFrame", InterfacesNamedBy<TextFrame>(), 0x0002443D},
      {"ConnectorFormat", InterfacesNamedBy<ConnectorFormat>(), 0x0002443E},
      {"ControlFormat", InterfacesNamedBy<ControlFormat>(), 0x00024440},
      {"OLEFormat", InterfacesNamedBy<OleFormat>(), 0x00024441},
      {"Adjustments", InterfacesNamedBy<Adjustments>(), 0x000C0310},
      {"ColorFormat", InterfacesNamedBy<ColorFormat>(), 0x000C0312},
      {"FillFormat", InterfacesNamedBy<FillFormat>(), 0x000C0314},
      {"LineFormat", InterfacesNamedBy<LineFormat>(), 0x000C0317},
      {"TextRange2", InterfacesNamedBy<TextRange2>(), 0x000C0397},
      {"TextFrame2", InterfacesNamedBy<TextFrame2>(), 0x000C0398},
      {"ParagraphFormat2", InterfacesNamedBy<ParagraphFormat2>(), 0x000C0399},
      {"Font2", InterfacesNamedBy<Font2>(), 0x000C039A},
      {"BulletFormat2", InterfacesNamedBy<BulletFormat2>(), 0x000C03B9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wrapper);
    EXPECT_EQ(c.named, std::vector<Guid>(3, excel(c.iid)));
  }
}

}  // namespace
}  // namespace vk::excel

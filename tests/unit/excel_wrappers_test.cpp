// The typed wrappers against the stand-in Excel: what they pass and how they fail.
#include <gtest/gtest.h>

#include <functional>

#include "automation/com_error.h"
#include "excel/application.h"
#include "excel/name.h"
#include "excel/text_frame.h"
#include "fake_excel.h"
#include "fake_text_frame.h"

namespace vk::excel {
namespace {

int32_t ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const ComError& e) {
    return e.Error();
  }
  return kSOk;
}

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

}  // namespace
}  // namespace vk::excel

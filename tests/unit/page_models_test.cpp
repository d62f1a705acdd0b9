// The page models against a fresh hive: in memory natively, the real registry under Wine.
#include <gtest/gtest.h>

#include <variant>

#include "recording_messages.h"
#include "settings/layer_color_page_model.h"
#include "settings/object_page_model.h"
#include "settings/other_page_model.h"
#include "settings/option_table.h"
#include "settings/scale_list.h"
#include "settings/scale_page_model.h"
#include "test_hive.h"
#include "test_shell.h"

namespace vk {
namespace {

using test::kCurrentOptionsPath;
using test::kProductPath;
using test::RecordingMessages;
using test::TestHive;

constexpr int32_t kGlobal = 0;   // FuncState: the sheet edits the product key
constexpr int32_t kCurrent = 1;  // with UseGlobalOption 0: the CurrentOptions sub-key

std::optional<int32_t> StoredNumber(TestHive& hive, std::u16string_view path, std::u16string_view name) {
  const auto v = hive.Read(path, name);
  if (!v || v->type != RegType::Dword || v->data.size() != 4) return std::nullopt;
  return static_cast<int32_t>(v->data[0] | v->data[1] << 8 | v->data[2] << 16 | static_cast<uint32_t>(v->data[3]) << 24);
}

std::optional<std::u16string> StoredText(TestHive& hive, std::u16string_view path, std::u16string_view name) {
  const auto v = hive.Read(path, name);
  if (!v || v->type != RegType::Sz || v->data.size() < 2) return std::nullopt;
  std::u16string text(v->data.size() / 2 - 1, u'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(v->data[2 * i] | v->data[2 * i + 1] << 8);
  return text;
}

// A value as it was written: a REG_DWORD as its number, a REG_SZ as its text.
using Written = std::variant<int32_t, std::u16string>;
using WrittenValues = std::vector<std::pair<std::u16string, Written>>;

Written Decode(RegType type, const uint8_t* data, uint32_t size) {
  if (type == RegType::Dword && size == 4)
    return static_cast<int32_t>(data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24);
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  if (!text.empty() && text.back() == u'\0') text.pop_back();
  return text;
}

// Wraps a hive and notes every value written, in order.
class WriteLog final : public RegistryHive {
 public:
  explicit WriteLog(RegistryHive& inner) : m_inner(inner) {}
  std::unique_ptr<RegistryKey> OpenRoot(RegistryRoot root) override { return Wrap(m_inner.OpenRoot(root)); }
  WrittenValues values;

 private:
  class Key final : public RegistryKey {
   public:
    Key(std::unique_ptr<RegistryKey> inner, WriteLog& log) : m_key(std::move(inner)), m_log(log) {}
    std::unique_ptr<RegistryKey> OpenSubKey(std::u16string_view path, bool create, long* status) override {
      return m_log.Wrap(m_key->OpenSubKey(path, create, status));
    }
    long QueryValue(std::u16string_view name, RegType* type, uint8_t* data, uint32_t* size) override {
      return m_key->QueryValue(name, type, data, size);
    }
    long SetValue(std::u16string_view name, RegType type, const uint8_t* data, uint32_t size) override {
      m_log.values.emplace_back(std::u16string(name), Decode(type, data, size));
      return m_key->SetValue(name, type, data, size);
    }
    long DeleteValue(std::u16string_view name) override { return m_key->DeleteValue(name); }
    long DeleteTree(std::u16string_view path) override { return m_key->DeleteTree(path); }

   private:
    std::unique_ptr<RegistryKey> m_key;
    WriteLog& m_log;
  };
  std::unique_ptr<RegistryKey> Wrap(std::unique_ptr<RegistryKey> key) {
    return key ? std::make_unique<Key>(std::move(key), *this) : nullptr;
  }
  RegistryHive& m_inner;
};

TEST(LayerColorPageModel, LayerNamesFollowTheStarRule) {
  struct Case {
    std::u16string stored, field, storedBack;
  };
  const Case cases[] = {
      {u"*", u"", u"*"}, {u"Wa*lls", u"", u"*"}, {u"Walls*", u"", u"*"}, {u"Walls", u"Walls", u"Walls"}, {u"", u"", u"*"},
  };
  for (const auto& c : cases) {
    TestHive hive;
    hive.WriteText(kCurrentOptionsPath, u"BorderLayer", c.stored);
    hive.WriteText(kCurrentOptionsPath, u"FillLayer", c.stored);
    CLayerColorPageModel page;
    page.LoadOptions(kCurrent);
    EXPECT_EQ(page.m_strBorderLayer, c.field);
    EXPECT_EQ(page.m_strFillLayer, c.field);
    ASSERT_TRUE(page.Apply(kCurrent, 0));
    EXPECT_EQ(StoredText(hive, kCurrentOptionsPath, u"BorderLayer"), c.storedBack);
    EXPECT_EQ(StoredText(hive, kCurrentOptionsPath, u"FillLayer"), c.storedBack);
    EXPECT_EQ(StoredText(hive, kCurrentOptionsPath, u"ImageLayer"), u"*");  // never stored: empty
  }
}

TEST(LayerColorPageModel, ColourChoicesAreStoredAsPositionPlusOne) {
  struct Case {
    int32_t stored, position, storedBack;
  };
  for (const Case c : {Case{0, 0, 1}, Case{1, 0, 1}, Case{-7, 0, 1}, Case{5, 4, 5}, Case{257, 256, 257}}) {
    TestHive hive;
    for (auto name : {u"ThinColorIndex", u"ThickColorIndex", u"RegularColorIndex", u"BoldColorIndex"})
      hive.WriteNumber(kProductPath, name, c.stored);
    CLayerColorPageModel page;
    page.LoadOptions(kGlobal);
    EXPECT_EQ(page.m_nThinColor, c.position) << c.stored;
    EXPECT_EQ(page.m_nThickColor, c.position);
    EXPECT_EQ(page.m_nRegularColor, c.position);
    EXPECT_EQ(page.m_nBoldColor, c.position);
    page.SaveOptions(kGlobal);
    for (auto name : {u"ThinColorIndex", u"ThickColorIndex", u"RegularColorIndex", u"BoldColorIndex"})
      EXPECT_EQ(StoredNumber(hive, kProductPath, name), c.storedBack) << c.stored;
  }
}

TEST(LayerColorPageModel, AForbiddenCharacterInAnyLayerStoresNothing) {
  const std::u16string forbidden = u"<>/\":?*|,=`";
  for (size_t i = 0; i < forbidden.size(); ++i) {
    TestHive hive;
    RecordingMessages messages;
    hive.WriteText(kProductPath, u"TextLayer", u"Old");
    CLayerColorPageModel page;
    page.m_strBorderLayer = u"Fine";
    std::u16string* fields[] = {&page.m_strBorderLayer, &page.m_strTextLayer, &page.m_strShapeLayer,
                                &page.m_strImageLayer, &page.m_strFillLayer};
    *fields[i % 5] = u"a" + forbidden.substr(i, 1) + u"b";
    EXPECT_FALSE(page.Apply(kGlobal, 3));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              u"Invalid characters in layer name.\n\nThe following characters are not valid in layer names:\n<>/\":?*|,=`");
    EXPECT_EQ(messages.shown[0].style, kMbOk | kMbIconWarning);
    EXPECT_EQ(StoredText(hive, kProductPath, u"TextLayer"), u"Old");
    EXPECT_FALSE(hive.Read(kProductPath, u"BorderLayer"));
    EXPECT_FALSE(hive.Read(kProductPath, u"ActivePageIndex"));
  }
}

TEST(LayerColorPageModel, TableTypeComesFromTheOptionSetInForce) {
  TestHive hive;
  hive.WriteNumber(kCurrentOptionsPath, u"TableObjOpt", 1);
  CLayerColorPageModel page;
  page.LoadOptions(kCurrent);
  EXPECT_FALSE(page.IsAnonymousTable());
  page.LoadOptions(kGlobal);
  EXPECT_TRUE(page.IsAnonymousTable());
  hive.WriteNumber(kProductPath, u"UseGlobalOption", 1);
  hive.WriteNumber(kProductPath, u"TableObjOpt", 5);
  page.LoadOptions(kCurrent);
  EXPECT_TRUE(page.IsAnonymousTable());
  EXPECT_EQ(page.m_nTableObjOpt, 5);
}

TEST(ScalePageModel, ScaleIndexSelectsAListPosition) {
  struct Case {
    int32_t stored, position, storedBack;
  };
  for (const Case c : {Case{-4, 0, 0}, Case{0, 0, 0}, Case{31, 31, 31}, Case{32, -1, 1}, Case{40, -1, 1}}) {
    TestHive hive;
    hive.WriteNumber(kProductPath, u"CellScaleIndex", c.stored);
    hive.WriteNumber(kProductPath, u"FontScaleIndex", c.stored);
    CScalePageModel page;
    page.LoadOptions(kGlobal);
    EXPECT_EQ(page.m_nCellScaleIndex, c.position) << c.stored;
    EXPECT_EQ(page.m_nFontScaleIndex, c.position) << c.stored;
    ASSERT_TRUE(page.Apply(kGlobal, 1));
    EXPECT_EQ(StoredNumber(hive, kProductPath, u"CellScaleIndex"), c.storedBack);
    EXPECT_EQ(StoredNumber(hive, kProductPath, u"FontScaleIndex"), c.storedBack);
  }
}

// Both scale lists: "Custom", then the presets, each 1 drawing unit for its Excel points.
TEST(ScalePageModel, ThePresetsFillOneDrawingUnitForTheirExcelPoints) {
  struct Preset {
    const char16_t* name;
    double excelPoints;
  };
  const Preset presets[] = {
      {u"Custom", 0},         {u"1:1", 1},          {u"1:2", 2},          {u"1:4", 4},
      {u"1:8", 8},            {u"1:10", 10},        {u"1:16", 16},        {u"1:20", 20},
      {u"1:30", 30},          {u"1:40", 40},        {u"1:50", 50},        {u"1:100", 100},
      {u"2:1", 0.5},          {u"4:1", 0.25},       {u"8:1", 0.125},      {u"10:1", 0.1},
      {u"100:1", 0.01},       {u"1/128\" = 1'0\"", 1536}, {u"1/64\" = 1'0\"", 768}, {u"1/32\" = 1'0\"", 384},
      {u"1/16\" = 1'0\"", 192}, {u"3/32\" = 1'0\"", 128}, {u"1/8\" = 1'0\"", 96}, {u"3/16\" = 1'0\"", 64},
      {u"1/4\" = 1'0\"", 48}, {u"3/8\" = 1'0\"", 32}, {u"1/2\" = 1'0\"", 24}, {u"3/4\" = 1'0\"", 16},
      {u"1\" = 1'0\"", 12},   {u"3\" = 1'0\"", 4},  {u"6\" = 1'0\"", 2},  {u"1'0\" = 1'0\"", 1},
  };
  ASSERT_EQ(kScaleList.size(), std::size(presets));
  for (size_t position = 0; position < std::size(presets); ++position) {
    SCOPED_TRACE(position);
    EXPECT_EQ(std::u16string_view(kScaleList[position].name), presets[position].name);
    CScalePageModel page;
    page.m_dCellDrawingUnits = page.m_dFontDrawingUnits = 3;
    page.m_dCellExcelPoints = page.m_dFontExcelPoints = 7;
    page.ChooseCellScale(static_cast<int32_t>(position));
    page.ChooseFontScale(static_cast<int32_t>(position));
    EXPECT_EQ(page.m_nCellScaleIndex, static_cast<int32_t>(position));
    EXPECT_EQ(page.m_nFontScaleIndex, static_cast<int32_t>(position));
    // "Custom" changes nothing.
    const double units = position == 0 ? 3 : 1;
    const double points = position == 0 ? 7 : presets[position].excelPoints;
    EXPECT_EQ(page.m_dCellDrawingUnits, units);
    EXPECT_EQ(page.m_dCellExcelPoints, points);
    EXPECT_EQ(page.m_dFontDrawingUnits, units);
    EXPECT_EQ(page.m_dFontExcelPoints, points);
  }
}

TEST(ScalePageModel, RealsAreStoredWithSixSignificantDigits) {
  TestHive hive;
  CScalePageModel page;
  page.LoadOptions(kGlobal);
  page.m_dCellDrawingUnits = 0.1234567;
  page.m_dCellExcelPoints = 1e7;
  page.m_dFontDrawingUnits = 0.5;
  ASSERT_TRUE(page.Apply(kGlobal, 1));
  EXPECT_EQ(StoredText(hive, kProductPath, u"CellDrawingUnits"), u"0.123457");
  EXPECT_EQ(StoredText(hive, kProductPath, u"CellExcelPoints"), u"1e+07");
  EXPECT_EQ(StoredText(hive, kProductPath, u"FontDrawingUnits"), u"0.5");
  EXPECT_EQ(StoredText(hive, kProductPath, u"FontExcelPoints"), u"72");
  page.LoadOptions(kGlobal);
  EXPECT_EQ(page.m_dCellDrawingUnits, 0.123457);
}

TEST(ScalePageModel, NonPositiveRealsStoreNothingButThePagePosition) {
  struct Case {
    double cellUnits, fontUnits, cellPoints, fontPoints;
    const char16_t* message;
  };
  const Case cases[] = {
      {0, 1, 72, 72, u"Please enter a positive real in drawing units field."},
      {1, 9e-7, 0, 72, u"Please enter a positive real in drawing units field."},
      {1, 1, 72, -1, u"Please enter a positive real in Excel points field."},
      {1, 1, 5e-7, 72, u"Please enter a positive real in Excel points field."},
  };
  for (const auto& c : cases) {
    TestHive hive;
    RecordingMessages messages;
    CScalePageModel page;
    page.LoadOptions(kGlobal);
    page.m_dCellDrawingUnits = c.cellUnits;
    page.m_dFontDrawingUnits = c.fontUnits;
    page.m_dCellExcelPoints = c.cellPoints;
    page.m_dFontExcelPoints = c.fontPoints;
    EXPECT_FALSE(page.Apply(kGlobal, 1));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(messages.shown[0].style, kMbOk | kMbIconWarning);
    EXPECT_FALSE(hive.Read(kProductPath, u"CellScaleOpt"));
    EXPECT_FALSE(hive.Read(kProductPath, u"CellDrawingUnits"));
    EXPECT_EQ(StoredNumber(hive, kProductPath, u"ActivePageIndex"), 1);
  }
}

TEST(ObjectPageModel, ImportObjRoundTripsEveryBitIncludingMaskText) {
  for (int32_t mask : {0, 16, 127, 128, 2047}) {
    TestHive hive;
    hive.WriteNumber(kProductPath, u"ImportObj", mask);
    CObjectPageModel page;
    page.LoadOptions(kGlobal);
    for (size_t bit = 0; bit < page.m_nImportObj.size(); ++bit)
      EXPECT_EQ(page.m_nImportObj[bit], (mask >> bit) & 1) << mask << " bit " << bit;
    ASSERT_TRUE(page.Apply(kGlobal, 2));
    EXPECT_EQ(StoredNumber(hive, kProductPath, u"ImportObj"), mask);
    EXPECT_EQ(StoredNumber(hive, kProductPath, u"ActivePageIndex"), 2);
  }
  TestHive hive;
  CObjectPageModel page;
  page.LoadOptions(kGlobal);
  EXPECT_EQ(page.ImportObjMask(), 127);  // the default
}

// ---- A profile without settings: what each page shows and what its apply stores ------------
//
// Every field of each page as it opens on an empty profile, and every value its apply then
// writes, in the order written, as the option value table and the pages describe them.

using Field = std::variant<int32_t, double, std::u16string>;
using Fields = std::vector<std::pair<std::string, Field>>;

void ExpectFields(const Fields& actual, const Fields& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].first);
    EXPECT_EQ(actual[i].first, expected[i].first);
    EXPECT_EQ(actual[i].second, expected[i].second);
  }
}

void ExpectWritten(const WrittenValues& actual, const WrittenValues& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(std::string(expected[i].first.begin(), expected[i].first.end()));
    EXPECT_EQ(actual[i].first, expected[i].first);
    EXPECT_EQ(actual[i].second, expected[i].second);
  }
}

// Runs a page's apply on the hive with every written value noted.
template <typename Page>
WrittenValues ApplyLogged(TestHive& hive, Page& page, int32_t activePage) {
  WriteLog log(hive.Hive());
  CRegistry::SetHive(&log);
  const bool applied = page.Apply(kGlobal, activePage);
  CRegistry::SetHive(&hive.Hive());
  EXPECT_TRUE(applied);
  return log.values;
}

TEST(PageModels, LayerColorPageOnAnEmptyProfile) {
  TestHive hive;
  CLayerColorPageModel page;
  page.LoadOptions(kGlobal);
  ExpectFields({{"Border", page.m_strBorderLayer},
                {"Text", page.m_strTextLayer},
                {"Shape", page.m_strShapeLayer},
                {"Image", page.m_strImageLayer},
                {"Fill", page.m_strFillLayer},
                {"FillColorByLayer", page.m_nFillColorByLayer},
                {"LineClrOpt", page.m_nLineClrOpt},
                {"TextClrOpt", page.m_nTextClrOpt},
                {"Thin", page.m_nThinColor},
                {"Thick", page.m_nThickColor},
                {"Regular", page.m_nRegularColor},
                {"Bold", page.m_nBoldColor},
                {"TableObjOpt", page.m_nTableObjOpt}},
               {{"Border", u""},
                {"Text", u""},
                {"Shape", u""},
                {"Image", u""},
                {"Fill", u""},
                {"FillColorByLayer", 0},
                {"LineClrOpt", 1},
                {"TextClrOpt", 1},
                {"Thin", 0},
                {"Thick", 0},
                {"Regular", 0},
                {"Bold", 0},
                {"TableObjOpt", 0}});
  ExpectWritten(ApplyLogged(hive, page, 0), {{u"BorderLayer", u"*"},
                                             {u"TextLayer", u"*"},
                                             {u"AutoShapeLayer", u"*"},
                                             {u"ImageLayer", u"*"},
                                             {u"FillLayer", u"*"},
                                             {u"FillColorByLayer", 0},
                                             {u"LineClrOpt", 1},
                                             {u"TextClrOpt", 1},
                                             {u"ThickColorIndex", 1},
                                             {u"ThinColorIndex", 1},
                                             {u"RegularColorIndex", 1},
                                             {u"BoldColorIndex", 1},
                                             {u"ActivePageIndex", 0}});
}

TEST(PageModels, ScalePageOnAnEmptyProfile) {
  TestHive hive;
  CScalePageModel page;
  page.LoadOptions(kGlobal);
  ExpectFields({{"CellScaleOpt", page.m_nCellScaleOpt},
                {"CellScaleIndex", page.m_nCellScaleIndex},
                {"CellDrawingUnits", page.m_dCellDrawingUnits},
                {"CellExcelPoints", page.m_dCellExcelPoints},
                {"DefineCellWidthsHeights", page.m_nDefineCellWidthsHeights},
                {"FontScaleOpt", page.m_nFontScaleOpt},
                {"FontScaleIndex", page.m_nFontScaleIndex},
                {"FontDrawingUnits", page.m_dFontDrawingUnits},
                {"FontExcelPoints", page.m_dFontExcelPoints},
                {"DefineFontSizes", page.m_nDefineFontSizes}},
               {{"CellScaleOpt", 1},
                {"CellScaleIndex", 0},
                {"CellDrawingUnits", 1.0},
                {"CellExcelPoints", 72.0},
                {"DefineCellWidthsHeights", 0},
                {"FontScaleOpt", 0},
                {"FontScaleIndex", 0},
                {"FontDrawingUnits", 1.0},
                {"FontExcelPoints", 72.0},
                {"DefineFontSizes", 0}});
  ExpectWritten(ApplyLogged(hive, page, 1), {{u"CellScaleOpt", 1},
                                             {u"CellScaleIndex", 0},
                                             {u"FontScaleOpt", 0},
                                             {u"FontScaleIndex", 0},
                                             {u"CellDrawingUnits", u"1"},
                                             {u"CellExcelPoints", u"72"},
                                             {u"FontDrawingUnits", u"1"},
                                             {u"FontExcelPoints", u"72"},
                                             {u"DefineCellWidthsHeights", 0},
                                             {u"DefineFontSizes", 0},
                                             {u"ActivePageIndex", 1}});
}

TEST(PageModels, ObjectPageOnAnEmptyProfile) {
  TestHive hive;
  CObjectPageModel page;
  page.LoadOptions(kGlobal);
  const auto& bits = page.m_nImportObj;
  ExpectFields({{"TableObjOpt", page.m_nTableObjOpt},
                {"BorderObjOpt", page.m_nBorderObjOpt},
                {"UseFontOpt", page.m_nUseFontOpt},
                {"TextObjOpt", page.m_nTextObjOpt},
                {"Border", bits[0]},
                {"Text", bits[1]},
                {"Pattern", bits[2]},
                {"Shading", bits[3]},
                {"AutoShape", bits[4]},
                {"Picture", bits[5]},
                {"Chart", bits[6]},
                {"Mask Text", bits[7]},
                {"Form Control", bits[8]},
                {"White Border", bits[9]},
                {"White Shading", bits[10]},
                {"TableHasTitle", page.m_nTableHasTitle},
                {"TableHasHeader", page.m_nTableHasHeader},
                {"ApplyTableStyleTextAlign", page.m_nApplyTableStyleTextAlign}},
               {{"TableObjOpt", 0},
                {"BorderObjOpt", 0},
                {"UseFontOpt", 1},
                {"TextObjOpt", 0},
                {"Border", 1},
                {"Text", 1},
                {"Pattern", 1},
                {"Shading", 1},
                {"AutoShape", 1},
                {"Picture", 1},
                {"Chart", 1},
                {"Mask Text", 0},
                {"Form Control", 0},
                {"White Border", 0},
                {"White Shading", 0},
                {"TableHasTitle", 1},
                {"TableHasHeader", 1},
                {"ApplyTableStyleTextAlign", 0}});
  ExpectWritten(ApplyLogged(hive, page, 2), {{u"TableObjOpt", 0},
                                             {u"BorderObjOpt", 0},
                                             {u"UseFontOpt", 1},
                                             {u"TextObjOpt", 0},
                                             {u"TableHasTitle", 1},
                                             {u"TableHasHeader", 1},
                                             {u"ApplyTableStyleTextAlign", 0},
                                             {u"ImportObj", 127},
                                             {u"ActivePageIndex", 2}});
}

TEST(PageModels, OtherPageOnAnEmptyProfile) {
  TestHive hive;
  test::TestShell shell(u"C:\\Users\\me\\Documents");
  COtherPageModel page;
  page.LoadOptions(kGlobal);
  ExpectFields({{"RotationDegree", page.m_dRotationDegree},
                {"LinkPathType", page.m_nLinkPathType},
                {"PicturesFolder", page.m_strPicturesFolder},
                {"HasShiftChar", page.m_nHasShiftChar},
                {"ShiftChar", page.m_strShiftChar},
                {"ShiftPoints", page.m_dShiftPoints},
                {"OnlyPrintArea", page.m_nOnlyPrintArea},
                {"UseRangeName", page.m_nUseRangeName},
                {"EmbedWorkbook", page.m_nEmbedWorkbook},
                {"Paragraph", page.m_nParagraph},
                {"LineSpacing", page.m_strLineSpacing},
                {"InsertionPointType", page.m_nInsertionPointType},
                {"insertion point enabled", page.m_nInsertionPointEnabled}},
               {{"RotationDegree", 0.0},
                {"LinkPathType", 0},
                {"PicturesFolder", u"C:\\Users\\me\\Documents\\Vellumark Pictures\\"},
                {"HasShiftChar", 0},
                {"ShiftChar", u"gjqpy"},
                {"ShiftPoints", 0.0},
                {"OnlyPrintArea", 0},
                {"UseRangeName", 0},
                {"EmbedWorkbook", 0},
                {"Paragraph", 0},
                {"LineSpacing", u"1.16"},  // shown without its sign
                {"InsertionPointType", 0},
                {"insertion point enabled", 1}});
  ExpectWritten(ApplyLogged(hive, page, 3), {{u"RotationDegree", u"0"},
                                             {u"InsertionPointType", 0},
                                             {u"PicturesFolder", u"C:\\Users\\me\\Documents\\Vellumark Pictures\\"},
                                             {u"LinkPathType", 0},
                                             {u"HasShiftChar", 0},
                                             {u"ShiftChar", u"gjqpy"},
                                             {u"OnlyPrintArea", 0},
                                             {u"UseRangeName", 0},
                                             {u"EmbedWorkbook", 0},
                                             {u"ShiftPoints", u"0"},
                                             {u"LineSpacing", u"-1.16"},
                                             {u"ActivePageIndex", 3}});
}

}  // namespace
}  // namespace vk

#include "settings/option_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "text/real_text.h"
#include "test_hive.h"

namespace vk {
namespace {

using test::kCurrentOptionsPath;
using test::kProductPath;
using test::TestHive;

// Every value the settings store knows, written out from the product's documentation of the
// store: place, type and default. The table in the code must say exactly this.
TEST(OptionTable, HoldsEveryValueWithItsPlaceTypeAndDefault) {
  constexpr auto P = OptionPlace::Product;
  constexpr auto O = OptionPlace::Option;
  constexpr auto N = OptionType::Number;
  constexpr auto T = OptionType::Text;
  constexpr auto R = OptionType::Real;
  constexpr auto L = OptionType::List;
  const OptionValueInfo expected[] = {
      {u"FuncState", P, N, 0, {}},        {u"UseGlobalOption", P, N, 0, {}},
      {u"ActivePageIndex", P, N, 0, {}},  {u"OptionFileFolder", P, T, 0, u""},
      {u"CurDrawingFolder", P, T, 0, u""}, {u"SaveLatestFolder", P, N, 1, {}},
      {u"LatestFolder", P, T, 0, u""},    {u"LogImport", P, N, 0, {}},
      {u"ShowError", P, N, 1, {}},        {u"SupportWMF", P, N, 1, {}},
      {u"BorderLayer", O, T, 0, u""},     {u"TextLayer", O, T, 0, u""},
      {u"AutoShapeLayer", O, T, 0, u""},  {u"ImageLayer", O, T, 0, u""},
      {u"FillLayer", O, T, 0, u""},       {u"LineClrOpt", O, N, 1, {}},
      {u"TextClrOpt", O, N, 1, {}},       {u"ThinColorIndex", O, N, 0, {}},
      {u"ThickColorIndex", O, N, 0, {}},  {u"RegularColorIndex", O, N, 0, {}},
      {u"BoldColorIndex", O, N, 0, {}},   {u"FillColorByLayer", O, N, 0, {}},
      {u"TableObjOpt", O, N, 0, {}},      {u"BorderObjOpt", O, N, 0, {}},
      {u"UseFontOpt", O, N, 1, {}},       {u"TextObjOpt", O, N, 0, {}},
      {u"TableHasTitle", O, N, 1, {}},    {u"TableHasHeader", O, N, 1, {}},
      {u"ApplyTableStyleTextAlign", O, N, 0, {}}, {u"ImportObj", O, N, 127, {}},
      {u"CellScaleOpt", O, N, 1, {}},     {u"CellScaleIndex", O, N, 0, {}},
      {u"FontScaleOpt", O, N, 0, {}},     {u"FontScaleIndex", O, N, 0, {}},
      {u"CellDrawingUnits", O, R, 0, u"1"}, {u"CellExcelPoints", O, R, 0, u"72"},
      {u"FontDrawingUnits", O, R, 0, u"1"}, {u"FontExcelPoints", O, R, 0, u"72"},
      {u"DefineCellWidthsHeights", O, N, 0, {}}, {u"DefineFontSizes", O, N, 0, {}},
      {u"FontSizes", O, L, 0, u""},       {u"ColumnWidths", O, L, 0, u""},
      {u"RowHeights", O, L, 0, u""},      {u"RotationDegree", O, R, 0, u"0"},
      {u"PicturesFolder", P, T, 0, u""},  {u"LinkPathType", P, N, 0, {}},
      {u"InsertionPointType", OptionPlace::ReadProductWriteOption, N, 0, {}},
      {u"HasShiftChar", P, N, 0, {}},     {u"ShiftChar", P, T, 0, u"gjqpy"},
      {u"ShiftPoints", P, R, 0, u"0"},    {u"OnlyPrintArea", O, N, 0, {}},
      {u"UseRangeName", O, N, 0, {}},     {u"EmbedWorkbook", P, N, 0, {}},
      {u"LineSpacing", O, R, 0, u"-1.16"},
  };
  std::map<std::u16string_view, const OptionValueInfo*> actual;
  for (const OptionValueInfo& row : AllOptionValues()) EXPECT_TRUE(actual.emplace(row.name, &row).second);
  EXPECT_EQ(actual.size(), std::size(expected));
  for (const OptionValueInfo& want : expected) {
    SCOPED_TRACE(std::string(want.name.begin(), want.name.end()));
    const auto it = actual.find(want.name);
    ASSERT_NE(it, actual.end());
    EXPECT_EQ(it->second->place, want.place);
    EXPECT_EQ(it->second->type, want.type);
    EXPECT_EQ(it->second->numberDefault, want.numberDefault);
    EXPECT_EQ(it->second->textDefault, want.textDefault);
  }
}

// The eleven ImportObj bits with the caption and control id of the check box of each.
TEST(OptionTable, ImportObjBitsWithTheirCheckBoxes) {
  const ImportObjBit expected[] = {
      {1, u"Border", 1007},        {2, u"Text", 1008},          {4, u"Pattern", 202},
      {8, u"Shading", 1009},       {16, u"AutoShape", 220},     {32, u"Picture", 230},
      {64, u"Chart", 231},         {128, u"Mask Text", 207},    {256, u"Form Control", 263},
      {512, u"White Border", 264}, {1024, u"White Shading", 265},
  };
  ASSERT_EQ(std::size(kImportObjBitTable), std::size(expected));
  for (size_t bit = 0; bit < std::size(expected); ++bit) {
    SCOPED_TRACE(bit);
    EXPECT_EQ(kImportObjBitTable[bit].value, expected[bit].value);
    EXPECT_EQ(kImportObjBitTable[bit].caption, expected[bit].caption);
    EXPECT_EQ(kImportObjBitTable[bit].controlId, expected[bit].controlId);
  }
  EXPECT_EQ(options::kImportObj.defaultValue, 127);
}

// A missing value in the current set reads as the value's default, never as the global value.
TEST(OptionTable, ReadsEachValueFromItsPlace) {
  TestHive hive;
  hive.WriteNumber(kProductPath, u"ImportObj", 16);
  hive.WriteNumber(kProductPath, u"OnlyPrintArea", 1);
  hive.WriteText(kProductPath, u"CellExcelPoints", u"36");
  EXPECT_EQ(ReadOption(options::kImportObj, kCurrentOptionsKey), 127);
  EXPECT_EQ(ReadOption(options::kOnlyPrintArea, kCurrentOptionsKey), 0);
  EXPECT_EQ(ReadOption(options::kCellExcelPoints, kCurrentOptionsKey), 72.0);
  EXPECT_EQ(ReadOption(options::kImportObj, kProductKey), 16);
  EXPECT_EQ(ReadOption(options::kCellExcelPoints, kProductKey), 36.0);
  EXPECT_EQ(ReadOption(options::kLineSpacing, kCurrentOptionsKey), -1.16);
  EXPECT_EQ(ReadOption(options::kShiftChar), u"gjqpy");

  // Product values ignore the option key; InsertionPointType is read from the product key and
  // written to the option key.
  EXPECT_TRUE(WriteOption(options::kLinkPathType, kCurrentOptionsKey, 2));
  EXPECT_EQ(hive.Read(kProductPath, u"LinkPathType")->data, (std::vector<uint8_t>{2, 0, 0, 0}));
  EXPECT_FALSE(hive.Read(kCurrentOptionsPath, u"LinkPathType"));
  hive.WriteNumber(kProductPath, u"InsertionPointType", 3);
  EXPECT_EQ(ReadOption(options::kInsertionPointType, kCurrentOptionsKey), 3);
  EXPECT_TRUE(WriteOption(options::kInsertionPointType, kCurrentOptionsKey, 1));
  EXPECT_EQ(hive.Read(kCurrentOptionsPath, u"InsertionPointType")->data, (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(ReadOption(options::kInsertionPointType, kCurrentOptionsKey), 3);
}

TEST(OptionTable, RealsAreWrittenWithSixSignificantDigits) {
  TestHive hive;
  struct Case {
    double value;
    const char16_t* stored;
  } cases[] = {
      {0.1234567, u"0.123457"}, {0.5, u"0.5"}, {72, u"72"}, {-1.16, u"-1.16"}, {1234567, u"1.23457e+06"},
      {0.0001, u"0.0001"}, {0.00001, u"1e-05"}, {0, u"0"}, {100000, u"100000"}, {1e100, u"1e+100"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value);
    EXPECT_TRUE(WriteOption(options::kCellDrawingUnits, kCurrentOptionsKey, c.value));
    EXPECT_EQ(ReadOptionText(options::kCellDrawingUnits, kCurrentOptionsKey), c.stored);
    EXPECT_EQ(ReadOption(options::kCellDrawingUnits, kCurrentOptionsKey), ParseReal(c.stored));
  }
  EXPECT_EQ(ReadOption(options::kCellDrawingUnits, kCurrentOptionsKey), 1e100);
}

TEST(OptionTable, RealTextReadsAsFarAsItIsANumber) {
  struct Case {
    const char16_t* text;
    double value;
  } cases[] = {
      {u"2.5", 2.5},    {u"  -3.25mm", -3.25}, {u"+4", 4},         {u"1e2", 100},   {u"1e", 1},
      {u".5", 0.5},     {u"5.", 5},            {u"1.2.3", 1.2},    {u"abc", 0},     {u"", 0},
      {u"-", 0},        {u".", 0},             {u"--1", 0},        {u"inf", 0},     {u"nan", 0},
      {u"0x10", 0},     {u"7\u00bd", 7},       {u"1e999", HUGE_VAL}, {u"-1e999", -HUGE_VAL}, {u"1e-999", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
    EXPECT_EQ(ParseReal(c.text), c.value);
  }
}

}  // namespace
}  // namespace vk

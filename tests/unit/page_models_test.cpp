// The page models against a fresh hive: in memory natively, the real registry under Wine.
#include <gtest/gtest.h>

#include <variant>

#include "recording_messages.h"
#include "settings/layer_color_page_model.h"
#include "settings/object_page_model.h"
#include "settings/option_table.h"
#include "settings/scale_page_model.h"
#include "test_hive.h"

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

// Wraps a hive and notes the name of every value written, in order.
class WriteLog final : public RegistryHive {
 public:
  explicit WriteLog(RegistryHive& inner) : m_inner(inner) {}
  std::unique_ptr<RegistryKey> OpenRoot(RegistryRoot root) override { return Wrap(m_inner.OpenRoot(root)); }
  std::vector<std::u16string> names;

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
      m_log.names.emplace_back(name);
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

TEST(LayerColorPageModel, AnEmptyProfileLoadsTheDefaults) {
  TestHive hive;
  CLayerColorPageModel page;
  page.m_nLineClrOpt = 0;  // a field that the page passes as the default it reads with
  page.LoadOptions(kGlobal);
  CLayerColorPageModel expected;
  expected.m_nLineClrOpt = 0;
  EXPECT_EQ(page, expected);
  EXPECT_TRUE(page.IsAnonymousTable());
}

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

TEST(ScalePageModel, AnEmptyProfileLoadsTheRegistryDefaults) {
  TestHive hive;
  CScalePageModel page;
  page.LoadOptions(kGlobal);
  CScalePageModel expected;
  expected.m_dCellDrawingUnits = expected.m_dFontDrawingUnits = 1;
  expected.m_dCellExcelPoints = expected.m_dFontExcelPoints = 72;
  EXPECT_EQ(page, expected);
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

TEST(PageModels, StoreTheirValuesInTheirOrder) {
  TestHive hive;
  WriteLog log(hive.Hive());
  CRegistry::SetHive(&log);
  CLayerColorPageModel().SaveOptions(kGlobal);
  CScalePageModel().SaveOptions(kGlobal);
  CObjectPageModel().SaveOptions(kGlobal);
  CRegistry::SetHive(&hive.Hive());
  const std::vector<std::u16string> expected = {
      u"BorderLayer", u"TextLayer", u"AutoShapeLayer", u"ImageLayer", u"FillLayer", u"FillColorByLayer",
      u"LineClrOpt", u"TextClrOpt", u"ThickColorIndex", u"ThinColorIndex", u"RegularColorIndex", u"BoldColorIndex",
      u"CellScaleOpt", u"CellScaleIndex", u"FontScaleOpt", u"FontScaleIndex", u"CellDrawingUnits",
      u"CellExcelPoints", u"FontDrawingUnits", u"FontExcelPoints", u"DefineCellWidthsHeights", u"DefineFontSizes",
      u"TableObjOpt", u"BorderObjOpt", u"UseFontOpt", u"TextObjOpt", u"TableHasTitle", u"TableHasHeader",
      u"ApplyTableStyleTextAlign", u"ImportObj",
  };
  EXPECT_EQ(log.names, expected);
}

}  // namespace
}  // namespace vk

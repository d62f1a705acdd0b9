#include "settings/options_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>

#include "settings/layer_color_page_model.h"
#include "settings/object_page_model.h"
#include "settings/options_archive.h"
#include "settings/other_page_model.h"
#include "settings/scale_page_model.h"
#include "recording_messages.h"
#include "settings/option_table.h"
#include "test_hive.h"
#include "ui/user_messages.h"

namespace vk {
namespace {

using Bytes = std::vector<uint8_t>;

struct Pages {
  CLayerColorPageModel layer;
  CScalePageModel scale;
  CObjectPageModel object;
  COtherPageModel other;
  OptionsPages Ref() { return {layer, scale, object, other}; }
  friend bool operator==(const Pages&, const Pages&) = default;
};

// Every field away from its initial value, so that a field that is lost or swapped shows.
Pages Distinct() {
  Pages p;
  p.layer.m_strBorderLayer = u"Borders";
  p.layer.m_strTextLayer = u"\u6587\u5B57";
  p.layer.m_strShapeLayer = u"Shapes";
  p.layer.m_strImageLayer = u"Images";
  p.layer.m_strFillLayer = u"Fills";
  p.layer.m_nFillColorByLayer = 1;
  p.layer.m_nLineClrOpt = 2;
  p.layer.m_nTextClrOpt = 0;
  p.layer.m_nThinColor = 3;
  p.layer.m_nThickColor = 4;
  p.layer.m_nRegularColor = 5;
  p.layer.m_nBoldColor = 255;
  p.scale.m_nCellScaleOpt = 0;
  p.scale.m_nCellScaleIndex = 7;
  p.scale.m_dCellDrawingUnits = 2.5;
  p.scale.m_dCellExcelPoints = 36;
  p.scale.m_nFontScaleOpt = 1;
  p.scale.m_nFontScaleIndex = -1;
  p.scale.m_dFontDrawingUnits = 0.125;
  p.scale.m_dFontExcelPoints = 96;
  p.object.m_nTableObjOpt = 1;
  p.object.m_nBorderObjOpt = 1;
  p.object.m_nUseFontOpt = 0;
  p.object.m_nTextObjOpt = 1;
  p.object.m_nImportObj = {1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1};  // mask 1365: Mask Text clear
  p.object.m_nTableHasTitle = 0;
  p.object.m_nTableHasHeader = 1;
  p.object.m_nApplyTableStyleTextAlign = 1;
  p.other.m_dRotationDegree = 90;
  p.other.m_nLinkPathType = 2;
  p.other.m_strPicturesFolder = u"C:\\Pictures\\";
  p.other.m_nHasShiftChar = 1;
  p.other.m_strShiftChar = u"gq";
  p.other.m_dShiftPoints = 1.5;
  return p;
}

Bytes I32(int32_t v) {
  auto u = static_cast<uint32_t>(v);
  return {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
          static_cast<uint8_t>(u >> 24)};
}
// A double whose low six bytes are zero, given by its two high bytes.
Bytes D(uint8_t b6, uint8_t b7) { return {0, 0, 0, 0, 0, 0, b6, b7}; }
const Bytes kEmpty = {0xFF, 0xFE, 0xFF, 0x00};

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Signature() {
  Bytes b = {0xFF, 0xFE, 0xFF, 0x11};
  for (char c : std::string("Vellumark Options")) b.insert(b.end(), {static_cast<uint8_t>(c), 0});
  return b;
}

TEST(OptionsFile, WritesTheLayoutByteForByte) {
  Pages p = Distinct();
  p.layer.m_strBorderLayer = p.layer.m_strTextLayer = p.layer.m_strShapeLayer = u"";
  p.layer.m_strImageLayer = p.layer.m_strFillLayer = u"";
  p.object.m_nImportObj[7] = 1;  // the never-shown Mask Text is part of the written mask
  p.other.m_strPicturesFolder.clear();
  p.other.m_strShiftChar = u" \t ";  // only white space: written empty
  p.other.m_nLinkPathType = -1;      // no selection: written as 0

  const Bytes expected = Cat({
      Signature(), I32(6),
      // Layer & Color: five layers, FillColorByLayer, LineClrOpt, TextClrOpt, thin, thick, regular, bold
      kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, I32(1), I32(2), I32(0), I32(3), I32(4), I32(5), I32(255),
      // Scale
      I32(0), I32(7), D(0x04, 0x40), D(0x42, 0x40), I32(1), I32(-1), D(0xC0, 0x3F), D(0x58, 0x40),
      // Object & Font Map: four options, seven boxes, the whole mask, white border/shading, three table boxes
      I32(1), I32(1), I32(0), I32(1), I32(1), I32(0), I32(1), I32(0), I32(1), I32(0), I32(1),
      I32(1 | 4 | 16 | 64 | 128 | 256 | 1024), I32(0), I32(1), I32(0), I32(1), I32(1),
      // Other: rotation, link path type, pictures folder, shift flag, shift characters, rotation, shift points
      {0, 0, 0, 0, 0, 0x80, 0x56, 0x40}, I32(0), kEmpty, I32(1), kEmpty, {0, 0, 0, 0, 0, 0x80, 0x56, 0x40},
      D(0xF8, 0x3F),
  });
  const Bytes written = COptionsFile::Write(p.Ref());
  ASSERT_EQ(written.size(), 246u);
  EXPECT_EQ(written, expected);
}

TEST(OptionsFile, RoundTripsEveryField) {
  Pages source = Distinct();
  Pages target;
  ASSERT_EQ(COptionsFile::Read(COptionsFile::Write(source.Ref()), target.Ref()), COptionsFile::ReadResult::Ok);
  EXPECT_EQ(target, source);

  // Mask Text is not in the file and the insertion point, line spacing and range options live
  // only in the registry: a read leaves them as the page has them.
  source.object.m_nImportObj[7] = 1;
  source.other.m_nOnlyPrintArea = 1;
  source.other.m_strLineSpacing = u"2";
  Pages kept;
  ASSERT_EQ(COptionsFile::Read(COptionsFile::Write(source.Ref()), kept.Ref()), COptionsFile::ReadResult::Ok);
  EXPECT_EQ(kept.object.m_nImportObj[7], 0);
  EXPECT_EQ(kept.other.m_nOnlyPrintArea, 0);
  EXPECT_EQ(kept.other.m_strLineSpacing, u"-1.16");
}

// The bytes of a file of the given version, laid out field by field as the file format gives
// them, with the fields that version carries. Older files were written with 8-bit strings; the
// reader takes both kinds whatever the version, so versions below 3 use them here.
Bytes F64(double v) {
  const auto u = std::bit_cast<uint64_t>(v);
  Bytes b;
  for (int i = 0; i < 8; ++i) b.push_back(static_cast<uint8_t>(u >> (8 * i)));
  return b;
}
Bytes Str(const std::u16string& text, bool eightBit) {
  Bytes b;
  if (eightBit) {
    b.push_back(static_cast<uint8_t>(text.size()));
    for (char16_t c : text) b.push_back(static_cast<uint8_t>(c));  // ASCII only in these files
    return b;
  }
  b = {0xFF, 0xFE, 0xFF, static_cast<uint8_t>(text.size())};
  for (char16_t c : text) b.insert(b.end(), {static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8)});
  return b;
}

Bytes FileOfVersion(int32_t version, const Pages& p) {
  const bool eightBit = version < 3;
  auto text = [&](const std::u16string& t) { return Str(t, eightBit); };
  const auto& l = p.layer;
  const auto& sc = p.scale;
  const auto& o = p.object;
  const auto& ot = p.other;
  Bytes b = Cat({Signature(), I32(version), text(l.m_strBorderLayer), text(l.m_strTextLayer)});
  if (version >= 2) b = Cat({b, text(l.m_strShapeLayer), text(l.m_strImageLayer)});
  if (version >= 3) b = Cat({b, text(l.m_strFillLayer)});
  if (version >= 4) b = Cat({b, I32(l.m_nFillColorByLayer)});
  b = Cat({b, I32(l.m_nLineClrOpt), I32(l.m_nTextClrOpt), I32(l.m_nThinColor), I32(l.m_nThickColor),
           I32(l.m_nRegularColor), I32(l.m_nBoldColor)});
  b = Cat({b, I32(sc.m_nCellScaleOpt), I32(sc.m_nCellScaleIndex), F64(sc.m_dCellDrawingUnits),
           F64(sc.m_dCellExcelPoints), I32(sc.m_nFontScaleOpt), I32(sc.m_nFontScaleIndex),
           F64(sc.m_dFontDrawingUnits), F64(sc.m_dFontExcelPoints)});
  b = Cat({b, I32(o.m_nTableObjOpt), I32(o.m_nBorderObjOpt), I32(o.m_nUseFontOpt), I32(o.m_nTextObjOpt)});
  for (int bit = 0; bit < 7; ++bit) b = Cat({b, I32(o.m_nImportObj[bit])});
  if (version >= 5) {
    int32_t mask = 0;
    for (int bit = 0; bit < 11; ++bit) mask |= o.m_nImportObj[bit] << bit;
    b = Cat({b, I32(mask), I32(o.m_nImportObj[9]), I32(o.m_nImportObj[10])});
  }
  if (version >= 6)
    b = Cat({b, I32(o.m_nTableHasTitle), I32(o.m_nTableHasHeader), I32(o.m_nApplyTableStyleTextAlign)});
  if (version >= 2)
    // The rotation comes twice; a reader keeps the second.
    b = Cat({b, F64(ot.m_dRotationDegree + 1), I32(ot.m_nLinkPathType), text(ot.m_strPicturesFolder),
             I32(ot.m_nHasShiftChar), text(ot.m_strShiftChar), F64(ot.m_dRotationDegree), F64(ot.m_dShiftPoints)});
  return b;
}

TEST(OptionsFile, ReadsEachVersionWithTheFieldsItCarries) {
  for (int32_t version : {-3, 0, 1, 2, 3, 4, 5, 6, 7}) {
    SCOPED_TRACE(version);
    Pages fromFile = Distinct();
    fromFile.layer.m_strTextLayer = u"Text";  // 8-bit in the older files
    const Bytes bytes = FileOfVersion(version, fromFile);
    const Pages before;  // what the pages hold before the load
    Pages pages;
    const auto result = COptionsFile::Read(bytes, pages.Ref());
    if (version > 6) {
      EXPECT_EQ(result, COptionsFile::ReadResult::NotValid);
      EXPECT_EQ(pages, before);
      continue;
    }
    ASSERT_EQ(result, COptionsFile::ReadResult::Ok);
    Pages expected = fromFile;
    if (version < 2) {
      expected.layer.m_strShapeLayer.clear();
      expected.layer.m_strImageLayer.clear();
      expected.other = before.other;
    }
    if (version < 3) expected.layer.m_strFillLayer.clear();
    if (version < 4) expected.layer.m_nFillColorByLayer = before.layer.m_nFillColorByLayer;
    expected.object.m_nImportObj[7] = before.object.m_nImportObj[7];
    if (version < 5) {
      for (int bit : {8, 9, 10}) expected.object.m_nImportObj[bit] = before.object.m_nImportObj[bit];
    }
    if (version < 6) {
      expected.object.m_nTableHasTitle = before.object.m_nTableHasTitle;
      expected.object.m_nTableHasHeader = before.object.m_nTableHasHeader;
      expected.object.m_nApplyTableStyleTextAlign = before.object.m_nApplyTableStyleTextAlign;
    }
    EXPECT_EQ(pages.layer, expected.layer);
    EXPECT_EQ(pages.scale, expected.scale);
    EXPECT_EQ(pages.object, expected.object);
    EXPECT_EQ(pages.other, expected.other);
  }
}

TEST(OptionsFile, FormControlComesFromTheMaskAndListPositionsAreSelected) {
  Pages probe = Distinct();
  probe.layer = CLayerColorPageModel{};  // empty layer names: the object section starts at byte 138
  const size_t maskAt = 138 + 11 * 4;
  Bytes bytes = COptionsFile::Write(probe.Ref());
  ASSERT_EQ(Bytes(bytes.begin() + maskAt, bytes.begin() + maskAt + 4), I32(probe.object.ImportObjMask()));

  // The other bits of the mask have fields of their own, which win.
  struct Case {
    int32_t mask;
    int32_t formControl;
  };
  for (const Case c : {Case{0x7FF & ~0x100, 0}, Case{0x100, 1}}) {
    const Bytes mask = I32(c.mask);
    std::copy(mask.begin(), mask.end(), bytes.begin() + maskAt);
    Pages pages;
    ASSERT_EQ(COptionsFile::Read(bytes, pages.Ref()), COptionsFile::ReadResult::Ok);
    EXPECT_EQ(pages.object.m_nImportObj, (std::array<int32_t, 11>{1, 0, 1, 0, 1, 0, 1, 0, c.formControl, 0, 1}));
  }

  // Positions beyond the lists leave them without a selection.
  probe = Distinct();
  probe.scale.m_nCellScaleIndex = 32;
  probe.scale.m_nFontScaleIndex = 31;
  probe.other.m_nLinkPathType = 3;
  Pages p;
  ASSERT_EQ(COptionsFile::Read(COptionsFile::Write(probe.Ref()), p.Ref()), COptionsFile::ReadResult::Ok);
  EXPECT_EQ(p.scale.m_nCellScaleIndex, -1);
  EXPECT_EQ(p.scale.m_nFontScaleIndex, 31);
  EXPECT_EQ(p.other.m_nLinkPathType, -1);

  // The colour lists likewise: 256 items of the default table, 257 once the receiver's palette
  // is shown.
  probe.layer.m_nThinColor = 256;
  probe.layer.m_nThickColor = -2;
  probe.layer.m_nRegularColor = 0;
  probe.layer.m_nBoldColor = 255;
  const Bytes withColours = COptionsFile::Write(probe.Ref());
  Pages colours;
  ASSERT_EQ(COptionsFile::Read(withColours, colours.Ref()), COptionsFile::ReadResult::Ok);
  EXPECT_EQ(colours.layer.m_nThinColor, -1);
  EXPECT_EQ(colours.layer.m_nThickColor, -1);
  EXPECT_EQ(colours.layer.m_nRegularColor, 0);
  EXPECT_EQ(colours.layer.m_nBoldColor, 255);
  Pages palette;
  palette.layer.m_nColourCount = 257;
  ASSERT_EQ(COptionsFile::Read(withColours, palette.Ref()), COptionsFile::ReadResult::Ok);
  EXPECT_EQ(palette.layer.m_nThinColor, 256);
}

TEST(OptionsFile, SignatureIsComparedAsText) {
  Pages source = Distinct();
  const Bytes written = COptionsFile::Write(source.Ref());
  const Bytes sections(written.begin() + 38, written.end());  // version and the four sections

  Bytes eightBit = {0x11};
  for (char c : std::string("Vellumark Options")) eightBit.push_back(static_cast<uint8_t>(c));
  Pages pages;
  ASSERT_EQ(COptionsFile::Read(Cat({eightBit, sections}), pages.Ref()), COptionsFile::ReadResult::Ok);
  EXPECT_EQ(pages, source);

  for (const char* wrong : {"vellumark Options", "Vellumark Options ", "Vellumark"}) {
    COptionsArchive ar;
    const std::string s(wrong);
    ar.WriteString(std::u16string(s.begin(), s.end()));
    Pages untouched;
    EXPECT_EQ(COptionsFile::Read(Cat({ar.Bytes(), sections}), untouched.Ref()), COptionsFile::ReadResult::NotValid) << wrong;
    EXPECT_EQ(untouched, Pages{});
  }
}

TEST(OptionsFile, ATruncatedFileIsAReadErrorAndChangesNothing) {
  Pages source = Distinct();
  const Bytes written = COptionsFile::Write(source.Ref());
  for (size_t n = 0; n < written.size(); ++n) {
    Pages pages;
    EXPECT_EQ(COptionsFile::Read(Bytes(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(n)), pages.Ref()),
              COptionsFile::ReadResult::ReadError)
        << n;
    EXPECT_EQ(pages, Pages{}) << n;
  }
}

class OptionsFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() /
            ("vk_options_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }
  std::u16string Path(const char* name) const { return (m_dir / name).u16string(); }

  std::filesystem::path m_dir;
  test::TestHive m_hive;
  test::RecordingMessages m_messages;
};

TEST_F(OptionsFileOnDisk, SavesAndLoadsARealFile) {
  Pages source = Distinct();
  ASSERT_TRUE(COptionsFile::Save(Path("set.opt"), source.Ref()));
  EXPECT_EQ(std::filesystem::file_size(m_dir / "set.opt"), COptionsFile::Write(source.Ref()).size());
  Pages loaded;
  ASSERT_TRUE(COptionsFile::Load(Path("set.opt"), loaded.Ref()));
  EXPECT_EQ(loaded, source);
  EXPECT_TRUE(m_messages.shown.empty());
  EXPECT_EQ(ReadOption(options::kOptionFileFolder), Path("set.opt").substr(0, Path("set.opt").size() - 7));
}

TEST_F(OptionsFileOnDisk, ReportsEachFailureOnceAndKeepsThePages) {
  Pages source = Distinct();
  Bytes bytes = COptionsFile::Write(source.Ref());
  bytes[38] = 7;  // version 7
  std::ofstream(m_dir / "v7.opt", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                          static_cast<std::streamsize>(bytes.size()));
  bytes[38] = 6;
  std::ofstream(m_dir / "cut.opt", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 200);

  Pages pages;
  EXPECT_FALSE(COptionsFile::Load(Path("v7.opt"), pages.Ref()));
  EXPECT_FALSE(COptionsFile::Load(Path("cut.opt"), pages.Ref()));
  EXPECT_FALSE(COptionsFile::Load(Path("missing.opt"), pages.Ref()));
  // Recorded even for a file that could not be loaded.
  EXPECT_EQ(ReadOption(options::kOptionFileFolder), Path("missing.opt").substr(0, Path("missing.opt").size() - 11));
  EXPECT_FALSE(COptionsFile::Save(Path("no-such-folder/x.opt"), pages.Ref()));
  EXPECT_EQ(pages, Pages{});

  ASSERT_EQ(m_messages.shown.size(), 4u);
  EXPECT_EQ(m_messages.shown[0].text, u"This is not a valid options file.");
  EXPECT_EQ(m_messages.shown[1].text, u"Could not read the options file " + Path("cut.opt") + u": it ends before all of its options.");
  EXPECT_EQ(m_messages.shown[2].text, u"Could not open the options file " + Path("missing.opt") + u".");
  EXPECT_EQ(m_messages.shown[3].text, u"Could not write the options file " + Path("no-such-folder/x.opt") + u".");
  for (const auto& m : m_messages.shown) {
    EXPECT_EQ(m.caption, MessageCaption());
    EXPECT_EQ(m.style, kMbOk | kMbIconWarning);
  }
}

}  // namespace
}  // namespace vk

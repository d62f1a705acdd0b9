// The stand-in Excel's side of pictures: the clipboard contents a copied shape leaves, as
// fixtures describe them, and Chart.Export.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "automation/com_error.h"
#include "excel/chart.h"
#include "fake_chart.h"
#include "fake_clipboard.h"
#include "fake_excel.h"
#include "import/picture_export.h"
#include "test_clipboard.h"
#include "test_shell.h"

namespace vk::fake {
namespace {

using test::TempFolder;
using test::TestClipboard;

std::vector<unsigned char> Unsigned(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(FakeClipboard, FixtureFormatsKeepTheirOrderAndBytes) {
  const auto content = LoadClipboardContent(nlohmann::json::parse(R"({
    "formats": ["Office Drawing Shape Format",
                {"name": "PNG", "hex": "89 50 4E 47"},
                {"name": "JFIF", "text": "jfif"},
                {"name": "GIF", "sample": "gif", "renders": false},
                {"name": "PNG+Office Art", "hex": ""}],
    "metafile": true})"),
                                            "clipboard");
  ASSERT_EQ(content.formats.size(), 5u);
  const std::u16string names[] = {u"Office Drawing Shape Format", u"PNG", u"JFIF", u"GIF", u"PNG+Office Art"};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(content.formats[i].name, names[i]);
  EXPECT_EQ(content.formats[0].bytes, std::vector<uint8_t>(std::begin("Office Drawing Shape Format"),
                                                           std::end("Office Drawing Shape Format") - 1));
  EXPECT_EQ(content.formats[1].bytes, (std::vector<uint8_t>{0x89, 0x50, 0x4E, 0x47}));
  EXPECT_EQ(content.formats[2].bytes, (std::vector<uint8_t>{'j', 'f', 'i', 'f'}));
  EXPECT_EQ(content.formats[3].bytes, SampleGif());
  EXPECT_FALSE(content.formats[3].renders);
  EXPECT_TRUE(content.formats[4].bytes.empty());
  EXPECT_TRUE(content.metafilePicture);

  const char* faults[] = {R"({"formats": [{"hex": "00"}]})", R"({"formats": [{"name": "PNG", "hex": "0"}]})",
                          R"({"formats": [{"name": "PNG", "hex": "zz"}]})",
                          R"({"formats": [{"name": "PNG", "hex": "00", "text": "a"}]})",
                          R"({"formats": [{"name": "PNG", "sample": "bmp"}]})", R"({"metafiles": true})",
                          R"("bitmap")"};
  for (const char* fault : faults) {
    SCOPED_TRACE(fault);
    EXPECT_THROW(LoadClipboardContent(nlohmann::json::parse(fault), "clipboard"), std::runtime_error);
  }
}

TEST(FakeClipboard, ACopiedPictureIsSavedAsItsPngAndOtherShapesAsAMetafile) {
  TestClipboard clipboard;
  TempFolder folder;
  ASSERT_TRUE(PutOnClipboard(LoadClipboardContent("picture", "clipboard")));
  EXPECT_EQ(SaveClipboardPicture(folder.File(u"pic1")), folder.File(u"pic1.png"));
  EXPECT_EQ(folder.Read(u"pic1.png"), Unsigned(SamplePng()));

  ASSERT_TRUE(PutOnClipboard(DefaultClipboardContent(CopiedShape::AutoShape)));
  EXPECT_TRUE(SaveClipboardMetafile(folder.File(u"wmf2.wmf")));
  EXPECT_TRUE(folder.Exists(u"wmf2.wmf"));

  ASSERT_TRUE(PutOnClipboard({{{u"Embed Source", {1, 2}}}, false}));
  EXPECT_EQ(SaveClipboardPicture(folder.File(u"pic3")), u"");
  EXPECT_FALSE(SaveClipboardMetafile(folder.File(u"wmf3.wmf")));
}

TEST(FakeChart, ExportWritesTheFilesImageAndAnswersTrue) {
  TempFolder folder;
  const excel::Chart chart(MakeFakeChart(FakeExcel::Create()));
  const Variant answer = chart.Export(folder.File(u"Plan_Data_chart4.bmp"), u"BMP");
  ASSERT_EQ(answer.Type(), VarType::Bool);
  EXPECT_EQ(answer.IntegerValue(), -1);  // VARIANT_TRUE
  const std::vector<unsigned char> bmp = folder.Read(u"Plan_Data_chart4.bmp");
  ASSERT_EQ(bmp.size(), 58u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(bmp[2], 58);   // the file's size
  EXPECT_EQ(bmp[10], 54);  // where the pixels start

  auto errorOf = [](const std::function<void()>& call) {
    try {
      call();
    } catch (const ComError& e) {
      return e.Error();
    }
    return kSOk;
  };
  EXPECT_EQ(errorOf([&] { chart.Export(folder.File(u"missing\\c.bmp"), u"BMP"); }), kExcelError);
  EXPECT_EQ(errorOf([&] { chart.Export(folder.File(u"c.bmp"), u"TIFF-X"); }), kExcelError);
}

}  // namespace
}  // namespace vk::fake

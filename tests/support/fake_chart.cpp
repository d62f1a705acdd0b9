#include "fake_chart.h"

#include <cstdio>

#include "fake_clipboard.h"
#include "fake_excel.h"
#include "text/path_text.h"
#include "ui/shell.h"

namespace vk::fake {
namespace {

constexpr Guid kIidChart{0x000208D6, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The image a graphic filter name stands for, compared as Excel's filter names are, without
// regard to case (ck). Without a filter name Excel goes by the file's extension (ck).
const std::vector<uint8_t>* FilterImage(std::u16string_view filter) {
  if (SameText(filter, u"BMP")) return &FakeChart::BitmapBytes();
  if (SameText(filter, u"PNG")) return &SamplePng();
  if (SameText(filter, u"GIF")) return &SampleGif();
  if (SameText(filter, u"JPG") || SameText(filter, u"JPEG")) return &SampleJfif();
  return nullptr;
}

}  // namespace

FakeChart::FakeChart(std::shared_ptr<FakeExcel> excel) : FakeObjectOf(std::move(excel), u"Chart", kIidChart) {}

std::span<const FakeChart::Member> FakeChart::Members() {
  static const Member members[] = {
      {u"Export", InvokeKind::Method, 1, 3, &FakeChart::Export},
  };
  return members;
}

const std::vector<uint8_t>& FakeChart::BitmapBytes() {
  // File header ("BM", 58 bytes, pixels at 54), info header (40 bytes, 1 x 1, one plane,
  // 24 bits, uncompressed, 4 bytes of pixels, 2835 pixels a metre), one white pixel padded to 4.
  static const std::vector<uint8_t> bytes = {
      0x42, 0x4D, 0x3A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00,  // file header
      0x28, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
      0x18, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x13, 0x0B, 0x00, 0x00,
      0x13, 0x0B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // info header
      0xFF, 0xFF, 0xFF, 0x00};
  return bytes;
}

// Export(FileName, [FilterName], [Interactive]) → Boolean (ck: a file that cannot be written
// raises Excel's general error rather than answering False).
Variant FakeChart::Export(const FakeArgs& args) {
  if (!args[0].IsString()) Raise(kDispETypeMismatch);
  const std::u16string fileName = args[0].StringValue();
  std::u16string filter;
  if (args.Has(1)) {
    if (!args[1].IsString()) Raise(kDispETypeMismatch);
    filter = args[1].StringValue();
  } else {
    const std::u16string_view extension = SplitPath(fileName).extension;
    if (!extension.empty()) filter = extension.substr(1);
  }
  const std::vector<uint8_t>* image = FilterImage(filter);
  if (image == nullptr || fileName.empty()) Raise();
  std::FILE* file = Shell::Current().CreateForWriting(fileName, nullptr);
  if (file == nullptr) Raise();
  const bool written = std::fwrite(image->data(), 1, image->size(), file) == image->size();
  if (std::fclose(file) != 0 || !written) Raise();
  return Variant::Bool(true);
}

ObjectPtr MakeFakeChart(std::shared_ptr<FakeExcel> excel) { return std::make_shared<FakeChart>(std::move(excel)); }

}  // namespace vk::fake

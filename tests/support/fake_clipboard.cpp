#include "fake_clipboard.h"

#include "fixture_json.h"
#include "text/utf8_text.h"

namespace vk::fake {

using fixture::Fail;
using fixture::OnlyKeys;

namespace {

std::vector<uint8_t> NameBytes(std::string_view name) { return std::vector<uint8_t>(name.begin(), name.end()); }

// A private format of Excel's stands in with its own name as data: nothing reads it.
ClipboardItem Private(std::string_view name) { return {FromUtf8(name), NameBytes(name)}; }

ClipboardItem Image(std::u16string name, const std::vector<uint8_t>& bytes) { return {std::move(name), bytes}; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<uint8_t> HexBytes(const std::string& hex, const std::string& where) {
  std::string digits;
  for (char c : hex) {
    if (c != ' ') digits += c;
  }
  if (digits.size() % 2 != 0) Fail(where + ": \"hex\" needs two digits per byte");
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < digits.size(); i += 2) {
    const int high = HexDigit(digits[i]), low = HexDigit(digits[i + 1]);
    if (high < 0 || low < 0) Fail(where + ": \"hex\" holds a character that is no hex digit");
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
  }
  return bytes;
}

ClipboardItem LoadFormat(const nlohmann::json& data, const std::string& where) {
  if (data.is_string()) return Private(data.get<std::string>());
  OnlyKeys(data, {"name", "hex", "text", "sample", "renders"}, where);
  if (!data.contains("name") || !data["name"].is_string() || data["name"].get<std::string>().empty()) {
    Fail(where + ": a format needs a \"name\"");
  }
  const std::string name = data["name"].get<std::string>();
  ClipboardItem item{FromUtf8(name), NameBytes(name)};
  const int sources = static_cast<int>(data.contains("hex")) + static_cast<int>(data.contains("text")) +
                      static_cast<int>(data.contains("sample"));
  if (sources > 1) Fail(where + ": give at most one of \"hex\", \"text\" and \"sample\"");
  if (data.contains("hex")) {
    if (!data["hex"].is_string()) Fail(where + ": \"hex\" must be a string");
    item.bytes = HexBytes(data["hex"].get<std::string>(), where);
  } else if (data.contains("text")) {
    if (!data["text"].is_string()) Fail(where + ": \"text\" must be a string");
    item.bytes = NameBytes(data["text"].get<std::string>());
  } else if (data.contains("sample")) {
    const std::string sample = data["sample"].is_string() ? data["sample"].get<std::string>() : "";
    if (sample == "png") {
      item.bytes = SamplePng();
    } else if (sample == "jfif") {
      item.bytes = SampleJfif();
    } else if (sample == "gif") {
      item.bytes = SampleGif();
    } else {
      Fail(where + ": \"sample\" is one of \"png\", \"jfif\", \"gif\"");
    }
  }
  if (data.contains("renders")) {
    if (!data["renders"].is_boolean()) Fail(where + ": \"renders\" must be true or false");
    item.renders = data["renders"].get<bool>();
  }
  return item;
}

}  // namespace

const std::vector<uint8_t>& SamplePng() {
  static const std::vector<uint8_t> bytes = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
      0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00,
      0x0C, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0xC9,
      0xFE, 0x92, 0xEF, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  return bytes;
}

const std::vector<uint8_t>& SampleJfif() {
  // Start of image, the JFIF APP0 segment (version 1.1, no density, no thumbnail), end of image.
  static const std::vector<uint8_t> bytes = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00,
                                             0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0xFF, 0xD9};
  return bytes;
}

const std::vector<uint8_t>& SampleGif() {
  static const std::vector<uint8_t> bytes = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00,
                                             0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                                             0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  return bytes;
}

// Excel documents no clipboard formats (ck throughout). The lists follow what programs reading
// Excel's clipboard report: a copied drawing object offers "Office Drawing Shape Format", a
// metafile picture, the "PNG+Office Art" family and then "PNG", "JFIF" and "GIF"
// (stackoverflow.com/questions/4055287, Excel 2003 with its Office clipboard open; from 2007 on
// they are offered always); "Art::GVML ClipFormat" leads from 2007 on; a chart adds its OLE
// formats ("Embed Source", "Object Descriptor", "Link Source", "Link Source Descriptor").
ClipboardContent DefaultClipboardContent(CopiedShape kind) {
  ClipboardContent content;
  content.metafilePicture = true;
  switch (kind) {
    case CopiedShape::Picture:
      content.formats = {Private("Art::GVML ClipFormat"),  Private("Office Drawing Shape Format"),
                         Private("PNG+Office Art"),        Private("JFIF+Office Art"),
                         Private("GIF+Office Art"),        Image(u"PNG", SamplePng()),
                         Image(u"JFIF", SampleJfif()),     Image(u"GIF", SampleGif()),
                         Private("ActiveClipBoard")};
      break;
    case CopiedShape::Chart:
      content.formats = {Private("Art::GVML ClipFormat"), Private("Office Drawing Shape Format"),
                         Image(u"PNG", SamplePng()),       Image(u"JFIF", SampleJfif()),
                         Image(u"GIF", SampleGif()),       Private("Embed Source"),
                         Private("Object Descriptor"),     Private("Link Source"),
                         Private("Link Source Descriptor")};
      break;
    case CopiedShape::AutoShape:
      content.formats = {Private("Art::GVML ClipFormat"), Private("Office Drawing Shape Format"),
                         Image(u"PNG", SamplePng()),       Image(u"JFIF", SampleJfif()),
                         Image(u"GIF", SampleGif())};
      break;
  }
  return content;
}

ClipboardContent LoadClipboardContent(const nlohmann::json& data, const std::string& where) {
  if (data.is_string()) {
    const std::string kind = data.get<std::string>();
    if (kind == "picture") return DefaultClipboardContent(CopiedShape::Picture);
    if (kind == "chart") return DefaultClipboardContent(CopiedShape::Chart);
    if (kind == "autoShape") return DefaultClipboardContent(CopiedShape::AutoShape);
    Fail(where + ": a clipboard kind is \"picture\", \"chart\" or \"autoShape\"");
  }
  OnlyKeys(data, {"formats", "metafile"}, where);
  ClipboardContent content;
  if (data.contains("formats")) {
    if (!data["formats"].is_array()) Fail(where + ": \"formats\" must be an array");
    for (size_t i = 0; i < data["formats"].size(); ++i) {
      content.formats.push_back(LoadFormat(data["formats"][i], where + ".formats[" + std::to_string(i) + "]"));
    }
  }
  if (data.contains("metafile")) {
    if (!data["metafile"].is_boolean()) Fail(where + ": \"metafile\" must be true or false");
    content.metafilePicture = data["metafile"].get<bool>();
  }
  return content;
}

bool PutOnClipboard(const ClipboardContent& content) {
  return Clipboard::Current().Replace(content.formats, content.metafilePicture);
}

}  // namespace vk::fake

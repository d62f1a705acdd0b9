#include "fake_fixture_shape_text.h"

#include "fake_fixture_format.h"
#include "fixture_json.h"
#include "utf_text.h"

namespace vk::fake {
namespace {

using nlohmann::json;
using fixture::Fail;
using fixture::Integer;
using fixture::OnlyKeys;
using fixture::Text;

// A frame setting: a constant, or null for one whose read fails.
std::optional<int32_t> Setting(const json& value, const std::string& where) {
  if (value.is_null()) return std::nullopt;
  return Integer(value, where);
}

FakeBullet LoadBullet(const json& data, const std::string& where) {
  OnlyKeys(data, {"type", "style", "number", "character", "font"}, where);
  if (!data.contains("type")) Fail(where + ": a bullet needs its \"type\"");
  FakeBullet bullet;
  bullet.type = Integer(data["type"], where + ".type");
  if (data.contains("style")) bullet.style = Integer(data["style"], where + ".style");
  if (data.contains("number")) bullet.number = Integer(data["number"], where + ".number");
  if (data.contains("character")) {
    const json& value = data["character"];
    if (value.is_number_integer()) {
      bullet.character = value.get<int32_t>();
    } else {
      const std::u16string text = Text(value, where + ".character");
      if (text.size() != 1) Fail(where + ".character: expected one character or its number");
      bullet.character = text[0];
    }
  }
  if (data.contains("font")) bullet.fontName = Text(data["font"], where + ".font");
  return bullet;
}

// A paragraph's Font2 values default to the characters' font, so a plain fixture stays
// consistent between TextFrame and TextFrame2.
FakeParagraph LoadParagraph(const json& data, const FakeFontFace& face, const std::string& where) {
  FakeParagraph paragraph;
  paragraph.bold = face.bold.value_or(false) ? -1 : 0;
  paragraph.fontName = face.name.value_or(u"");
  if (data.is_string()) {
    paragraph.text = Text(data, where);
  } else {
    OnlyKeys(data, {"text", "bold", "underline", "font", "level", "bullet"}, where);
    if (data.contains("text")) paragraph.text = Text(data["text"], where + ".text");
    if (data.contains("bold")) {
      if (!data["bold"].is_boolean()) Fail(where + ".bold: expected true or false");
      paragraph.bold = data["bold"].get<bool>() ? -1 : 0;
    }
    if (data.contains("underline")) paragraph.underlineStyle = Integer(data["underline"], where + ".underline");
    if (data.contains("font")) paragraph.fontName = Text(data["font"], where + ".font");
    if (data.contains("level")) paragraph.indentLevel = Integer(data["level"], where + ".level");
    if (data.contains("bullet")) paragraph.bullet = LoadBullet(data["bullet"], where + ".bullet");
  }
  if (paragraph.text.find(u'\n') != std::u16string::npos) {
    Fail(where + ": a paragraph holds no line feed; give each line its own paragraph");
  }
  return paragraph;
}

}  // namespace

FakeShapeText LoadShapeText(const json& data, const std::string& where) {
  if (data.is_string()) return FakeShapeText::Plain(Utf16(data.get<std::string>()));
  OnlyKeys(data, {"paragraphs", "font", "horizontalAlignment", "verticalAlignment", "orientation"}, where);
  FakeShapeText text;
  if (data.contains("font")) text.font = LoadFontFace(data["font"], where + ".font");
  const FakeFontFace face = text.font.Over(FakeFontFace::Standard());
  const json* paragraphs = data.contains("paragraphs") ? &data["paragraphs"] : nullptr;
  if (!paragraphs || !paragraphs->is_array() || paragraphs->empty()) {
    Fail(where + ".paragraphs: expected an array of at least one paragraph");
  }
  for (size_t i = 0; i < paragraphs->size(); ++i) {
    text.paragraphs.push_back(
        LoadParagraph((*paragraphs)[i], face, where + ".paragraphs[" + std::to_string(i) + "]"));
  }
  if (data.contains("horizontalAlignment")) {
    text.horizontalAlignment = Setting(data["horizontalAlignment"], where + ".horizontalAlignment");
  }
  if (data.contains("verticalAlignment")) {
    text.verticalAlignment = Setting(data["verticalAlignment"], where + ".verticalAlignment");
  }
  if (data.contains("orientation")) text.orientation = Setting(data["orientation"], where + ".orientation");
  return text;
}

}  // namespace vk::fake

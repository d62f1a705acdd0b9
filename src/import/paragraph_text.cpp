#include "import/paragraph_text.h"

#include <iterator>
#include <string>

#include "import/mtext_writer.h"
#include "link/record_field.h"

namespace vk {
namespace {

ShapeParagraph ReadParagraph(const excel::TextRange2& range) {
  ShapeParagraph p;
  p.text = range.Text();
  const excel::Font2 font = range.Font();
  p.bold = font.Bold();
  p.underlineStyle = font.UnderlineStyle();
  const excel::ParagraphFormat2 format = range.ParagraphFormat();
  p.indentLevel = format.IndentLevel();
  const excel::BulletFormat2 bullet = format.Bullet();
  p.bulletType = bullet.Type();
  // Only what the paragraph's kind of list shows is asked for.
  if (p.bulletType == 1) {
    p.bulletFontName = bullet.Font().Name();
    p.bulletCharacter = bullet.Character();
  } else if (p.bulletType == 2) {
    p.bulletStyle = bullet.Style();
    if (p.bulletStyle == 2 || p.bulletStyle == 3) p.bulletNumber = bullet.Number();
  }
  return p;
}

}  // namespace

bool WantsParagraphText(std::u16string_view text) {
  if (text.size() <= 10) return false;
  const size_t first = text.find(u'\n');
  return first != std::u16string_view::npos && text.rfind(u'\n') != first;
}

bool BuildParagraphText(ShapeRecord& record, const excel::Shape& shape) {
  // Any failure, of Excel or of ours, leaves the plain text in place.
  try {
    const excel::TextFrame2 frame = shape.TextFrame2();
    if (!frame) return false;
    const excel::TextRange2 range = frame.TextRange();
    if (!range) return false;
    const int32_t count = range.Paragraphs(-1, -1).Count();
    const std::u16string fontName(FieldText(record.fontName));
    // The text field's last unit is the terminator.
    MTextWriter writer(std::size(record.text) - 1);
    // Once the text is full the remaining paragraphs are not read: nothing of them would fit.
    for (int32_t k = 1; k <= count && !writer.Full(); ++k) {
      writer.Add(ReadParagraph(range.Paragraphs(k, 1)), fontName);
    }
    SetField(record.text, writer.Text());
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace vk

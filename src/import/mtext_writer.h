#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vk {

// One paragraph of a shape's text as the paragraph text needs it, read from Office's
// TextRange2 (values unconverted).
struct ShapeParagraph {
  std::u16string text;         // as Office gives it, the paragraph mark included
  int32_t bold = 0;            // Font2.Bold, MsoTriState
  int32_t underlineStyle = 0;  // Font2.UnderlineStyle, MsoTextUnderlineType (0 none)
  int32_t indentLevel = 0;     // ParagraphFormat2.IndentLevel
  int32_t bulletType = 0;      // MsoBulletType: 0 none, 1 unnumbered, 2 numbered
  int32_t bulletStyle = 0;     // MsoNumberedBulletStyle, numbered paragraphs only
  int32_t bulletNumber = 0;    // numbered paragraphs only
  int32_t bulletCharacter = 0; // the bullet's UTF-16 unit, unnumbered paragraphs only
  std::u16string bulletFontName;  // unnumbered paragraphs only
};

// Writes a shape's paragraphs as the MText the receiver draws: U+0002 first, then one font group
// per paragraph with "\P" between paragraphs, list paragraphs with their indent codes and bullet
// or number. The text never grows past `limit` UTF-16 units.
class MTextWriter {
 public:
  static constexpr char16_t kLead = u'\u0002';

  explicit MTextWriter(size_t limit);

  // Appends the next paragraph in the record's font; false once the text is full, when this
  // paragraph was cut or left out and nothing more is taken. A paragraph that does not fit whole
  // is cut inside its own text with its group still closed, so the receiver never gets an open
  // group; one of which not a character fits is left out.
  bool Add(const ShapeParagraph& paragraph, std::u16string_view fontName);

  const std::u16string& Text() const noexcept { return out_; }
  bool Full() const noexcept { return full_; }

 private:
  // The codes in front of the paragraph's text, its font group left open.
  std::u16string Head(const ShapeParagraph& paragraph, std::u16string_view fontName, bool empty);

  size_t limit_;
  std::u16string out_;
  bool first_ = true;
  bool inList_ = false;
  bool full_ = false;
};

}  // namespace vk

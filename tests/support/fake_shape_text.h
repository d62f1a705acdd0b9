#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fake_format.h"

namespace vk::fake {

// The bullet or number in front of a paragraph (Office's BulletFormat2).
struct FakeBullet {
  int32_t type = 0;            // MsoBulletType: 0 none, 1 unnumbered, 2 numbered
  int32_t style = 3;           // MsoNumberedBulletStyle; 3 "1."
  std::optional<int32_t> number;  // unset: counted along the list (see FakeShapeText::BulletNumber)
  int32_t character = 0x2022;  // the bullet's Unicode value, "•"
  std::u16string fontName = u"Arial";
};

// One paragraph of a shape's text, with what Office's TextRange2 reports of it.
struct FakeParagraph {
  std::u16string text;  // without its paragraph mark
  int32_t bold = 0;     // Font2.Bold, MsoTriState
  int32_t underlineStyle = 0;  // Font2.UnderlineStyle, MsoTextUnderlineType
  std::u16string fontName;     // Font2.Name
  int32_t indentLevel = 1;     // ParagraphFormat2.IndentLevel: 1 is the first level (ck)
  FakeBullet bullet;
};

// The text of one shape: its paragraphs, the font its characters show through the TextFrame's
// Characters, and the frame's alignment and orientation. A frame value left unset is one the
// read of fails, as it does on a real Excel for some shapes.
struct FakeShapeText {
  std::vector<FakeParagraph> paragraphs;
  FakeFontFace font;  // of every character, over the standard font
  std::optional<int32_t> horizontalAlignment = -4131;  // XlHAlign, xlLeft
  std::optional<int32_t> verticalAlignment = -4160;    // XlVAlign, xlTop
  std::optional<int32_t> orientation = 1;              // MsoTextOrientation, horizontal

  // A plain text: one paragraph per line feed, all in the character font.
  static FakeShapeText Plain(std::u16string_view text, const FakeFontFace& font = {});

  // TextFrame.Characters' text: the paragraphs joined by line feeds (ck: Excel gives shape text
  // with "\n" between paragraphs, as it does for cells).
  std::u16string CharacterText() const;
  // A numbered paragraph's number when the fixture gives none: 1 plus the numbered paragraphs
  // of the same level and style right before it (ck: Office's automatic numbering from 1).
  int32_t BulletNumber(size_t index) const;
};

}  // namespace vk::fake

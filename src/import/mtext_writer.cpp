#include "import/mtext_writer.h"

#include <algorithm>

#include "text/text_format.h"

namespace vk {
namespace {

// White space around a paragraph: blanks, tabs, every line end (Office's paragraph mark "\r",
// its line break "\v", line feeds, the Unicode separators) and the wide spaces of East Asian
// text; the no-break spaces stay, being meant as part of the text.
bool IsBlank(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\u0085' || c == u'\u1680' ||
         (c >= u'\u2000' && c <= u'\u200A' && c != u'\u2007') || c == u'\u2028' || c == u'\u2029' ||
         c == u'\u205F' || c == u'\u3000';
}

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A NUL would end the record's text for the receiver and lose everything after it (a bullet
// character 0 would write one), so none is ever written.
void AppendWithoutNul(std::u16string& out, std::u16string_view text) {
  for (char16_t c : text) {
    if (c != u'\0') out.push_back(c);
  }
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

MTextWriter::MTextWriter(size_t limit) : limit_(limit) {
  if (limit_ > 0) out_.push_back(kLead);
  else full_ = true;
}

std::u16string MTextWriter::Head(const ShapeParagraph& p, std::u16string_view fontName, bool empty) {
  std::u16string head;
  if (empty) head += u"\\P";
  std::u16string prefix;
  if (p.bulletType != 0) {
    inList_ = true;
    prefix = FormatText(u"\\pxi-3,l%d,t%s;",
                        {int64_t{3} * p.indentLevel, std::u16string_view(p.indentLevel == 1 ? u"3" : u"z")});
    if (p.bulletType == 1) {
      prefix += FormatText(u"{\\f%s|b%d|i%d|c1|p0;%c}",
                           {std::u16string_view(p.bulletFontName), int64_t{0}, int64_t{0},
                            int64_t{static_cast<char16_t>(p.bulletCharacter)}});
      prefix += u'\t';
    } else if (p.bulletType == 2) {
      const char16_t* format = p.bulletStyle == 2   ? u"{\\f%s|b0|i0|c1|p0;%d)}"
                               : p.bulletStyle == 3 ? u"{\\f%s|b0|i0|c1|p0;%d.}"
                                                    : nullptr;
      if (format) {
        prefix += FormatText(format, {fontName, int64_t{p.bulletNumber}});
        prefix += u'\t';
      }
    }
  } else if (inList_) {
    prefix = u"\\pi0,l0,tz;";
    inList_ = false;
  }
  if (!first_) head += u"\\P";
  head += prefix;
  head += FormatText(u"{\\f%s|b%d|i0|c1|p0;%s",
                     {fontName, int64_t{p.bold == -1 ? 1 : 0},
                      std::u16string_view(p.underlineStyle != 0 ? u"\\L" : u"")});
  return head;
}

bool MTextWriter::Add(const ShapeParagraph& paragraph, std::u16string_view fontName) {
  if (full_) return false;
  const std::u16string_view text = Trimmed(paragraph.text);
  std::u16string head;
  AppendWithoutNul(head, Head(paragraph, fontName, text.empty()));
  std::u16string body;
  AppendWithoutNul(body, text);
  first_ = false;

  const size_t room = limit_ - out_.size();
  if (head.size() + body.size() + 1 <= room) {
    out_ += head;
    out_ += body;
    out_ += u'}';
    return true;
  }
  // Too long: cut inside the paragraph's own text and still close its group, so the MText stays
  // whole and keeps as much text as fits. The cut never splits a surrogate pair and never leaves
  // a backslash before the closing brace (it would escape it). A paragraph of which no character
  // fits is left out.
  full_ = true;
  if (head.size() + 1 >= room) return false;
  size_t keep = std::min(body.size(), room - head.size() - 1);
  if (keep > 0 && IsHighSurrogate(body[keep - 1])) --keep;
  while (keep > 0 && body[keep - 1] == u'\\') --keep;
  if (keep == 0) return false;
  out_ += head;
  out_.append(body, 0, keep);
  out_ += u'}';
  return false;
}

}  // namespace vk

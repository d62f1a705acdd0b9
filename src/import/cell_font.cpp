#include "import/cell_font.h"

#include <string>

#include "excel/characters.h"
#include "excel/font.h"
#include "excel/range.h"
#include "import/cell_text.h"
#include "import/char_font.h"
#include "import/excel_value.h"
#include "import/import_session.h"
#include "import/shared_formats.h"
#include "link/cell_record.h"

namespace vk {
namespace {

constexpr char16_t kTag[] = u"cell_font.cpp";

const FontFacts kNothingShared;

// Which of the cell's font properties differ between its characters.
struct Mixed {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool size = false;
  bool superscript = false;
  bool subscript = false;
  bool name = false;

  bool Any() const { return bold || italic || underline || size || superscript || subscript || name; }
};

int WholePoints(double size) { return static_cast<int>(size + 0.5); }

char16_t FirstUnit(const std::u16string& text) { return text.empty() ? u'\0' : text[0]; }

// The run list keeps whole runs only: a list cut inside a run would give the receiver a wrong
// font for the rest of the text, while a shorter list leaves the rest in the last run's font.
void WriteRuns(CellRecord& record, std::u16string runs) {
  constexpr size_t kCapacity = sizeof(record.runs) / sizeof(record.runs[0]) - 1;
  if (runs.size() > kCapacity) {
    const size_t colon = runs.rfind(u':', kCapacity);
    runs.resize(colon == std::u16string::npos ? 0 : colon);
  }
  SetField(record.runs, runs);
}

class RunListBuilder {
 public:
  RunListBuilder(CellRecord& record, const excel::Range& cell, const Mixed& mixed)
      : record_(record), cell_(cell), mixed_(mixed) {}

  // Walks the characters; the runs appended before a failed read are kept.
  void Build() {
    try {
      Walk();
    } catch (...) {
      WriteRuns(record_, runs_.empty() ? runs_ : runs_.substr(0, runs_.size() - 1));
      throw;
    }
    WriteRuns(record_, runs_);
  }

 private:
  void Walk() {
    const excel::Characters all = cell_.Characters(Variant::I4(1));
    const int32_t n = all.Count();
    // Only the first unit of each character's text counts (below). Characters from 1 with the
    // Length omitted are "the remainder of the string" (V:excel.range.characters) and their Text
    // is the text of that range of characters (V:excel.characters.text): character i's text is
    // its i-th unit when the text has n units. One read then spares one per character; when it
    // fails or has another length, each character's text is read.
    std::u16string whole;
    if (n > 1) {
      try {
        whole = all.Text();
      } catch (const ComError& error) {
        RethrowIfExcelBusy(error);
      }
      if (whole.size() != static_cast<size_t>(n)) whole.clear();
    }
    CCharFont prev;
    for (int32_t i = 1; i <= n; ++i) {
      excel::Characters ch = cell_.Characters(Variant::I4(i), Variant::I4(1));
      excel::Font f = ch.Font();
      CCharFont next;
      CCharFont& font = i == 1 ? prev : next;
      int32_t underline = 0;
      font.name = mixed_.name ? f.Name().ToString() : std::u16string(FieldText(record_.fontName));
      font.italic = mixed_.italic ? f.Italic().ToBool() : record_.italic != 0;
      font.bold = mixed_.bold ? f.Bold().ToBool() : record_.bold != 0;
      if (mixed_.underline) {
        underline = f.Underline().ToInt32();
        font.underline = underline != kXlNone;
      } else {
        font.underline = record_.underline != kXlNone;
      }
      font.size = WholePoints(mixed_.size ? f.Size().ToDouble() : record_.fontSize);
      const bool superscript = mixed_.superscript ? f.Superscript().ToBool() : record_.superscript == 1;
      const bool subscript = mixed_.subscript ? f.Subscript().ToBool() : record_.subscript == 1;
      font.script = superscript ? 2 : subscript ? 1 : 0;

      if (i == 1) {
        // The record's own font fields describe the first character where the cell has no
        // single value.
        if (mixed_.name) SetField(record_.fontName, prev.name);
        if (mixed_.bold) record_.bold = prev.bold ? 1 : 0;
        if (mixed_.italic) record_.italic = prev.italic ? 1 : 0;
        if (mixed_.size) record_.fontSize = prev.size;
        if (mixed_.underline) record_.underline = underline;
      } else if (!next.Equals(prev)) {
        runs_ += prev.Format();
        runs_ += u':';
        prev.TakeStyle(next);
      }
      // Positions count the escaped text, in which a backslash or brace takes two units.
      const char16_t first = whole.empty() ? FirstUnit(ch.Text()) : whole[static_cast<size_t>(i - 1)];
      prev.position += NeedsCellEscape(first) ? 2 : 1;
      if (i == n) runs_ += prev.Format();
    }
  }

  CellRecord& record_;
  const excel::Range& cell_;
  const Mixed& mixed_;
  std::u16string runs_;
};

void ReadFullOrCondition(const ImportSession& session, CellRecord& record, const excel::Font& font, const excel::Range& cell,
                         FormatSource source, const FontFacts& shared) {
  const bool full = source == FormatSource::Cell;
  // The cell's value of a property: shared by its row or area, or else its font's.
  auto read = [&](const Variant& known, Variant (excel::Font::*get)() const) {
    return SharedOr(known, [&] { return (font.*get)(); });
  };
  Mixed mixed;
  if (const Variant v = read(shared.bold, &excel::Font::Bold); IsDefined(v)) record.bold = v.ToBool() ? 1 : 0;
  else mixed.bold = true;
  session.Mark(3320, kTag);
  if (const Variant v = read(shared.italic, &excel::Font::Italic); IsDefined(v)) record.italic = v.ToBool() ? 1 : 0;
  else mixed.italic = true;
  session.Mark(3331, kTag);
  if (const Variant v = read(shared.underline, &excel::Font::Underline); IsDefined(v)) record.underline = v.ToInt32();
  else mixed.underline = true;
  session.Mark(3362, kTag);

  // Strikethrough and colour have no place in the run list: where they differ, the cell takes
  // its first character's.
  if (const Variant v = read(shared.strikethrough, &excel::Font::Strikethrough); IsDefined(v)) {
    record.strikethrough = v.ToBool() ? 1 : 0;
  } else if (full) {
    session.Mark(3372, kTag);
    excel::Characters first = cell.Characters(Variant::I4(1), Variant::I4(1));
    session.Mark(3374, kTag);
    excel::Font firstFont = first.Font();
    session.Mark(3376, kTag);
    const Variant s = firstFont.Strikethrough();
    record.strikethrough = IsDefined(s) && s.ToBool() ? 1 : 0;
  }
  session.Mark(3387, kTag);
  if (const Variant v = read(shared.color, &excel::Font::Color); IsDefined(v)) {
    record.fontColor = v.ToInt32();
  } else if (full) {
    session.Mark(3397, kTag);
    excel::Characters first = cell.Characters(Variant::I4(1), Variant::I4(1));
    session.Mark(3399, kTag);
    excel::Font firstFont = first.Font();
    session.Mark(3401, kTag);
    const Variant c = firstFont.Color();
    record.fontColor = IsDefined(c) ? c.ToInt32() : 0;
  }
  // A condition's font never changes size, name or script: Excel's conditional formats have none.
  if (!full) return;

  session.Mark(3414, kTag);
  if (const Variant v = read(shared.size, &excel::Font::Size); IsDefined(v)) record.fontSize = v.ToDouble();
  else mixed.size = true;
  session.Mark(3425, kTag);
  if (const Variant v = read(shared.superscript, &excel::Font::Superscript); IsDefined(v)) record.superscript = v.ToBool() ? 1 : 0;
  else mixed.superscript = true;
  session.Mark(3436, kTag);
  if (const Variant v = read(shared.subscript, &excel::Font::Subscript); IsDefined(v)) record.subscript = v.ToBool() ? 1 : 0;
  else mixed.subscript = true;
  session.Mark(3447, kTag);
  if (const Variant v = read(shared.name, &excel::Font::Name); IsDefined(v)) SetField(record.fontName, v.ToString());
  else mixed.name = true;
  session.Mark(3457, kTag);

  if (mixed.Any()) RunListBuilder(record, cell, mixed).Build();
}

}  // namespace

void ReadCellFont(const ImportSession& session, CellRecord& record, const excel::Font& font, const excel::Range& cell,
                  FormatSource source, const FontFacts* shared) {
  try {
    ReadFullOrCondition(session, record, font, cell, source, shared ? *shared : kNothingShared);
  } catch (const ComError& error) {
    RethrowIfExcelBusy(error);
  }
}

}  // namespace vk

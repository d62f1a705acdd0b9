#include "fake_range.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

#include "a1_text.h"
#include "fake_excel.h"
#include "fake_name.h"

namespace vk::fake {
namespace {

constexpr int32_t kXlA1 = 1;
constexpr int32_t kXlR1C1 = -4150;
constexpr int32_t kXlWhole = 1;
constexpr int32_t kXlByColumns = 2;
constexpr int32_t kXlNext = 1;
constexpr int32_t kXlPrevious = 2;
// Beyond this a Value array would not fit in memory in Excel either.
constexpr int64_t kMaxValueCells = int64_t{1} << 24;

std::shared_ptr<FakeRange> AsRange(const Variant& value) {
  if (!value.IsObject()) return nullptr;
  return std::dynamic_pointer_cast<FakeRange>(value.ObjectValue());
}

// The cell's text as Find compares it: numbers in General form, TRUE/FALSE, error names.
std::u16string FindText(const Variant& value) {
  switch (value.Type()) {
    case VarType::Bstr:
      return value.StringValue();
    case VarType::Bool:
      return value.BoolValue() ? u"TRUE" : u"FALSE";
    case VarType::Error: {
      switch (value.IntegerValue() & 0xFFFF) {
        case 2000: return u"#NULL!";
        case 2007: return u"#DIV/0!";
        case 2015: return u"#VALUE!";
        case 2023: return u"#REF!";
        case 2029: return u"#NAME?";
        case 2036: return u"#NUM!";
        case 2042: return u"#N/A";
        default: return u"#N/A";
      }
    }
    case VarType::Empty:
      return {};
    default: {
      char buffer[40];
      std::snprintf(buffer, sizeof buffer, "%.15G", value.ToDouble());
      return Utf16(buffer);
    }
  }
}

// Find's pattern: "*" any run, "?" one character, "~" takes the next character literally.
bool Matches(std::u16string_view pattern, std::u16string_view text, bool matchCase) {
  auto same = [matchCase](char16_t a, char16_t b) {
    return matchCase ? a == b : FoldCase(a) == FoldCase(b);
  };
  size_t p = 0, t = 0;
  std::optional<std::pair<size_t, size_t>> backtrack;  // after the last "*": pattern, text
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == u'*') {
      backtrack = {++p, t};
      continue;
    }
    if (p < pattern.size()) {
      const bool literal = pattern[p] == u'~' && p + 1 < pattern.size();
      const char16_t c = literal ? pattern[p + 1] : pattern[p];
      if ((!literal && c == u'?') || same(c, text[t])) {
        p += literal ? 2 : 1;
        ++t;
        continue;
      }
    }
    if (!backtrack) return false;
    p = backtrack->first;
    t = ++backtrack->second;
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

bool NeedsQuotes(std::u16string_view text) {
  for (char16_t c : text) {
    const bool plain = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                       (c >= u'0' && c <= u'9') || c == u'_' || c == u'.' || c > 0x7F;
    if (!plain) return true;
  }
  return false;
}

}  // namespace

FakeRange::FakeRange(std::shared_ptr<FakeExcel> excel, FakeSheet* sheet, std::vector<CellArea> areas,
                     Kind kind)
    : FakeObjectOf(std::move(excel), u"Range", kIidExcelRange),
      sheet_(sheet),
      areas_(std::move(areas)),
      kind_(kind) {}

std::span<const FakeRange::Member> FakeRange::Members() {
  using R = FakeRange;
  static const Member members[] = {
      {u"Address", InvokeKind::PropertyGet, 0, 5, &R::Address},
      {u"Name", InvokeKind::PropertyGet, 0, 0, &R::Name},
      {u"Rows", InvokeKind::PropertyGet, 0, 0, &R::Rows},
      {u"Columns", InvokeKind::PropertyGet, 0, 0, &R::Columns},
      {u"Count", InvokeKind::PropertyGet, 0, 0, &R::Count},
      {u"Find", InvokeKind::Method, 1, 9, &R::Find},
      {u"Row", InvokeKind::PropertyGet, 0, 0, &R::Row},
      {u"Column", InvokeKind::PropertyGet, 0, 0, &R::Column},
      {u"Item", InvokeKind::PropertyGet, 1, 2, &R::Item},
      {u"Left", InvokeKind::PropertyGet, 0, 0, &R::Left},
      {u"Top", InvokeKind::PropertyGet, 0, 0, &R::Top},
      {u"Width", InvokeKind::PropertyGet, 0, 0, &R::Width},
      {u"Height", InvokeKind::PropertyGet, 0, 0, &R::Height},
      {u"Value", InvokeKind::PropertyGet, 0, 1, &R::Value},
      {u"FormatConditions", InvokeKind::PropertyGet, 0, 0, &R::FormatConditions},
      {u"Activate", InvokeKind::Method, 0, 0, &R::Activate},
      {u"Select", InvokeKind::Method, 0, 1, &R::Select},
      {u"MergeArea", InvokeKind::PropertyGet, 0, 0, &R::MergeArea},
      {u"MergeCells", InvokeKind::PropertyGet, 0, 0, &R::MergeCells},
      {u"Interior", InvokeKind::PropertyGet, 0, 0, &R::Interior},
      {u"Font", InvokeKind::PropertyGet, 0, 0, &R::Font},
      {u"Borders", InvokeKind::PropertyGet, 0, 0, &R::Borders},
      {u"Text", InvokeKind::PropertyGet, 0, 0, &R::Text},
      {u"HasFormula", InvokeKind::PropertyGet, 0, 0, &R::HasFormula},
      {u"Formula", InvokeKind::PropertyGet, 0, 0, &R::Formula},
      {u"NumberFormat", InvokeKind::PropertyGet, 0, 0, &R::NumberFormat},
      {u"Orientation", InvokeKind::PropertyGet, 0, 0, &R::Orientation},
      {u"IndentLevel", InvokeKind::PropertyGet, 0, 0, &R::IndentLevel},
      {u"WrapText", InvokeKind::PropertyGet, 0, 0, &R::WrapText},
      {u"HorizontalAlignment", InvokeKind::PropertyGet, 0, 0, &R::HorizontalAlignment},
      {u"VerticalAlignment", InvokeKind::PropertyGet, 0, 0, &R::VerticalAlignment},
      {u"Characters", InvokeKind::PropertyGet, 0, 2, &R::Characters},
  };
  return members;
}

std::vector<CellArea> FakeRange::Resolve(FakeExcel& excel, FakeSheet* sheet, const Variant& reference) {
  if (reference.IsObject()) {
    const auto range = AsRange(reference);
    if (!range || range->sheet_ != sheet) Raise();
    return range->areas_;
  }
  if (!reference.IsString()) Raise();
  const std::u16string& text = reference.StringValue();
  if (const auto parsed = ParseReference(text)) {
    if (!parsed->sheet.empty() && !SameText(parsed->sheet, sheet->name)) Raise();
    return parsed->areas;
  }
  for (const auto& name : excel.Book().names) {
    if (SameText(name.name, text)) {
      if (!SameText(name.sheet, sheet->name)) Raise();
      return name.areas;
    }
  }
  Raise();
}

Variant FakeRange::Make(std::vector<CellArea> areas, Kind kind) const {
  return Variant::Object(std::make_shared<FakeRange>(ExcelPtr(), sheet_, std::move(areas), kind));
}

// Address(RowAbsolute, ColumnAbsolute, ReferenceStyle, External, RelativeTo): absolute A1 text
// by default (V:excel.range.address). Areas are joined by "," without spaces, and External
// prefixes the text once with "[Book]Sheet!" (ck: neither is documented).
Variant FakeRange::Address(const FakeArgs& args) {
  const bool rowAbsolute = args.Has(0) ? args[0].ToBool() : true;
  const bool columnAbsolute = args.Has(1) ? args[1].ToBool() : true;
  const int32_t style = args.Has(2) ? args[2].ToInt32() : kXlA1;
  const bool external = args.Has(3) ? args[3].ToBool() : false;
  if (style != kXlA1 && style != kXlR1C1) Raise();
  // Relative R1C1 counts from RelativeTo; without it from $A$1, as the reference page observes.
  int32_t baseRow = 1, baseColumn = 1;
  if (args.Has(4)) {
    const auto origin = AsRange(args[4]);
    if (!origin) Raise();
    baseRow = origin->First().row1;
    baseColumn = origin->First().column1;
  }
  std::u16string text;
  if (external) {
    const std::u16string prefix = u"[" + Excel().Book().name + u"]" + sheet_->name;
    text = NeedsQuotes(prefix) ? u"'" + prefix + u"'!" : prefix + u"!";
  }
  for (size_t i = 0; i < areas_.size(); ++i) {
    if (i > 0) text += u",";
    text += style == kXlA1 ? FormatA1(areas_[i], rowAbsolute, columnAbsolute)
                           : FormatR1C1(areas_[i], rowAbsolute, columnAbsolute, baseRow, baseColumn);
  }
  return Variant::String(text);
}

// The defined name that refers to exactly this range, the first alphabetically when several
// do (V:excel.name); error 1004 when none does (ck: not documented).
Variant FakeRange::Name(const FakeArgs&) {
  const FakeBook::DefinedName* best = nullptr;
  auto folded = [](std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) c = FoldCase(c);
    return out;
  };
  for (const auto& name : Excel().Book().names) {
    if (!SameText(name.sheet, sheet_->name) || name.areas != areas_) continue;
    if (!best || folded(name.name) < folded(best->name)) best = &name;
  }
  if (!best) Raise();
  return Variant::Object(std::make_shared<FakeName>(ExcelPtr(), *best));
}

// Rows and Columns cover the first area only (V:excel.range.rows, V:excel.range.columns).
Variant FakeRange::Rows(const FakeArgs&) { return Make({First()}, Kind::Rows); }
Variant FakeRange::Columns(const FakeArgs&) { return Make({First()}, Kind::Columns); }

// Cells of every area; rows or columns for a Rows or Columns range. Counts beyond a Long
// overflow (V:excel.range.count); the HRESULT Excel gives then is a guess (ck).
Variant FakeRange::Count(const FakeArgs&) {
  int64_t count = 0;
  switch (kind_) {
    case Kind::Rows: count = First().Rows(); break;
    case Kind::Columns: count = First().Columns(); break;
    case Kind::Cells:
      for (const CellArea& area : areas_) count += area.Cells();
      break;
  }
  if (count > std::numeric_limits<int32_t>::max()) Raise(kDispEOverflow);
  return Variant::I4(static_cast<int32_t>(count));
}

// Find(What, After, LookIn, LookAt, SearchOrder, SearchDirection, MatchCase, MatchByte,
// SearchFormat) (V:excel.range.find): starts after After (the top-left cell when omitted), wraps
// around and reaches After last; Nothing when no cell matches. LookIn, LookAt and SearchOrder
// persist when omitted. The stand-in compares cell values (it has no formulas yet).
Variant FakeRange::Find(const FakeArgs& args) {
  FakeExcel::FindSettings& settings = Excel().findSettings;
  const std::u16string what = args[0].ToString();
  int32_t afterRow = First().row1, afterColumn = First().column1;
  if (args.Has(1)) {
    const auto after = AsRange(args[1]);
    if (!after || after->sheet_ != sheet_) Raise();
    afterRow = after->First().row1;
    afterColumn = after->First().column1;
    const bool inside = std::any_of(areas_.begin(), areas_.end(), [&](const CellArea& area) {
      return area.Contains(afterRow, afterColumn);
    });
    if (!inside) Raise();
  }
  if (args.Has(2)) settings.lookIn = args[2].ToInt32();
  if (args.Has(3)) settings.lookAt = args[3].ToInt32();
  if (args.Has(4)) settings.searchOrder = args[4].ToInt32();
  const int32_t direction = args.Has(5) ? args[5].ToInt32() : kXlNext;
  const bool matchCase = args.Has(6) ? args[6].ToBool() : false;
  if (direction != kXlNext && direction != kXlPrevious) Raise();

  const std::u16string pattern = settings.lookAt == kXlWhole ? what : u"*" + what + u"*";
  const bool byColumns = settings.searchOrder == kXlByColumns;
  using Key = std::pair<int32_t, int32_t>;
  auto key = [byColumns](int32_t row, int32_t column) {
    return byColumns ? Key{column, row} : Key{row, column};
  };
  const Key start = key(afterRow, afterColumn);
  std::optional<Key> nearest, wrapped;  // the next match past After; the first after wrapping
  for (const auto& [position, cell] : sheet_->Cells()) {
    const int32_t row = position.first, column = position.second;
    if (cell.IsEmpty()) continue;
    const bool inside = std::any_of(areas_.begin(), areas_.end(), [&](const CellArea& area) {
      return area.Contains(row, column);
    });
    if (!inside || !Matches(pattern, FindText(cell.value), matchCase)) continue;
    const Key k = key(row, column);
    if (direction == kXlNext) {
      if (k > start && (!nearest || k < *nearest)) nearest = k;
      if (!wrapped || k < *wrapped) wrapped = k;
    } else {
      if (k < start && (!nearest || k > *nearest)) nearest = k;
      if (!wrapped || k > *wrapped) wrapped = k;
    }
  }
  const std::optional<Key> found = nearest ? nearest : wrapped;
  if (!found) return Variant::Object(nullptr);
  const int32_t row = byColumns ? found->second : found->first;
  const int32_t column = byColumns ? found->first : found->second;
  return Make({CellArea::Cell(row, column)});
}

// First row and column of the first area (V:excel.range.row, V:excel.range.column).
Variant FakeRange::Row(const FakeArgs&) {
  RefuseIfSeveralCells();
  return Variant::I4(First().row1);
}
Variant FakeRange::Column(const FakeArgs&) {
  RefuseIfSeveralCells();
  return Variant::I4(First().column1);
}

// Item(RowIndex, ColumnIndex): offsets from the top-left of the first area, which may lie
// outside it; one index runs row-major over the area's width, and on a Rows or Columns range
// picks a whole row or column; ColumnIndex may be a letter (V:excel.range.item).
Variant FakeRange::Item(const FakeArgs& args) {
  const CellArea& first = First();
  const int32_t rowIndex = args[0].ToInt32();
  int32_t columnIndex = 0;
  const bool twoIndexes = args.Has(1);
  if (twoIndexes) {
    if (args[1].IsString()) {
      columnIndex = ColumnNumber(args[1].StringValue());
      if (columnIndex == 0) Raise();
    } else {
      columnIndex = args[1].ToInt32();
    }
  }
  CellArea target;
  // A whole row or column of several cells is what a refusing stand-in does not hand out.
  if (kind_ == Kind::Columns || (kind_ == Kind::Rows && !twoIndexes)) RefuseIfSeveralCells();
  if (kind_ == Kind::Columns) {
    if (twoIndexes) Raise();  // two indexes on a Columns range: error 1004
    const int64_t column = int64_t{first.column1} + rowIndex - 1;
    target = {first.row1, static_cast<int32_t>(column), first.row2, static_cast<int32_t>(column)};
    if (column < 1 || column > kMaxColumn) Raise();
  } else if (kind_ == Kind::Rows && !twoIndexes) {
    const int64_t row = int64_t{first.row1} + rowIndex - 1;
    if (row < 1 || row > kMaxRow) Raise();
    target = {static_cast<int32_t>(row), first.column1, static_cast<int32_t>(row), first.column2};
  } else {
    int64_t row = 0, column = 0;
    if (twoIndexes) {
      row = int64_t{first.row1} + rowIndex - 1;
      column = int64_t{first.column1} + columnIndex - 1;
    } else {
      if (rowIndex < 1) Raise();
      row = first.row1 + (int64_t{rowIndex} - 1) / first.Columns();
      column = first.column1 + (int64_t{rowIndex} - 1) % first.Columns();
    }
    if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn) Raise();
    target = CellArea::Cell(static_cast<int32_t>(row), static_cast<int32_t>(column));
  }
  return Make({target});
}

// Points from column A and row 1, sizes of the first area; hidden rows and columns measure 0.
// Double in a VARIANT, as the type library declares them.
Variant FakeRange::Left(const FakeArgs&) { return Variant::R8(sheet_->ColumnLeft(First().column1)); }
Variant FakeRange::Top(const FakeArgs&) { return Variant::R8(sheet_->RowTop(First().row1)); }
Variant FakeRange::Width(const FakeArgs&) {
  return Variant::R8(sheet_->ColumnLeft(First().column2 + 1) - sheet_->ColumnLeft(First().column1));
}
Variant FakeRange::Height(const FakeArgs&) {
  return Variant::R8(sheet_->RowTop(First().row2 + 1) - sheet_->RowTop(First().row1));
}

// One cell: its value. Several: a rows × columns array of the first area (V:excel.range.value).
Variant FakeRange::Value(const FakeArgs&) {
  RefuseIfSeveralCells();
  const CellArea& first = First();
  auto valueAt = [this](int32_t row, int32_t column) {
    const FakeCell* cell = sheet_->CellAt(row, column);
    return cell ? cell->value : Variant();
  };
  if (first.Cells() == 1) return valueAt(first.row1, first.column1);
  if (first.Cells() > kMaxValueCells) Raise(kEOutOfMemory);
  std::vector<Variant> elements;
  elements.reserve(static_cast<size_t>(first.Cells()));
  for (int32_t column = first.column1; column <= first.column2; ++column) {
    for (int32_t row = first.row1; row <= first.row2; ++row) elements.push_back(valueAt(row, column));
  }
  return Variant::Array({static_cast<uint32_t>(first.Rows()), static_cast<uint32_t>(first.Columns())},
                        std::move(elements));
}

}  // namespace vk::fake

#include "fake_evaluator.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "a1_text.h"
#include "fake_excel.h"
#include "fake_range.h"
#include "fake_sheet.h"
#include "utf_text.h"

namespace vk::fake {
namespace {

// Cell error numbers (CVErr).
constexpr int32_t kErrDiv0 = 2007;
constexpr int32_t kErrValue = 2015;
constexpr int32_t kErrRef = 2023;
constexpr int32_t kErrName = 2029;
constexpr int32_t kErrNA = 2042;

const std::pair<std::u16string_view, int32_t> kErrorNames[] = {
    {u"#NULL!", 2000}, {u"#DIV/0!", kErrDiv0}, {u"#VALUE!", kErrValue}, {u"#REF!", kErrRef},
    {u"#NAME?", kErrName}, {u"#NUM!", 2036},   {u"#N/A", kErrNA}};

// One value while a formula is worked out: a scalar, a reference or an array (row-major).
struct Value {
  enum class Kind { Blank, Number, Text, Bool, Error, Ref, Array };
  Kind kind = Kind::Blank;
  double number = 0;
  std::u16string text;
  bool flag = false;
  int32_t error = 0;
  FakeSheet* sheet = nullptr;
  std::vector<CellArea> areas;
  int32_t rows = 0;
  int32_t columns = 0;
  std::vector<Value> items;
  bool oneDimensional = false;

  static Value Number(double n) { Value v; v.kind = Kind::Number; v.number = n; return v; }
  static Value Text(std::u16string t) { Value v; v.kind = Kind::Text; v.text = std::move(t); return v; }
  static Value Bool(bool b) { Value v; v.kind = Kind::Bool; v.flag = b; return v; }
  static Value Error(int32_t e) { Value v; v.kind = Kind::Error; v.error = e; return v; }
  static Value Ref(FakeSheet* s, std::vector<CellArea> a) {
    Value v; v.kind = Kind::Ref; v.sheet = s; v.areas = std::move(a); return v;
  }
  static Value Grid(int32_t r, int32_t c, std::vector<Value> items, bool oneDimensional = false) {
    Value v; v.kind = Kind::Array; v.rows = r; v.columns = c; v.items = std::move(items);
    v.oneDimensional = oneDimensional; return v;
  }
  bool Is(Kind k) const { return kind == k; }
};

struct SyntaxError {};
struct UnknownName {};

bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsNameChar(char16_t c) { return IsLetter(c) || IsDigit(c) || c == u'$' || c == u'_' || c == u'.'; }

std::u16string Upper(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = FoldCase(c);
  return out;
}

Value FromCell(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty: return {};
    case VarType::Bstr: return Value::Text(value.StringValue());
    case VarType::Bool: return Value::Bool(value.BoolValue());
    case VarType::Error: return Value::Error(static_cast<int32_t>(value.IntegerValue() & 0xFFFF));
    case VarType::Cy: return Value::Number(static_cast<double>(value.IntegerValue()) / 10000.0);
    default: return Value::Number(value.ToDouble());
  }
}

Value CellValue(const FakeSheet* sheet, int32_t row, int32_t column) {
  const FakeCell* cell = sheet->CellAt(row, column);
  return cell ? FromCell(cell->value) : Value();
}

// A reference as a value: one cell's value, or the first area's values as an array.
Value Deref(const Value& v) {
  if (!v.Is(Value::Kind::Ref)) return v;
  if (v.areas.size() != 1) return Value::Error(kErrValue);
  const CellArea& area = v.areas.front();
  if (area.Cells() == 1) return CellValue(v.sheet, area.row1, area.column1);
  if (area.Cells() > 1 << 20) return Value::Error(kErrValue);
  std::vector<Value> items;
  for (int32_t r = area.row1; r <= area.row2; ++r) {
    for (int32_t c = area.column1; c <= area.column2; ++c) items.push_back(CellValue(v.sheet, r, c));
  }
  return Value::Grid(area.Rows(), area.Columns(), std::move(items));
}

std::u16string FormatNumber(double n) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15G", n);
  return Utf16(buffer);
}

std::optional<double> ParseNumber(std::u16string_view text) {
  std::string ascii;
  for (char16_t c : text) {
    if (c > 0x7F) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  while (!ascii.empty() && ascii.front() == ' ') ascii.erase(ascii.begin());
  while (!ascii.empty() && ascii.back() == ' ') ascii.pop_back();
  if (ascii.empty()) return std::nullopt;
  char* end = nullptr;
  const double n = std::strtod(ascii.c_str(), &end);
  if (end != ascii.c_str() + ascii.size() || !std::isfinite(n)) return std::nullopt;
  return n;
}

// Conversions for operators and functions; an Error value is returned as the failure.
Value ToNumber(const Value& v) {
  switch (v.kind) {
    case Value::Kind::Number: return v;
    case Value::Kind::Bool: return Value::Number(v.flag ? 1 : 0);
    case Value::Kind::Blank: return Value::Number(0);
    case Value::Kind::Text: {
      const auto n = ParseNumber(v.text);
      return n ? Value::Number(*n) : Value::Error(kErrValue);
    }
    case Value::Kind::Error: return v;
    default: return Value::Error(kErrValue);
  }
}

Value ToText(const Value& v) {
  switch (v.kind) {
    case Value::Kind::Text: return v;
    case Value::Kind::Number: return Value::Text(FormatNumber(v.number));
    case Value::Kind::Bool: return Value::Text(v.flag ? u"TRUE" : u"FALSE");
    case Value::Kind::Blank: return Value::Text(u"");
    case Value::Kind::Error: return v;
    default: return Value::Error(kErrValue);
  }
}

Value ToBool(const Value& v) {
  switch (v.kind) {
    case Value::Kind::Bool: return v;
    case Value::Kind::Number: return Value::Bool(v.number != 0);
    case Value::Kind::Blank: return Value::Bool(false);
    case Value::Kind::Text: {
      const std::u16string upper = Upper(v.text);
      if (upper == u"TRUE" || upper == u"FALSE") return Value::Bool(upper == u"TRUE");
      return Value::Error(kErrValue);
    }
    case Value::Kind::Error: return v;
    default: return Value::Error(kErrValue);
  }
}

// Excel's ordering: numbers before text before logical values; text without regard to case; a
// blank is 0, "" or FALSE beside the other side.
int Rank(Value::Kind kind) { return kind == Value::Kind::Number ? 0 : kind == Value::Kind::Text ? 1 : 2; }

Value Compare(Value a, Value b, const std::u16string& op) {
  if (a.Is(Value::Kind::Error)) return a;
  if (b.Is(Value::Kind::Error)) return b;
  auto blankAs = [](const Value& other) {
    switch (other.kind) {
      case Value::Kind::Text: return Value::Text(u"");
      case Value::Kind::Bool: return Value::Bool(false);
      default: return Value::Number(0);
    }
  };
  if (a.Is(Value::Kind::Blank)) a = blankAs(b);
  if (b.Is(Value::Kind::Blank)) b = blankAs(a);
  int order = 0;
  if (Rank(a.kind) != Rank(b.kind)) {
    order = Rank(a.kind) < Rank(b.kind) ? -1 : 1;
  } else if (a.Is(Value::Kind::Number)) {
    order = a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
  } else if (a.Is(Value::Kind::Text)) {
    const std::u16string x = Upper(a.text), y = Upper(b.text);
    order = x < y ? -1 : x > y ? 1 : 0;
  } else {
    order = a.flag == b.flag ? 0 : a.flag ? 1 : -1;
  }
  if (op == u"=") return Value::Bool(order == 0);
  if (op == u"<>") return Value::Bool(order != 0);
  if (op == u"<") return Value::Bool(order < 0);
  if (op == u">") return Value::Bool(order > 0);
  if (op == u"<=") return Value::Bool(order <= 0);
  return Value::Bool(order >= 0);
}

Value Arithmetic(const Value& x, const Value& y, char16_t op) {
  const Value a = ToNumber(x);
  if (a.Is(Value::Kind::Error)) return a;
  const Value b = ToNumber(y);
  if (b.Is(Value::Kind::Error)) return b;
  switch (op) {
    case u'+': return Value::Number(a.number + b.number);
    case u'-': return Value::Number(a.number - b.number);
    case u'*': return Value::Number(a.number * b.number);
    default:
      if (b.number == 0) return Value::Error(kErrDiv0);
      return Value::Number(a.number / b.number);
  }
}

Value Concatenate(const Value& x, const Value& y) {
  const Value a = ToText(x);
  if (a.Is(Value::Kind::Error)) return a;
  const Value b = ToText(y);
  if (b.Is(Value::Kind::Error)) return b;
  return Value::Text(a.text + b.text);
}

// An operator over arrays works element by element; a scalar meets every element, and
// elements beyond the smaller array are #N/A, as in Excel's array formulas.
Value Elementwise(const Value& x, const Value& y, const std::function<Value(const Value&, const Value&)>& op) {
  const Value a = Deref(x), b = Deref(y);
  if (!a.Is(Value::Kind::Array) && !b.Is(Value::Kind::Array)) return op(a, b);
  const int32_t rows = std::max(a.Is(Value::Kind::Array) ? a.rows : 1, b.Is(Value::Kind::Array) ? b.rows : 1);
  const int32_t columns =
      std::max(a.Is(Value::Kind::Array) ? a.columns : 1, b.Is(Value::Kind::Array) ? b.columns : 1);
  auto at = [](const Value& v, int32_t r, int32_t c) -> Value {
    if (!v.Is(Value::Kind::Array)) return v;
    if (r >= v.rows || c >= v.columns) return Value::Error(kErrNA);
    return v.items[static_cast<size_t>(r * v.columns + c)];
  };
  std::vector<Value> items;
  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < columns; ++c) items.push_back(op(at(a, r, c), at(b, r, c)));
  }
  const bool oneDimensional = (a.Is(Value::Kind::Array) ? a.oneDimensional : true) &&
                              (b.Is(Value::Kind::Array) ? b.oneDimensional : true);
  return Value::Grid(rows, columns, std::move(items), oneDimensional);
}

class Evaluator {
 public:
  Evaluator(FakeExcel& excel, FakeSheet* sheet, std::u16string_view text)
      : excel_(excel), sheet_(sheet), text_(text) {}

  Value Run() {
    Skip();
    if (pos_ < text_.size() && text_[pos_] == u'=') ++pos_;
    Value v = Comparison();
    Skip();
    if (pos_ != text_.size()) throw SyntaxError{};
    return v;
  }

 private:
  void Skip() {
    while (pos_ < text_.size() && text_[pos_] == u' ') ++pos_;
  }
  bool Take(std::u16string_view token) {
    Skip();
    if (text_.substr(pos_, token.size()) != token) return false;
    pos_ += token.size();
    return true;
  }
  void Expect(std::u16string_view token) {
    if (!Take(token)) throw SyntaxError{};
  }

  Value Comparison() {
    Value left = Concat();
    for (;;) {
      std::u16string op;
      for (std::u16string_view candidate : {u"<>", u"<=", u">=", u"=", u"<", u">"}) {
        if (Take(candidate)) {
          op = candidate;
          break;
        }
      }
      if (op.empty()) return left;
      const Value right = Concat();
      left = Elementwise(left, right, [&op](const Value& a, const Value& b) { return Compare(a, b, op); });
    }
  }

  Value Concat() {
    Value left = Additive();
    while (Take(u"&")) left = Elementwise(left, Additive(), Concatenate);
    return left;
  }

  Value Additive() {
    Value left = Term();
    for (;;) {
      const char16_t op = Take(u"+") ? u'+' : Take(u"-") ? u'-' : 0;
      if (!op) return left;
      const Value right = Term();
      left = Elementwise(left, right, [op](const Value& a, const Value& b) { return Arithmetic(a, b, op); });
    }
  }

  Value Term() {
    Value left = Unary();
    for (;;) {
      const char16_t op = Take(u"*") ? u'*' : Take(u"/") ? u'/' : 0;
      if (!op) return left;
      const Value right = Unary();
      left = Elementwise(left, right, [op](const Value& a, const Value& b) { return Arithmetic(a, b, op); });
    }
  }

  Value Unary() {
    if (Take(u"-")) {
      return Elementwise(Value::Number(0), Unary(), [](const Value& a, const Value& b) { return Arithmetic(a, b, u'-'); });
    }
    if (Take(u"+")) return Unary();
    return Primary();
  }

  Value Primary() {
    Skip();
    if (pos_ >= text_.size()) throw SyntaxError{};
    const char16_t c = text_[pos_];
    if (c == u'(') {
      ++pos_;
      Value v = Comparison();
      Expect(u")");
      return v;
    }
    if (c == u'"') return Value::Text(StringLiteral());
    if (IsDigit(c) || c == u'.') return Value::Number(NumberLiteral());
    if (c == u'{') return ArrayConstant();
    if (c == u'#') return ErrorLiteral();
    if (c == u'\'') {
      const std::u16string sheetName = QuotedSheetName();
      Expect(u"!");
      return SheetReference(sheetName);
    }
    if (IsLetter(c) || c == u'$' || c == u'_') return NameOrReference();
    throw SyntaxError{};
  }

  std::u16string StringLiteral() {
    std::u16string out;
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size()) throw SyntaxError{};
      if (text_[pos_] == u'"') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"') {
          out += u'"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        return out;
      }
      out += text_[pos_++];
    }
  }

  std::u16string QuotedSheetName() {
    std::u16string out;
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size()) throw SyntaxError{};
      if (text_[pos_] == u'\'') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\'') {
          out += u'\'';
          pos_ += 2;
          continue;
        }
        ++pos_;
        return out;
      }
      out += text_[pos_++];
    }
  }

  double NumberLiteral() {
    const size_t start = pos_;
    while (pos_ < text_.size() && (IsDigit(text_[pos_]) || text_[pos_] == u'.')) ++pos_;
    if (pos_ < text_.size() && (text_[pos_] == u'E' || text_[pos_] == u'e')) {
      size_t p = pos_ + 1;
      if (p < text_.size() && (text_[p] == u'+' || text_[p] == u'-')) ++p;
      if (p < text_.size() && IsDigit(text_[p])) {
        while (p < text_.size() && IsDigit(text_[p])) ++p;
        pos_ = p;
      }
    }
    const auto n = ParseNumber(text_.substr(start, pos_ - start));
    if (!n) throw SyntaxError{};
    return *n;
  }

  Value ErrorLiteral() {
    for (const auto& [name, number] : kErrorNames) {
      if (Upper(text_.substr(pos_, name.size())) == name) {
        pos_ += name.size();
        return Value::Error(number);
      }
    }
    throw SyntaxError{};
  }

  // {1,2;3,4}: constants only; "," between columns, ";" between rows.
  Value ArrayConstant() {
    ++pos_;
    std::vector<Value> items;
    int32_t rows = 1, columns = 0, column = 0;
    for (;;) {
      Skip();
      bool negative = false;
      if (Take(u"-")) negative = true;
      Skip();
      Value item;
      if (pos_ < text_.size() && text_[pos_] == u'"') {
        item = Value::Text(StringLiteral());
      } else if (pos_ < text_.size() && (IsDigit(text_[pos_]) || text_[pos_] == u'.')) {
        item = Value::Number(NumberLiteral());
      } else if (pos_ < text_.size() && text_[pos_] == u'#') {
        item = ErrorLiteral();
      } else {
        const std::u16string word = Upper(Word());
        if (word != u"TRUE" && word != u"FALSE") throw SyntaxError{};
        item = Value::Bool(word == u"TRUE");
      }
      if (negative) {
        if (!item.Is(Value::Kind::Number)) throw SyntaxError{};
        item.number = -item.number;
      }
      items.push_back(std::move(item));
      ++column;
      if (Take(u",")) continue;
      if (Take(u";")) {
        if (columns != 0 && column != columns) throw SyntaxError{};
        columns = column;
        column = 0;
        ++rows;
        continue;
      }
      Expect(u"}");
      if (columns != 0 && column != columns) throw SyntaxError{};
      columns = column;
      return Value::Grid(rows, columns, std::move(items), rows == 1);
    }
  }

  std::u16string Word() {
    Skip();
    const size_t start = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
    return std::u16string(text_.substr(start, pos_ - start));
  }

  Value NameOrReference() {
    const size_t start = pos_;
    const std::u16string word = Word();
    if (pos_ < text_.size() && text_[pos_] == u'(' && word.find(u'$') == std::u16string::npos) {
      ++pos_;
      return Function(Upper(word));
    }
    if (pos_ < text_.size() && text_[pos_] == u'!') {
      ++pos_;
      return SheetReference(word);
    }
    const std::u16string upper = Upper(word);
    if (upper == u"TRUE" || upper == u"FALSE") return Value::Bool(upper == u"TRUE");
    pos_ = start;
    return Reference(sheet_);
  }

  Value SheetReference(const std::u16string& sheetName) {
    FakeSheet* sheet = excel_.Book().FindSheet(sheetName);
    if (!sheet) {
      Word();
      if (Take(u":")) Word();
      return Value::Error(kErrRef);
    }
    return Reference(sheet);
  }

  // "A1", "$A$1:$C$9", "A:C" on sheet, or a defined name of the workbook.
  Value Reference(FakeSheet* sheet) {
    std::u16string text = Word();
    if (pos_ < text_.size() && text_[pos_] == u':') {
      ++pos_;
      text += u":" + Word();
    }
    if (const auto parsed = ParseReference(text); parsed && parsed->sheet.empty()) {
      return Value::Ref(sheet, parsed->areas);
    }
    for (const auto& name : excel_.Book().names) {
      if (SameText(name.name, text)) return Value::Ref(excel_.Book().FindSheet(name.sheet), name.areas);
    }
    throw UnknownName{};
  }

  std::vector<Value> Arguments() {
    std::vector<Value> args;
    if (Take(u")")) return args;
    for (;;) {
      args.push_back(Comparison());
      if (Take(u")")) return args;
      Expect(u",");
    }
  }

  // Logical values of AND and OR: a reference or array counts its numbers and logical values
  // and passes over text and blanks; a text argument must read as TRUE or FALSE.
  static std::optional<Value> Logicals(const std::vector<Value>& args, std::vector<bool>& out) {
    for (const Value& arg : args) {
      if (arg.Is(Value::Kind::Ref)) {
        for (const CellArea& area : arg.areas) {
          std::optional<Value> error;
          arg.sheet->ForEachCellIn(area, [&](int32_t, int32_t, const FakeCell& cell) {
            const Value v = FromCell(cell.value);
            if (v.Is(Value::Kind::Error) && !error) error = v;
            if (v.Is(Value::Kind::Bool)) out.push_back(v.flag);
            if (v.Is(Value::Kind::Number)) out.push_back(v.number != 0);
          });
          if (error) return error;
        }
      } else if (arg.Is(Value::Kind::Array)) {
        for (const Value& v : arg.items) {
          if (v.Is(Value::Kind::Error)) return v;
          if (v.Is(Value::Kind::Bool)) out.push_back(v.flag);
          if (v.Is(Value::Kind::Number)) out.push_back(v.number != 0);
        }
      } else if (!arg.Is(Value::Kind::Blank)) {
        const Value b = ToBool(arg);
        if (b.Is(Value::Kind::Error)) return b;
        out.push_back(b.flag);
      }
    }
    return std::nullopt;
  }

  Value Function(const std::u16string& name) {
    std::vector<Value> args = Arguments();
    const size_t n = args.size();
    auto count = [n](size_t least, size_t most) {
      if (n < least || n > most) throw SyntaxError{};
    };
    auto scalar = [&args](size_t i) {
      Value v = Deref(args[i]);
      return v.Is(Value::Kind::Array) ? Value::Error(kErrValue) : v;
    };
    if (name == u"AND" || name == u"OR") {
      count(1, 255);
      std::vector<bool> values;
      if (const auto error = Logicals(args, values)) return *error;
      if (values.empty()) return Value::Error(kErrValue);
      bool result = name == u"AND";
      for (bool v : values) result = name == u"AND" ? result && v : result || v;
      return Value::Bool(result);
    }
    if (name == u"NOT") {
      count(1, 1);
      const Value b = ToBool(scalar(0));
      return b.Is(Value::Kind::Error) ? b : Value::Bool(!b.flag);
    }
    if (name == u"IF") {
      count(2, 3);
      const Value b = ToBool(scalar(0));
      if (b.Is(Value::Kind::Error)) return b;
      if (b.flag) return Deref(args[1]);
      return n == 3 ? Deref(args[2]) : Value::Bool(false);
    }
    if (name == u"LEN" || name == u"TRIM") {
      count(1, 1);
      const Value t = ToText(scalar(0));
      if (t.Is(Value::Kind::Error)) return t;
      if (name == u"LEN") return Value::Number(static_cast<double>(t.text.size()));
      std::u16string out;
      for (char16_t c : t.text) {
        if (c == u' ' && (out.empty() || out.back() == u' ')) continue;
        out += c;
      }
      if (!out.empty() && out.back() == u' ') out.pop_back();
      return Value::Text(out);
    }
    if (name == u"SEARCH") {
      // Without wildcards: the stand-in's conditions search plain text.
      count(2, 3);
      const Value find = ToText(scalar(0)), within = ToText(scalar(1));
      if (find.Is(Value::Kind::Error)) return find;
      if (within.Is(Value::Kind::Error)) return within;
      size_t start = 0;
      if (n == 3) {
        const Value s = ToNumber(scalar(2));
        if (s.Is(Value::Kind::Error)) return s;
        if (s.number < 1 || s.number > static_cast<double>(within.text.size()) + 1) return Value::Error(kErrValue);
        start = static_cast<size_t>(s.number) - 1;
      }
      const size_t at = Upper(within.text).find(Upper(find.text), start);
      return at == std::u16string::npos ? Value::Error(kErrValue) : Value::Number(static_cast<double>(at + 1));
    }
    if (name == u"ISBLANK") {
      count(1, 1);
      const Value v = args[0].Is(Value::Kind::Ref) && args[0].areas.size() == 1 && args[0].areas[0].Cells() == 1
                          ? Deref(args[0])
                          : args[0];
      return Value::Bool(v.Is(Value::Kind::Blank));
    }
    if (name == u"ISNUMBER") {
      count(1, 1);
      return Value::Bool(scalar(0).Is(Value::Kind::Number));
    }
    if (name == u"ISERROR") {
      count(1, 1);
      return Value::Bool(scalar(0).Is(Value::Kind::Error));
    }
    if (name == u"MOD") {
      count(2, 2);
      const Value a = ToNumber(scalar(0));
      if (a.Is(Value::Kind::Error)) return a;
      const Value b = ToNumber(scalar(1));
      if (b.Is(Value::Kind::Error)) return b;
      if (b.number == 0) return Value::Error(kErrDiv0);
      return Value::Number(a.number - b.number * std::floor(a.number / b.number));
    }
    if (name == u"ROW" || name == u"COLUMN") {
      // Without an argument they would name the formula's own cell, which Evaluate does not
      // have (ck: not documented; the stand-in answers #VALUE!).
      count(0, 1);
      if (n == 0 || !args[0].Is(Value::Kind::Ref)) return Value::Error(kErrValue);
      const CellArea& area = args[0].areas.front();
      return Value::Number(name == u"ROW" ? area.row1 : area.column1);
    }
    throw UnknownName{};
  }

  FakeExcel& excel_;
  FakeSheet* sheet_;
  std::u16string_view text_;
  size_t pos_ = 0;
};

Variant ToVariant(const Value& v) {
  switch (v.kind) {
    case Value::Kind::Number: return Variant::R8(v.number);
    case Value::Kind::Text: return Variant::String(v.text);
    case Value::Kind::Bool: return Variant::Bool(v.flag);
    case Value::Kind::Error: return Variant::Error(static_cast<int32_t>(0x800A0000u + static_cast<uint32_t>(v.error)));
    case Value::Kind::Array: {
      std::vector<Variant> elements;
      if (v.oneDimensional) {
        for (const Value& item : v.items) elements.push_back(ToVariant(item));
        return Variant::Array({static_cast<uint32_t>(v.items.size())}, std::move(elements));
      }
      for (int32_t c = 0; c < v.columns; ++c) {
        for (int32_t r = 0; r < v.rows; ++r) elements.push_back(ToVariant(v.items[static_cast<size_t>(r * v.columns + c)]));
      }
      return Variant::Array({static_cast<uint32_t>(v.rows), static_cast<uint32_t>(v.columns)}, std::move(elements));
    }
    default: return {};  // a blank result (ck)
  }
}

}  // namespace

Variant EvaluateFormula(const std::shared_ptr<FakeExcel>& excel, FakeSheet* sheet, std::u16string_view formula) {
  try {
    const Value result = Evaluator(*excel, sheet, formula).Run();
    if (result.Is(Value::Kind::Ref)) {
      return Variant::Object(std::make_shared<FakeRange>(excel, result.sheet, result.areas));
    }
    return ToVariant(result);
  } catch (const SyntaxError&) {
    return ToVariant(Value::Error(kErrValue));
  } catch (const UnknownName&) {
    return ToVariant(Value::Error(kErrName));
  }
}

}  // namespace vk::fake

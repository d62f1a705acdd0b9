#pragma once
// One automation call through the add-in's typed Excel wrappers, of each kind a cell's reading
// makes: a number (Range.Width), a text (Range.Text), an object (Range.Font, a new wrapper) and
// a call with arguments that answers an object (Range.Item(row, column)). The per-call
// benchmarks run these against an object that answers at once, so that what they time is the
// add-in's own cost per call: wrappers, variants, member look-up, strings.
#include <cstddef>

#include "excel/font.h"
#include "excel/range.h"

namespace vk::bench {

enum class CallKind { Number, Text, Object, Arguments };

struct CallCase {
  CallKind kind;
  const char* name;
};

inline constexpr CallCase kCallCases[] = {
    {CallKind::Number, "number (Range.Width)"},
    {CallKind::Text, "text (Range.Text)"},
    {CallKind::Object, "object (Range.Font)"},
    {CallKind::Arguments, "arguments (Range.Item(r, c))"},
};

// What the answering object gives: the same for the stand-in object natively and the plain
// IDispatch under Wine.
inline constexpr double kWidth = 48.75;
inline constexpr char16_t kText[] = u"1,234.50";

// One call of the kind; the result is folded into a number the caller keeps, so that no call is
// optimised away.
inline size_t CallOnce(CallKind kind, const excel::Range& cell, int row, int column) {
  switch (kind) {
    case CallKind::Number: return static_cast<size_t>(cell.Width());
    case CallKind::Text: return cell.Text().size();
    case CallKind::Object: return cell.Font() ? 1 : 0;
    case CallKind::Arguments: return cell.Item(Variant::I4(row), Variant::I4(column)) ? 1 : 0;
  }
  return 0;
}

}  // namespace vk::bench

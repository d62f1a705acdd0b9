#include "excel/range.h"

#include "automation/com_error.h"
#include "excel/format_condition.h"

namespace vk::excel {

std::u16string Range::Address(const Variant& rowAbsolute, const Variant& columnAbsolute,
                              const Variant& referenceStyle, const Variant& external,
                              const Variant& relativeTo) const {
  return Get(u"Address", {rowAbsolute, columnAbsolute, referenceStyle, external, relativeTo}).ToString();
}

Variant Range::Name() const { return Get(u"Name"); }

Range Range::Rows() const { return Range(AsObject(Get(u"Rows"))); }
Range Range::Columns() const { return Range(AsObject(Get(u"Columns"))); }
int32_t Range::Count() const {
  // Excel always answers with a number. An Empty answer would convert to 0 and pass for an
  // area without cells, so that an import sent an empty table and reported success: it fails
  // like any other answer of the wrong type.
  const Variant count = Get(u"Count");
  if (count.IsEmpty()) throw ComError(kDispETypeMismatch);
  return count.ToInt32();
}

Range Range::Find(const Variant& what, const Variant& after, const Variant& lookIn,
                  const Variant& lookAt, const Variant& searchOrder, const Variant& searchDirection,
                  const Variant& matchCase, const Variant& matchByte,
                  const Variant& searchFormat) const {
  return Range(AsObject(Call(u"Find", {what, after, lookIn, lookAt, searchOrder, searchDirection,
                                       matchCase, matchByte, searchFormat})));
}

int32_t Range::Row() const { return Get(u"Row").ToInt32(); }
int32_t Range::Column() const { return Get(u"Column").ToInt32(); }

Range Range::Item(const Variant& row, const Variant& column) const {
  return Range(AsObject(Get(u"Item", {row, column})));
}

double Range::Left() const { return Get(u"Left").ToDouble(); }
double Range::Top() const { return Get(u"Top").ToDouble(); }
double Range::Width() const { return Get(u"Width").ToDouble(); }
double Range::Height() const { return Get(u"Height").ToDouble(); }

Range Range::MergeArea() const { return Range(AsObject(Get(u"MergeArea"))); }
excel::Interior Range::Interior() const { return excel::Interior(AsObject(Get(u"Interior"))); }
excel::Font Range::Font() const { return excel::Font(AsObject(Get(u"Font"))); }
excel::Borders Range::Borders() const { return excel::Borders(AsObject(Get(u"Borders"))); }
std::u16string Range::Text() const { return Get(u"Text").ToString(); }
Variant Range::Value() const { return Get(u"Value"); }
bool Range::HasFormula() const { return Get(u"HasFormula").ToBool(); }
std::u16string Range::Formula() const { return Get(u"Formula").ToString(); }
std::u16string Range::NumberFormat() const { return Get(u"NumberFormat").ToString(); }
int32_t Range::Orientation() const { return Get(u"Orientation").ToInt32(); }
int32_t Range::IndentLevel() const { return Get(u"IndentLevel").ToInt32(); }
bool Range::WrapText() const { return Get(u"WrapText").ToBool(); }
Variant Range::HasFormulaOfAll() const { return Get(u"HasFormula"); }
Variant Range::WrapTextOfAll() const { return Get(u"WrapText"); }
Variant Range::MergeCells() const { return Get(u"MergeCells"); }
int32_t Range::HorizontalAlignment() const { return Get(u"HorizontalAlignment").ToInt32(); }
int32_t Range::VerticalAlignment() const { return Get(u"VerticalAlignment").ToInt32(); }
Variant Range::OrientationOfAll() const { return Get(u"Orientation"); }
Variant Range::IndentLevelOfAll() const { return Get(u"IndentLevel"); }
Variant Range::HorizontalAlignmentOfAll() const { return Get(u"HorizontalAlignment"); }
Variant Range::VerticalAlignmentOfAll() const { return Get(u"VerticalAlignment"); }

excel::Characters Range::Characters(const Variant& start, const Variant& length) const {
  return excel::Characters(AsObject(Get(u"Characters", {start, length})));
}

excel::FormatConditions Range::FormatConditions() const {
  return excel::FormatConditions(AsObject(Get(u"FormatConditions")));
}
void Range::Activate() const { Call(u"Activate"); }
void Range::Select() const { Call(u"Select"); }

}  // namespace vk::excel

#include "excel/format_condition.h"

namespace vk::excel {

int32_t FormatCondition::Type() const { return Get(u"Type").ToInt32(); }
int32_t FormatCondition::Operator() const { return Get(u"Operator").ToInt32(); }
std::u16string FormatCondition::Formula1() const { return Get(u"Formula1").ToString(); }
std::u16string FormatCondition::Formula2() const { return Get(u"Formula2").ToString(); }
Range FormatCondition::AppliesTo() const { return Range(AsObject(Get(u"AppliesTo"))); }
bool FormatCondition::StopIfTrue() const { return Get(u"StopIfTrue").ToBool(); }
Interior FormatCondition::Interior() const { return excel::Interior(AsObject(Get(u"Interior"))); }
Borders FormatCondition::Borders() const { return excel::Borders(AsObject(Get(u"Borders"))); }
Font FormatCondition::Font() const { return excel::Font(AsObject(Get(u"Font"))); }

int32_t FormatConditions::Count() const { return Get(u"Count").ToInt32(); }
ObjectPtr FormatConditions::Item(int32_t index) const { return AsObject(Call(u"Item", {Variant::I4(index)})); }

}  // namespace vk::excel

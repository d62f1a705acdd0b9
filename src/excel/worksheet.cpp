#include "excel/worksheet.h"

namespace vk::excel {

excel::PageSetup Worksheet::PageSetup() const {
  return excel::PageSetup(AsObject(Get(u"PageSetup")));
}

excel::Range Worksheet::Range(const Variant& cell1, const Variant& cell2) const {
  return excel::Range(AsObject(Get(u"Range", {cell1, cell2})));
}

excel::Range Worksheet::UsedRange() const { return excel::Range(AsObject(Get(u"UsedRange"))); }

excel::Range Worksheet::Cells() const { return excel::Range(AsObject(Get(u"Cells"))); }

std::u16string Worksheet::Name() const { return Get(u"Name").ToString(); }

Variant Worksheet::Evaluate(const std::u16string& formula) const {
  return Call(u"Evaluate", {Variant::String(formula)});
}

Shapes Worksheet::Shapes() const { return excel::Shapes(AsObject(Get(u"Shapes"))); }

}  // namespace vk::excel

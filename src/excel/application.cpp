#include "excel/application.h"

namespace vk::excel {
namespace {
constexpr uint32_t kLocaleUserDefault = 1024;
}  // namespace

void Application::SetScreenUpdating(bool on) const { Put(u"ScreenUpdating", Variant::Bool(on)); }

Worksheet Application::ActiveSheet() const { return Worksheet(AsObject(Get(u"ActiveSheet"))); }

ObjectPtr Application::Selection() const {
  return AsObject(Get(u"Selection", {}, kLocaleUserDefault));
}

Workbook Application::ActiveWorkbook() const { return Workbook(AsObject(Get(u"ActiveWorkbook"))); }

std::u16string Application::Version() const { return Get(u"Version").ToString(); }

Range Application::ActiveCell() const { return Range(AsObject(Get(u"ActiveCell"))); }
Variant Application::Evaluate(const std::u16string& formula) const {
  return Call(u"Evaluate", {Variant::String(formula)});
}

}  // namespace vk::excel

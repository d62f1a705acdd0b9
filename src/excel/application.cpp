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

excel::Range Application::ActiveCell() const { return excel::Range(AsObject(Get(u"ActiveCell"))); }
Variant Application::Evaluate(const std::u16string& formula) const {
  return Call(u"Evaluate", {Variant::String(formula)});
}

Window Application::ActiveWindow() const { return Window(AsObject(Get(u"ActiveWindow"))); }
excel::Range Application::Range(const std::u16string& reference) const {
  return excel::Range(AsObject(Get(u"Range", {Variant::String(reference)})));
}

}  // namespace vk::excel

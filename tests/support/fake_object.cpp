#include "fake_object.h"

#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr Guid kIidUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeObject::FakeObject(std::shared_ptr<FakeExcel> excel, std::u16string typeName, const Guid& iid)
    : excel_(std::move(excel)), typeName_(std::move(typeName)), iid_(iid) {}

Variant FakeObject::Invoke(std::u16string_view member, InvokeKind kind,
                           std::span<const Variant> args, uint32_t lcid) {
  const Resolved found = Resolve(member, kind, args.size());
  // Logged (and possibly failed) before the member is checked: a fault stands for Excel refusing
  // the call, whatever the call was.
  excel_->BeginCall(typeName_, found.name.empty() ? member : found.name, kind, args, lcid);
  const auto unexpected = excel_->InjectedAnswer(typeName_, found.name.empty() ? member : found.name);
  if (found.error != kSOk) throw ComError(found.error);
  Variant result = Run(found.index, FakeArgs(args, lcid));
  if (auto value = excel_->InjectedValue(typeName_, found.name.empty() ? member : found.name)) return *value;
  if (!unexpected) return result;
  switch (*unexpected) {
    case FakeExcel::Unexpected::WrongType:
      return result.IsObject() ? Variant::I4(1) : Variant::Object(shared_from_this());
    case FakeExcel::Unexpected::Nothing:
      return Variant::Object(nullptr);
    case FakeExcel::Unexpected::Empty:
      break;
  }
  return {};
}

ObjectPtr FakeObject::QueryInterface(const Guid& iid) {
  excel_->BeginCall(typeName_, u"QueryInterface", InvokeKind::Method, {}, 0);
  if (iid == iid_ || iid == kIidDispatch || iid == kIidUnknown) return shared_from_this();
  throw ComError(kENoInterface);
}

void FakeObject::Raise(int32_t hr) { throw ComError(hr); }

}  // namespace vk::fake

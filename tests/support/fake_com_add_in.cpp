#include "fake_com_add_in.h"

#include "fake_excel.h"

namespace vk::fake {
namespace {
constexpr vk::Guid kIidCOMAddIn{0x000C033A, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}  // namespace

FakeCOMAddIn::FakeCOMAddIn(std::shared_ptr<FakeExcel> excel, size_t index)
    : FakeObjectOf(std::move(excel), u"COMAddIn", kIidCOMAddIn), index_(index) {}

std::span<const FakeCOMAddIn::Member> FakeCOMAddIn::Members() {
  using C = FakeCOMAddIn;
  static const Member members[] = {
      {u"Description", InvokeKind::PropertyGet, 0, 0, &C::Description},
      {u"Description", InvokeKind::PropertyPut, 0, 0, &C::PutDescription},
      {u"ProgId", InvokeKind::PropertyGet, 0, 0, &C::ProgId},
      {u"Guid", InvokeKind::PropertyGet, 0, 0, &C::Guid},
      {u"Connect", InvokeKind::PropertyGet, 0, 0, &C::Connect},
      {u"Connect", InvokeKind::PropertyPut, 0, 0, &C::PutConnect},
      {u"Object", InvokeKind::PropertyGet, 0, 0, &C::Object},
      {u"Object", InvokeKind::PropertyPut, 0, 0, &C::PutObject},
  };
  return members;
}

FakeAddInEntry& FakeCOMAddIn::Entry() const {
  if (index_ >= Excel().comAddIns.size()) Raise();  // the entry was taken away meanwhile
  return Excel().comAddIns[index_];
}

Variant FakeCOMAddIn::Description(const FakeArgs&) { return Variant::String(Entry().description); }

Variant FakeCOMAddIn::PutDescription(const FakeArgs& args) {
  Entry().description = args.NewValue().ToString();
  return {};
}

Variant FakeCOMAddIn::ProgId(const FakeArgs&) { return Variant::String(Entry().progId); }

// The class id of the add-in's registration; the stand-in has none.
Variant FakeCOMAddIn::Guid(const FakeArgs&) {
  return Variant::String(u"{00000000-0000-0000-0000-000000000000}");
}

Variant FakeCOMAddIn::Connect(const FakeArgs&) { return Variant::Bool(Entry().connect); }

Variant FakeCOMAddIn::PutConnect(const FakeArgs& args) {
  Entry().connect = args.NewValue().ToBool();
  return {};
}

// Nothing until the add-in publishes something.
Variant FakeCOMAddIn::Object(const FakeArgs&) { return Variant::Object(Entry().object); }

Variant FakeCOMAddIn::PutObject(const FakeArgs& args) {
  const Variant& value = args.NewValue();
  if (!value.IsObject() && !value.IsEmpty()) Raise(kDispETypeMismatch);
  Entry().object = value.IsObject() ? value.ObjectValue() : nullptr;
  return {};
}

}  // namespace vk::fake

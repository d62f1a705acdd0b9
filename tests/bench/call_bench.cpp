// What one automation call costs the add-in natively: the typed wrapper, the Variant answer and
// the object wrapper around an object that answers at once (no Excel, no stand-in bookkeeping).
// Under Wine the same calls go through IDispatch: win32/call_bench.cpp.
#include <benchmark/benchmark.h>

#include <memory>

#include "automation/com_error.h"
#include "one_call.h"

namespace {

class AnsweringObject final : public vk::AutomationObject, public std::enable_shared_from_this<AnsweringObject> {
 public:
  vk::Variant Invoke(std::u16string_view member, vk::InvokeKind, std::span<const vk::Variant>, uint32_t) override {
    if (member == u"Width") return vk::Variant::R8(vk::bench::kWidth);
    if (member == u"Text") return vk::Variant::String(vk::bench::kText);
    if (member == u"Font" || member == u"Item") return vk::Variant::Object(shared_from_this());
    throw vk::ComError(static_cast<int32_t>(0x80020003));  // DISP_E_MEMBERNOTFOUND
  }
  vk::ObjectPtr QueryInterface(const vk::Guid&) override { return shared_from_this(); }
};

void BM_OneCall(benchmark::State& state) {
  const vk::bench::CallCase& which = vk::bench::kCallCases[state.range(0)];
  const vk::excel::Range cell(std::make_shared<AnsweringObject>());
  size_t sink = 0;
  for (auto _ : state) sink += vk::bench::CallOnce(which.kind, cell, 3, 4);
  benchmark::DoNotOptimize(sink);
  state.SetLabel(which.name);
}
BENCHMARK(BM_OneCall)->DenseRange(0, std::size(vk::bench::kCallCases) - 1);

}  // namespace

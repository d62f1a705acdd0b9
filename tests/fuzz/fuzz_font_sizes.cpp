// The FontSizes value as a damaged or hostile profile could hold it: loading must not fail, and
// what is stored back must load to the same map. Then the bytes also drive Add and Remove.
#include <algorithm>
#include <string>

#include "fuzz_support.h"
#include "settings/font_size_map.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vk;
  fuzz::StoredValue stored(u"FontSizes", data, size);
  fuzz::YesMessages user;

  CFontSizeMap map;
  map.Load(kProductKey);
  const auto loaded = map.Entries();
  for (const FontSizeEntry& e : loaded) fuzz::Check(!e.points.empty());
  map.Store(kProductKey);
  CFontSizeMap again;
  again.Load(kProductKey);
  fuzz::Check(again.Entries() == loaded);

  // Each loaded piece offered to Add as typed texts: the map only grows by accepted entries,
  // and every accepted points text is a valid one.
  CFontSizeMap typed;
  for (const FontSizeEntry& e : loaded) {
    const size_t before = typed.Entries().size();
    size_t at = 0;
    const auto result = typed.Add(e.points, e.height, e.width, &at);
    const size_t after = typed.Entries().size();
    if (result == CFontSizeMap::AddResult::Inserted) {
      fuzz::Check(after == before + 1 && at < after && CFontSizeMap::IsValidPoints(e.points));
    } else {
      fuzz::Check(after == before);
    }
  }
  std::vector<size_t> every(typed.Entries().size());
  for (size_t i = 0; i < every.size(); ++i) every[i] = i;
  typed.Remove(every);
  fuzz::Check(typed.Entries().empty());
  return 0;
}

// ColumnWidths and RowHeights as a damaged or hostile profile could hold them (the first byte
// picks which): loading must not fail, every entry gets a label, and storing and loading again
// gives the same lists.
#include "fuzz_support.h"
#include "settings/size_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vk;
  if (size == 0) return 0;
  const bool columns = data[0] & 1;
  fuzz::StoredValue stored(columns ? u"ColumnWidths" : u"RowHeights", data + 1, size - 1);
  fuzz::YesMessages user;

  CSizeTable table;
  table.Load(kProductKey);
  const SizeList list = columns ? SizeList::ColumnWidths : SizeList::RowHeights;
  const auto sizes = table.Sizes(list);
  for (size_t n = 1; n <= sizes.size(); ++n) {
    fuzz::Check(!sizes[n - 1].empty() && sizes[n - 1].find(u';') == std::u16string::npos);
    fuzz::Check(!CSizeTable::Label(list, n).empty());
  }
  table.Store(kProductKey);
  CSizeTable again;
  again.Load(kProductKey);
  fuzz::Check(again.Sizes(list) == sizes);
  fuzz::Check(again.Sizes(columns ? SizeList::RowHeights : SizeList::ColumnWidths).empty());

  // Every stored piece is a size a user could have typed.
  CSizeTable typed;
  for (const auto& s : sizes) fuzz::Check(typed.Add(list, s));
  typed.Remove(list, {0});
  fuzz::Check(typed.Sizes(list).size() == (sizes.empty() ? 0 : sizes.size() - 1));
  return 0;
}

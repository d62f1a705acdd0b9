#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vk {

enum class SizeList { ColumnWidths, RowHeights };

// The explicit column widths and row heights behind "Set the column widths and row heights",
// stored in ColumnWidths and RowHeights under the option key as size texts joined by ";".
// Entry n (from 1) belongs to the table's n-th column or row; labels are derived, never stored.
class CSizeTable {
 public:
  void Load(std::u16string_view optionKey);
  void Store(std::u16string_view optionKey) const;

  static std::vector<std::u16string> Parse(std::u16string_view stored);
  static std::u16string Format(const std::vector<std::u16string>& sizes);

  // "A".."Z", "AA".."ZZ", then "AAA" onwards for columns; "1", "2", ... for rows.
  static std::u16string Label(SizeList list, size_t n);

  // Refuses (telling the user) an empty text or one holding ";"; otherwise appends. True when added.
  bool Add(SizeList list, std::u16string_view size);
  // Asks first (also with nothing selected); on Yes deletes the selected entries. True on Yes.
  bool Remove(SizeList list, const std::vector<size_t>& selected);

  const std::vector<std::u16string>& Sizes(SizeList list) const { return list == SizeList::ColumnWidths ? columns_ : rows_; }
  void SetSizes(SizeList list, std::vector<std::u16string> sizes) { Mutable(list) = std::move(sizes); }

 private:
  std::vector<std::u16string>& Mutable(SizeList list) { return list == SizeList::ColumnWidths ? columns_ : rows_; }

  std::vector<std::u16string> columns_;
  std::vector<std::u16string> rows_;
};

}  // namespace vk

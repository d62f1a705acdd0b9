#include "settings/size_table.h"

#include "settings/font_size_map.h"
#include "settings/list_selection.h"
#include "settings/option_table.h"
#include "text/token_splitter.h"
#include "text/text_format.h"
#include "ui/user_messages.h"

namespace vk {

std::vector<std::u16string> CSizeTable::Parse(std::u16string_view stored) { return SplitTokens(stored, u";"); }

std::u16string CSizeTable::Format(const std::vector<std::u16string>& sizes) {
  std::u16string stored;
  for (size_t i = 0; i < sizes.size(); ++i) {
    if (i) stored += u';';
    stored += sizes[i];
  }
  return stored;
}

std::u16string CSizeTable::Label(SizeList list, size_t n) {
  const auto number = static_cast<int64_t>(n);
  return list == SizeList::RowHeights ? DecimalText(number) : ColumnLetters(number);
}

void CSizeTable::Load(std::u16string_view optionKey) {
  columns_ = Parse(ReadOption(options::kColumnWidths, optionKey));
  rows_ = Parse(ReadOption(options::kRowHeights, optionKey));
}

void CSizeTable::Store(std::u16string_view optionKey) const {
  WriteOption(options::kRowHeights, optionKey, Format(rows_));
  WriteOption(options::kColumnWidths, optionKey, Format(columns_));
}

bool CSizeTable::Add(SizeList list, std::u16string_view size) {
  if (size.empty() || size.find(u';') != size.npos) {
    UserMessages::Current().Show(list == SizeList::ColumnWidths ? u"Invalid column width." : u"Invalid row height.",
                                 kSizeDialogCaption, kMbOk | kMbIconInformation);
    return false;
  }
  Mutable(list).emplace_back(size);
  return true;
}

bool CSizeTable::Remove(SizeList list, const std::vector<size_t>& selected) {
  const char16_t* question = list == SizeList::ColumnWidths ? u"Are you sure you want to remove this column width?"
                                                             : u"Are you sure you want to remove this row height?";
  if (UserMessages::Current().Show(question, kSizeDialogCaption, kMbYesNo | kMbIconInformation) != kIdYes) return false;
  RemoveSelectedRows(Mutable(list), selected);
  return true;
}

}  // namespace vk

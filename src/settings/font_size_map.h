#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vk {

// The caption of the messages of the two size dialogs (the other messages carry the module name).
inline constexpr char16_t kSizeDialogCaption[] = u"Vellumark";

// One row of the font size map: an Excel font size and the text height and width the CAD side
// uses for it. All three stay as the user typed them.
struct FontSizeEntry {
  std::u16string points;
  std::u16string height;
  std::u16string width;
  bool operator==(const FontSizeEntry&) const = default;
};

// The font size map behind the "Font Size Map" dialog, stored in FontSizes under the option key
// as "points:height*width" pieces joined by ";".
class CFontSizeMap {
 public:
  enum class AddResult { Inserted, Replaced, Refused, Declined };

  void Load(std::u16string_view optionKey);
  void Store(std::u16string_view optionKey) const;

  // The stored form, without the registry. Pieces with no ":" or nothing before it are dropped.
  static std::vector<FontSizeEntry> Parse(std::u16string_view stored);
  static std::u16string Format(const std::vector<FontSizeEntry>& entries);

  // Digits with at most one ".", worth at least 1.
  static bool IsValidPoints(std::u16string_view points);

  // Validates (telling the user why a text is refused), asks before replacing an entry with the
  // same points text, else inserts in ascending order of points. *index is the entry's position.
  AddResult Add(std::u16string_view points, std::u16string_view height, std::u16string_view width,
                size_t* index = nullptr);
  // Asks first (also with nothing selected); on Yes deletes the selected rows. True on Yes.
  bool Remove(const std::vector<size_t>& selected);

  const std::vector<FontSizeEntry>& Entries() const { return entries_; }
  // In-place edits of the dialog's list; the entry keeps its position.
  void SetEntry(size_t index, FontSizeEntry entry);
  void SetEntries(std::vector<FontSizeEntry> entries) { entries_ = std::move(entries); }

 private:
  std::vector<FontSizeEntry> entries_;
};

}  // namespace vk

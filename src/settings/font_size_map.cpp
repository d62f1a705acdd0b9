#include "settings/font_size_map.h"

#include <algorithm>
#include <functional>

#include "settings/list_selection.h"
#include "settings/option_table.h"
#include "text/real_text.h"
#include "ui/user_messages.h"

namespace vk {
namespace {

constexpr double kPointsTolerance = 1e-6;

void Tell(const char16_t* text) { UserMessages::Current().Show(text, kSizeDialogCaption, kMbOk | kMbIconInformation); }

bool Ask(const char16_t* text) {
  return UserMessages::Current().Show(text, kSizeDialogCaption, kMbYesNo | kMbIconInformation) == kIdYes;
}

// Splits at ";" skipping empty pieces.
void ForEachPiece(std::u16string_view text, const std::function<void(std::u16string_view)>& take) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(u';', start);
    if (end == std::u16string_view::npos) end = text.size();
    if (end > start) take(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

std::vector<FontSizeEntry> CFontSizeMap::Parse(std::u16string_view stored) {
  std::vector<FontSizeEntry> entries;
  ForEachPiece(stored, [&](std::u16string_view piece) {
    const size_t colon = piece.find(u':');
    if (colon == std::u16string_view::npos || colon == 0) return;
    const std::u16string_view rest = piece.substr(colon + 1);
    const size_t star = rest.find(u'*');
    FontSizeEntry entry{std::u16string(piece.substr(0, colon)), std::u16string(rest.substr(0, star)), {}};
    if (star != std::u16string_view::npos) entry.width.assign(rest.substr(star + 1));
    entries.push_back(std::move(entry));
  });
  return entries;
}

std::u16string CFontSizeMap::Format(const std::vector<FontSizeEntry>& entries) {
  std::u16string stored;
  for (const FontSizeEntry& e : entries) {
    if (!stored.empty()) stored += u';';
    stored += e.points + u':' + e.height + u'*' + e.width;
  }
  return stored;
}

void CFontSizeMap::Load(std::u16string_view optionKey) { entries_ = Parse(ReadOption(options::kFontSizes, optionKey)); }

void CFontSizeMap::Store(std::u16string_view optionKey) const {
  // An emptied map leaves the stored value alone: the receiver keeps the last map it was given.
  // The size table, by contrast, writes its empty lists.
  const std::u16string stored = Format(entries_);
  if (!stored.empty()) WriteOption(options::kFontSizes, optionKey, stored);
}

bool CFontSizeMap::IsValidPoints(std::u16string_view points) {
  if (points.empty()) return false;
  int dots = 0;
  for (const char16_t c : points) {
    if (c == u'.')
      ++dots;
    else if (c < u'0' || c > u'9')
      return false;
  }
  return dots <= 1 && ParseReal(points) >= 1.0;
}

CFontSizeMap::AddResult CFontSizeMap::Add(std::u16string_view points, std::u16string_view height,
                                          std::u16string_view width, size_t* index) {
  if (!IsValidPoints(points)) {
    Tell(u"Invalid font size.");
    return AddResult::Refused;
  }
  if (height.empty() || height.find(u'*') != height.npos || width.find(u'*') != width.npos) {
    Tell(u"Invalid text height.");
    return AddResult::Refused;
  }
  // The same points text is the same entry; 12 and 12.0 are two entries.
  const auto same = std::find_if(entries_.begin(), entries_.end(), [&](const FontSizeEntry& e) { return e.points == points; });
  if (same != entries_.end()) {
    if (!Ask(u"There is already a same point size. Do you want to replace it?")) return AddResult::Declined;
    same->height.assign(height);
    same->width.assign(width);
    if (index) *index = static_cast<size_t>(same - entries_.begin());
    return AddResult::Replaced;
  }
  const double value = ParseReal(points);
  const auto before = std::find_if(entries_.begin(), entries_.end(), [&](const FontSizeEntry& e) {
    return ParseReal(e.points) - value > kPointsTolerance;
  });
  const auto inserted = entries_.insert(before, FontSizeEntry{std::u16string(points), std::u16string(height), std::u16string(width)});
  if (index) *index = static_cast<size_t>(inserted - entries_.begin());
  return AddResult::Inserted;
}

bool CFontSizeMap::Remove(const std::vector<size_t>& selected) {
  if (!Ask(u"Are you sure you want to remove this point size?")) return false;
  RemoveSelectedRows(entries_, selected);
  return true;
}

void CFontSizeMap::SetEntry(size_t index, FontSizeEntry entry) {
  if (index < entries_.size()) entries_[index] = std::move(entry);
}

}  // namespace vk

#include "settings/other_page_model.h"

#include "settings/list_selection.h"
#include "settings/options_archive.h"

namespace vk {

const char16_t kInvalidPathMessage[] = u"Please enter a valid path.";
const char16_t kFailedToCreateFormat[] = u"Failed to create %s";

namespace {

bool IsTrimmedSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

std::u16string TrimWhiteSpace(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsTrimmedSpace(text[begin])) ++begin;
  while (end > begin && IsTrimmedSpace(text[end - 1])) --end;
  return std::u16string(text.substr(begin, end - begin));
}

void COtherPageModel::ExchangeOptions(COptionsArchive& ar, int32_t version) {
  if (ar.IsStoring()) {
    ar.WriteDouble(m_dRotationDegree);
    ar.WriteInt32(m_nLinkPathType < 0 ? 0 : m_nLinkPathType);
    ar.WriteString(m_strPicturesFolder);
    ar.WriteInt32(m_nHasShiftChar);
    ar.WriteString(TrimWhiteSpace(m_strShiftChar));
    // Files have always held the rotation twice; readers take the second copy.
    ar.WriteDouble(m_dRotationDegree);
    ar.WriteDouble(m_dShiftPoints);
    return;
  }
  if (version < 2) return;  // the first files had no Other section
  m_dRotationDegree = ar.ReadDouble();
  m_nLinkPathType = SelectedPosition(ar.ReadInt32(), kLinkPathTypeCount);
  m_strPicturesFolder = ar.ReadString();
  m_nHasShiftChar = ar.ReadInt32();
  m_strShiftChar = ar.ReadString();
  m_dRotationDegree = ar.ReadDouble();
  m_dShiftPoints = ar.ReadDouble();
}

}  // namespace vk

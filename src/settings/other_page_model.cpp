#include "settings/other_page_model.h"

#include "settings/list_selection.h"
#include "settings/option_table.h"
#include "settings/options_archive.h"
#include "settings/page_option.h"
#include "text/path_text.h"
#include "text/real_text.h"
#include "text/tolerance.h"
#include "ui/shell.h"
#include "ui/user_messages.h"

namespace vk {

const char16_t kInvalidPathMessage[] = u"Please enter a valid path.";
const char16_t kFailedToCreateFormat[] = u"Failed to create %s";

namespace {

bool IsTrimmedSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// The longest path the platform's folder functions take, without its terminator.
constexpr size_t kMaxPathLength = 259;

}  // namespace

std::u16string TrimWhiteSpace(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsTrimmedSpace(text[begin])) ++begin;
  while (end > begin && IsTrimmedSpace(text[end - 1])) --end;
  return std::u16string(text.substr(begin, end - begin));
}

void COtherPageModel::LoadOptions(int32_t funcState) {
  using namespace options;
  const std::u16string key = SheetOptionKey(funcState);
  m_dRotationDegree = ReadOption(kRotationDegree, key);
  m_strPicturesFolder = ReadOption(kPicturesFolder);
  if (m_strPicturesFolder.empty()) m_strPicturesFolder = DocumentsFolder() + u"Vellumark Pictures\\";
  m_nLinkPathType = SelectedPosition(ReadOption(kLinkPathType), kLinkPathTypeCount);
  m_nInsertionPointType = SelectedPosition(ReadOption(kInsertionPointType, key), kInsertionPointTypeCount);
  m_nHasShiftChar = ReadOption(WithDefault(kHasShiftChar, m_nHasShiftChar));
  m_nOnlyPrintArea = ReadOption(WithDefault(kOnlyPrintArea, m_nOnlyPrintArea), key);
  m_nUseRangeName = ReadOption(WithDefault(kUseRangeName, m_nUseRangeName), key);
  m_strLineSpacing = ReadOptionText(WithDefault(kLineSpacing, m_strLineSpacing), key);
  m_nEmbedWorkbook = ReadOption(WithDefault(kEmbedWorkbook, m_nEmbedWorkbook));
  m_strShiftChar = ReadOption(WithDefault(kShiftChar, m_strShiftChar));
  m_dShiftPoints = ReadOption(kShiftPoints);
  // The stored sign is the "Paragraph" box; the field shows the spacing without it.
  if (ParseReal(m_strLineSpacing) > 0) {
    m_nParagraph = 1;
  } else {
    m_nParagraph = 0;
    m_strLineSpacing.erase(0, m_strLineSpacing.find_first_not_of(u'-'));  // all of a text of dashes
  }
}

void COtherPageModel::SaveOptions(int32_t funcState) const {
  using namespace options;
  const std::u16string key = SheetOptionKey(funcState);
  WriteOption(kRotationDegree, key, m_dRotationDegree);
  WriteOption(kInsertionPointType, key, m_nInsertionPointType);
  WriteOption(kPicturesFolder, key, m_strPicturesFolder);
  WriteOption(kLinkPathType, key, m_nLinkPathType < 0 ? 0 : m_nLinkPathType);
  WriteOption(kHasShiftChar, key, m_nHasShiftChar);
  // An emptied field keeps what was stored before.
  if (!m_strShiftChar.empty()) WriteOption(kShiftChar, key, TrimWhiteSpace(m_strShiftChar));
  WriteOption(kOnlyPrintArea, key, m_nOnlyPrintArea);
  WriteOption(kUseRangeName, key, m_nUseRangeName);
  WriteOption(kEmbedWorkbook, key, m_nEmbedWorkbook);
  WriteOption(kShiftPoints, key, m_dShiftPoints);
  WriteOptionText(kLineSpacing, key, StoredLineSpacing());
}

std::u16string COtherPageModel::StoredLineSpacing() const {
  // Spacings outside 0.5 to 4 go back to the default; the sign says "not a paragraph spacing".
  const double spacing = ParseReal(m_strLineSpacing);
  std::u16string text = m_strLineSpacing;
  if (DoubleLess(spacing, 0.5) || DoubleGreater(spacing, 4)) text = u"1.16";
  if (m_nParagraph == 0) text.insert(0, 1, u'-');
  return text;
}

bool COtherPageModel::Apply(int32_t funcState, int32_t activePage) {
  if (m_strPicturesFolder.empty() || m_strPicturesFolder.size() > kMaxPathLength) {
    ShowWarning(kInvalidPathMessage);
    return false;
  }
  if (IsRelativePath(m_strPicturesFolder)) {
    // A relative folder lives below the drawing's folder, which the CAD side records.
    const std::u16string drawingFolder = ReadOption(options::kCurDrawingFolder);
    if (!drawingFolder.empty()) {
      std::u16string folder = drawingFolder.substr(0, kMaxPathLength);
      AddTrailingBackslash(folder);
      folder += m_strPicturesFolder;
      Shell& shell = Shell::Current();
      // Only a missing part of the path is refused; a folder that exists already is fine.
      if (!shell.CreateFolder(folder) && !shell.FolderExists(folder) && !shell.FolderExists(ParentFolder(folder))) {
        std::u16string message = kFailedToCreateFormat;
        message.replace(message.find(u"%s"), 2, folder);
        ShowWarning(message);
        return false;
      }
    }
  }
  SaveOptions(funcState);
  WriteOption(options::kActivePageIndex, activePage);
  return true;
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

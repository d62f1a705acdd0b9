#include "options_ui/other_page.h"

#include <windows.h>
#include <shlobj.h>

#include "ui/win32/controls.h"
#include "automation/win32/win32_text.h"

namespace vk {

namespace {

constexpr int kRotationId = 225, kLinkPathTypeId = 232, kPicturesFolderId = 227, kBrowseId = 228;
constexpr int kOffsetDecendersId = 233, kShiftCharId = 234, kShiftPointsId = 235;
constexpr int kOnlyPrintAreaId = 221, kUseRangeNameId = 222, kEmbedWorkbookId = 223;
constexpr int kParagraphId = 262, kLineSpacingId = 211, kInsertionPointId = 269;

}  // namespace

COtherPage::COtherPage() : COptionsPage(L"IDD_E801CC5F_DFC6_4A46_AEBC_7F5BE9ADC46A") {}

BOOL COtherPage::OnInitDialog() {
  // The items are English in both languages.
  CComboBox linkPath(m_hWnd, kLinkPathTypeId);
  for (const char16_t* item : {u"Full path", u"Relative path", u"No path"}) linkPath.AddString(item);
  linkPath.SetCurSel(0);
  CComboBox insertionPoint(m_hWnd, kInsertionPointId);
  for (const char16_t* item : {u"Left Top", u"Right Top", u"Left Bottom", u"Right Bottom"})
    insertionPoint.AddString(item);
  insertionPoint.SetCurSel(0);

  m_model.LoadOptions(FuncState());
  // Embedding is only offered for the global option set; its value is stored all the same.
  if (FuncState() != 0) CWnd(m_hWnd, kEmbedWorkbookId).ShowWindow(false);
  COptionsPage::OnInitDialog();
  OffsetDecendersRule();
  ParagraphRule();
  insertionPoint.EnableWindow(m_model.m_nInsertionPointEnabled != 0);
  return TRUE;
}

void COtherPage::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, kRotationId, m_model.m_dRotationDegree);
  DDX_CBIndex(dx, kLinkPathTypeId, m_model.m_nLinkPathType);
  DDX_Text(dx, kPicturesFolderId, m_model.m_strPicturesFolder);
  DDX_Check(dx, kOffsetDecendersId, m_model.m_nHasShiftChar);
  DDX_Text(dx, kShiftCharId, m_model.m_strShiftChar);
  DDX_Text(dx, kShiftPointsId, m_model.m_dShiftPoints);
  DDX_Check(dx, kOnlyPrintAreaId, m_model.m_nOnlyPrintArea);
  DDX_Check(dx, kUseRangeNameId, m_model.m_nUseRangeName);
  DDX_Check(dx, kEmbedWorkbookId, m_model.m_nEmbedWorkbook);
  DDX_Check(dx, kParagraphId, m_model.m_nParagraph);
  DDX_Text(dx, kLineSpacingId, m_model.m_strLineSpacing);
  DDX_CBIndex(dx, kInsertionPointId, m_model.m_nInsertionPointType);
}

void COtherPage::OffsetDecendersRule() {
  if (!UpdateData(true)) return;
  for (int id : {kShiftCharId, kShiftPointsId}) CWnd(m_hWnd, id).EnableWindow(m_model.m_nHasShiftChar != 0);
}

void COtherPage::ParagraphRule() {
  if (!UpdateData(true)) return;
  CWnd(m_hWnd, kLineSpacingId).EnableWindow(m_model.m_nParagraph != 0);
}

std::optional<std::u16string> COtherPage::AskFolder() {
  BROWSEINFOW browse{};
  browse.hwndOwner = m_hWnd;
  browse.lpszTitle = L"Pick a Directory";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (chosen == nullptr) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool named = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!named) return std::nullopt;
  return FromWide(path);
}

void COtherPage::Browse() {
  const std::optional<std::u16string> folder = AskFolder();
  if (!folder) return;
  m_model.m_strPicturesFolder = *folder;
  // Only the folder field is shown again: the other controls may hold edits not yet taken.
  CWnd(m_hWnd, kPicturesFolderId).SetWindowText(*folder);
  SetModified();
}

bool COtherPage::OnCommand(int id, int code, HWND) {
  switch (id) {
    case kRotationId:
    case kPicturesFolderId:
    case kShiftCharId:
    case kShiftPointsId:
      if (code != EN_CHANGE) return false;
      if (!IsShowingFields()) SetModified();
      return true;
    case kLinkPathTypeId:
    case kInsertionPointId:
      if (code != CBN_SELCHANGE) return false;
      SetModified();
      return true;
    case kBrowseId:
      if (code == BN_CLICKED) Browse();
      return code == BN_CLICKED;
    case kOffsetDecendersId:
      if (code == BN_CLICKED) OffsetDecendersRule();
      return code == BN_CLICKED;
    case kParagraphId:
      if (code == BN_CLICKED) ParagraphRule();
      return code == BN_CLICKED;
    default:
      return false;
  }
}

bool COtherPage::OnApply() {
  // OK closes the sheet even when this page refused its folder: the message has been shown.
  if (UpdateData(true)) m_model.Apply(FuncState(), ActivePosition());
  return true;
}

void COtherPage::RefreshAfterLoad() {
  UpdateData(false);
  OffsetDecendersRule();
}

void COtherPage::OnTableType(bool anonymousBlock) { m_model.m_nInsertionPointEnabled = anonymousBlock ? 1 : 0; }

}  // namespace vk

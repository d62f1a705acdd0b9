#include "options_ui/other_page.h"

#include <windows.h>
#include <shlobj.h>

#include "ui/win32/controls.h"
#include "automation/win32/win32_text.h"
#include "resource_ids/other_page_ids.h"

namespace vk {

COtherPage::COtherPage() : COptionsPage(L"IDD_E801CC5F_DFC6_4A46_AEBC_7F5BE9ADC46A") {}

BOOL COtherPage::OnInitDialog() {
  // The items are English in both languages.
  CComboBox linkPath(m_hWnd, IDC_OTHER_LINK_PATH_TYPE);
  for (const char16_t* item : {u"Full path", u"Relative path", u"No path"}) linkPath.AddString(item);
  linkPath.SetCurSel(0);
  CComboBox insertionPoint(m_hWnd, IDC_OTHER_INSERTION_POINT);
  for (const char16_t* item : {u"Left Top", u"Right Top", u"Left Bottom", u"Right Bottom"})
    insertionPoint.AddString(item);
  insertionPoint.SetCurSel(0);

  m_model.LoadOptions(FuncState());
  // Embedding is only offered for the global option set; its value is stored all the same.
  if (FuncState() != 0) CWnd(m_hWnd, IDC_OTHER_EMBED_WORKBOOK).ShowWindow(false);
  COptionsPage::OnInitDialog();
  OffsetDecendersRule();
  ParagraphRule();
  insertionPoint.EnableWindow(m_model.m_nInsertionPointEnabled != 0);
  return TRUE;
}

void COtherPage::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_OTHER_ROTATION, m_model.m_dRotationDegree);
  DDX_CBIndex(dx, IDC_OTHER_LINK_PATH_TYPE, m_model.m_nLinkPathType);
  DDX_Text(dx, IDC_OTHER_PICTURES_FOLDER, m_model.m_strPicturesFolder);
  DDX_Check(dx, IDC_OTHER_OFFSET_DECENDERS, m_model.m_nHasShiftChar);
  DDX_Text(dx, IDC_OTHER_SHIFT_CHAR, m_model.m_strShiftChar);
  DDX_Text(dx, IDC_OTHER_SHIFT_POINTS, m_model.m_dShiftPoints);
  DDX_Check(dx, IDC_OTHER_ONLY_PRINT_AREA, m_model.m_nOnlyPrintArea);
  DDX_Check(dx, IDC_OTHER_USE_RANGE_NAME, m_model.m_nUseRangeName);
  DDX_Check(dx, IDC_OTHER_EMBED_WORKBOOK, m_model.m_nEmbedWorkbook);
  DDX_Check(dx, IDC_OTHER_PARAGRAPH, m_model.m_nParagraph);
  DDX_Text(dx, IDC_OTHER_LINE_SPACING, m_model.m_strLineSpacing);
  DDX_CBIndex(dx, IDC_OTHER_INSERTION_POINT, m_model.m_nInsertionPointType);
}

void COtherPage::OffsetDecendersRule() {
  if (!UpdateData(true)) return;
  for (int id : {IDC_OTHER_SHIFT_CHAR, IDC_OTHER_SHIFT_POINTS}) CWnd(m_hWnd,
                 id).EnableWindow(m_model.m_nHasShiftChar != 0);
}

void COtherPage::ParagraphRule() {
  if (!UpdateData(true)) return;
  CWnd(m_hWnd, IDC_OTHER_LINE_SPACING).EnableWindow(m_model.m_nParagraph != 0);
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
  CWnd(m_hWnd, IDC_OTHER_PICTURES_FOLDER).SetWindowText(*folder);
  SetModified();
}

bool COtherPage::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_OTHER_ROTATION:
    case IDC_OTHER_PICTURES_FOLDER:
    case IDC_OTHER_SHIFT_CHAR:
    case IDC_OTHER_SHIFT_POINTS:
      if (code != EN_CHANGE) return false;
      if (!IsShowingFields()) SetModified();
      return true;
    case IDC_OTHER_LINK_PATH_TYPE:
    case IDC_OTHER_INSERTION_POINT:
      if (code != CBN_SELCHANGE) return false;
      SetModified();
      return true;
    case IDC_OTHER_BROWSE:
      if (code == BN_CLICKED) Browse();
      return code == BN_CLICKED;
    case IDC_OTHER_OFFSET_DECENDERS:
      if (code == BN_CLICKED) OffsetDecendersRule();
      return code == BN_CLICKED;
    case IDC_OTHER_PARAGRAPH:
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

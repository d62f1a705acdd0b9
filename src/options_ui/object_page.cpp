#include "options_ui/object_page.h"

#include "resource_ids/object_page_ids.h"
#include "settings/option_table.h"
#include "ui/win32/controls.h"

namespace vk {

namespace {

constexpr int kBorderBit = 0, kShadingBit = 3, kMaskTextBit = 7, kWhiteBorderBit = 9, kWhiteShadingBit = 10;

int BitControl(int bit) { return kImportObjBitTable[bit].controlId; }

}  // namespace

CObjectPage::CObjectPage() : COptionsPage(L"IDD_BE29A112_E337_44F9_B850_1574A9C68CD4") {}

BOOL CObjectPage::OnInitDialog() {
  CComboBox list(m_hWnd, IDC_OBJECT_TEXT_OBJECT);
  list.AddString(u"MText");
  list.AddString(u"Text");
  m_model.LoadOptions(FuncState());
  COptionsPage::OnInitDialog();
  FontRule();
  TableTypeRule();
  return TRUE;
}

void CObjectPage::DoDataExchange(CDataExchange& dx) {
  DDX_Radio(dx, {IDC_OBJECT_ANONYMOUS_BLOCK, IDC_OBJECT_AUTOCAD_TABLE}, m_model.m_nTableObjOpt);
  DDX_Radio(dx, {IDC_OBJECT_POLYLINE, IDC_OBJECT_LINE}, m_model.m_nBorderObjOpt);
  DDX_Radio(dx, {IDC_OBJECT_AUTOCAD_FONT, IDC_OBJECT_EXCEL_FONT}, m_model.m_nUseFontOpt);
  DDX_CBIndex(dx, IDC_OBJECT_TEXT_OBJECT, m_model.m_nTextObjOpt);
  for (size_t bit = 0; bit < m_model.m_nImportObj.size(); ++bit)
    DDX_Check(dx, kImportObjBitTable[bit].controlId, m_model.m_nImportObj[bit]);
  DDX_Check(dx, IDC_OBJECT_HAS_TITLE_ROW, m_model.m_nTableHasTitle);
  DDX_Check(dx, IDC_OBJECT_HAS_HEADER_ROW, m_model.m_nTableHasHeader);
  DDX_Check(dx, IDC_OBJECT_APPLY_TEXT_ALIGN, m_model.m_nApplyTableStyleTextAlign);
}

void CObjectPage::FontRule() {
  if (!UpdateData(true)) return;
  CWnd(m_hWnd, IDC_OBJECT_TEXT_OBJECT).EnableWindow(m_model.m_nUseFontOpt == 0);
  SetModified();
}

void CObjectPage::TableTypeRule() {
  if (!UpdateData(true)) return;
  const bool anonymous = m_model.IsAnonymousTable();
  for (int id : {IDC_OBJECT_POLYLINE, IDC_OBJECT_LINE, IDC_OBJECT_AUTOCAD_FONT, IDC_OBJECT_EXCEL_FONT,
                 BitControl(kMaskTextBit)})
    CWnd(m_hWnd, id).EnableWindow(anonymous);
  CWnd(m_hWnd, IDC_OBJECT_TEXT_OBJECT).EnableWindow(anonymous && m_model.m_nUseFontOpt == 0);
  // The import object boxes and the table boxes share their places: one set at a time. Mask
  // Text is never shown.
  for (size_t bit = 0; bit < m_model.m_nImportObj.size(); ++bit)
    if (static_cast<int>(bit) != kMaskTextBit) CWnd(m_hWnd, BitControl(static_cast<int>(bit))).ShowWindow(anonymous);
  for (int id : {IDC_OBJECT_HAS_TITLE_ROW, IDC_OBJECT_HAS_HEADER_ROW, IDC_OBJECT_APPLY_TEXT_ALIGN})
    CWnd(m_hWnd, id).ShowWindow(!anonymous);
  NotifyTableType(anonymous);
  SetModified();
}

void CObjectPage::CompanionRule(int bit, int whiteBit) {
  if (!UpdateData(true)) return;
  if (m_model.m_nImportObj[static_cast<size_t>(bit)] == 0) {
    m_model.m_nImportObj[static_cast<size_t>(whiteBit)] = 0;
    UpdateData(false);
  }
  CWnd(m_hWnd, BitControl(whiteBit)).EnableWindow(m_model.m_nImportObj[static_cast<size_t>(bit)] != 0);
  SetModified();
}

bool CObjectPage::OnCommand(int id, int code, HWND) {
  if (id == IDC_OBJECT_TEXT_OBJECT) {
    if (code == CBN_SELCHANGE) SetModified();
    return code == CBN_SELCHANGE;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_OBJECT_AUTOCAD_FONT:
    case IDC_OBJECT_EXCEL_FONT:
      FontRule();
      return true;
    case IDC_OBJECT_ANONYMOUS_BLOCK:
    case IDC_OBJECT_AUTOCAD_TABLE:
      TableTypeRule();
      return true;
    default:
      break;
  }
  if (id == BitControl(kBorderBit)) {
    CompanionRule(kBorderBit, kWhiteBorderBit);
    return true;
  }
  if (id == BitControl(kShadingBit)) {
    CompanionRule(kShadingBit, kWhiteShadingBit);
    return true;
  }
  // Form Control and the table boxes are stored all the same, but do not enable Apply.
  for (int quiet : {IDC_OBJECT_HAS_TITLE_ROW, IDC_OBJECT_HAS_HEADER_ROW, IDC_OBJECT_APPLY_TEXT_ALIGN, BitControl(8)})
    if (id == quiet) return true;
  SetModified();
  return true;
}

bool CObjectPage::OnApply() {
  // OK closes the sheet even when this page cannot store: its message has been shown.
  if (UpdateData(true)) m_model.Apply(FuncState(), ActivePosition());
  return true;
}

void CObjectPage::RefreshAfterLoad() {
  UpdateData(false);
  FontRule();
}

}  // namespace vk

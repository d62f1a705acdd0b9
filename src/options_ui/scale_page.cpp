#include "options_ui/scale_page.h"

#include "options_ui/font_sizes_dialog.h"
#include "options_ui/table_size_dialog.h"
#include "settings/scale_list.h"
#include "ui/win32/controls.h"

namespace vk {

CScalePage::CScalePage() : COptionsPage(L"IDD_C6490801_37B6_4520_B168_398E08615BCF") {}

BOOL CScalePage::OnInitDialog() {
  for (int id : {IDC_SCALE_CELL_LIST, IDC_SCALE_FONT_LIST}) {
    CComboBox list(m_hWnd, id);
    for (int32_t n = 0; n < kScaleListCount; ++n) list.SetItemData(list.AddString(kScaleList[static_cast<size_t>(n)].name), n);
  }
  m_model.LoadOptions(FuncState());
  ShowFields();
  CellRule();
  TextHeightRule();
  return TRUE;
}

void CScalePage::DoDataExchange(CDataExchange& dx) {
  DDX_Radio(dx, {IDC_SCALE_CELL_AUTOFIT, IDC_SCALE_CELL_SCALE}, m_model.m_nCellScaleOpt);
  DDX_Text(dx, IDC_SCALE_CELL_DRAWING_UNITS, m_model.m_dCellDrawingUnits);
  DDX_Text(dx, IDC_SCALE_CELL_EXCEL_POINTS, m_model.m_dCellExcelPoints);
  DDX_Check(dx, IDC_SCALE_DEFINE_CELL_SIZES, m_model.m_nDefineCellWidthsHeights);
  DDX_Radio(dx, {IDC_SCALE_FONT_AUTOFIT, IDC_SCALE_FONT_SCALE}, m_model.m_nFontScaleOpt);
  DDX_Text(dx, IDC_SCALE_FONT_DRAWING_UNITS, m_model.m_dFontDrawingUnits);
  DDX_Text(dx, IDC_SCALE_FONT_EXCEL_POINTS, m_model.m_dFontExcelPoints);
  DDX_Check(dx, IDC_SCALE_DEFINE_FONT_SIZES, m_model.m_nDefineFontSizes);
  // After the numbers, whose texts would otherwise select "Custom" again.
  DDX_CBIndex(dx, IDC_SCALE_CELL_LIST, m_model.m_nCellScaleIndex);
  DDX_CBIndex(dx, IDC_SCALE_FONT_LIST, m_model.m_nFontScaleIndex);
}

void CScalePage::ShowFields() {
  m_bShowing = true;
  UpdateData(false);
  m_bShowing = false;
}

void CScalePage::CellRule() {
  if (!UpdateData(true)) return;
  const int32_t option = m_model.m_nCellScaleOpt;
  for (int id : {IDC_SCALE_CELL_LIST, IDC_SCALE_CELL_DRAWING_UNITS, IDC_SCALE_CELL_EXCEL_POINTS,
                 IDC_SCALE_DEFINE_CELL_SIZES})
    CWnd(m_hWnd, id).EnableWindow(option == 1);
  CWnd(m_hWnd, IDC_SCALE_FONT_AUTOFIT).EnableWindow(option != 0);
  // The sizes stay reachable while they are switched on, whatever the scale.
  CWnd(m_hWnd, IDC_SCALE_CELL_SIZES_BUTTON).EnableWindow(m_model.m_nDefineCellWidthsHeights != 0);
  SetModified();
}

void CScalePage::TextHeightRule() {
  if (!UpdateData(true)) return;
  const int32_t option = m_model.m_nFontScaleOpt;
  for (int id : {IDC_SCALE_FONT_LIST, IDC_SCALE_FONT_DRAWING_UNITS, IDC_SCALE_FONT_EXCEL_POINTS,
                 IDC_SCALE_DEFINE_FONT_SIZES})
    CWnd(m_hWnd, id).EnableWindow(option == 1);
  CWnd(m_hWnd, IDC_SCALE_CELL_AUTOFIT).EnableWindow(option != 0);
  if (option == 0 && m_model.m_nDefineFontSizes != 0) {
    m_model.m_nDefineFontSizes = 0;
    ShowFields();
  }
  CWnd(m_hWnd, IDC_SCALE_FONT_SIZES_BUTTON).EnableWindow(m_model.m_nDefineFontSizes != 0);
  SetModified();
}

// A preset fills the two numbers and, as chosen here, stays selected: the numbers it fills are
// not the user's edits. The numbers stored are the preset's either way.
void CScalePage::ChoosePreset(int listId) {
  const int position = CComboBox(m_hWnd, listId).GetCurSel();
  if (position < 1) return;  // "Custom" changes nothing
  const bool cell = listId == IDC_SCALE_CELL_LIST;
  if (cell) {
    m_model.ChooseCellScale(position);
  } else {
    m_model.ChooseFontScale(position);
  }
  m_bShowing = true;
  CWnd(m_hWnd, cell ? IDC_SCALE_CELL_DRAWING_UNITS : IDC_SCALE_FONT_DRAWING_UNITS)
      .SetWindowText(FormatNumberField(cell ? m_model.m_dCellDrawingUnits : m_model.m_dFontDrawingUnits));
  CWnd(m_hWnd, cell ? IDC_SCALE_CELL_EXCEL_POINTS : IDC_SCALE_FONT_EXCEL_POINTS)
      .SetWindowText(FormatNumberField(cell ? m_model.m_dCellExcelPoints : m_model.m_dFontExcelPoints));
  m_bShowing = false;
  SetModified();
}

void CScalePage::NumberEdited(int listId) {
  if (m_bShowing) return;
  CComboBox(m_hWnd, listId).SetCurSel(0);
  SetModified();
}

bool CScalePage::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_SCALE_CELL_AUTOFIT:
    case IDC_SCALE_CELL_SCALE:
    case IDC_SCALE_DEFINE_CELL_SIZES:
      if (code != BN_CLICKED) return false;
      CellRule();
      return true;
    case IDC_SCALE_FONT_AUTOFIT:
    case IDC_SCALE_FONT_SCALE:
    case IDC_SCALE_DEFINE_FONT_SIZES:
      if (code != BN_CLICKED) return false;
      TextHeightRule();
      return true;
    case IDC_SCALE_CELL_LIST:
    case IDC_SCALE_FONT_LIST:
      if (code != CBN_SELCHANGE) return false;
      ChoosePreset(id);
      return true;
    case IDC_SCALE_CELL_DRAWING_UNITS:
    case IDC_SCALE_CELL_EXCEL_POINTS:
      if (code != EN_CHANGE) return false;
      NumberEdited(IDC_SCALE_CELL_LIST);
      return true;
    case IDC_SCALE_FONT_DRAWING_UNITS:
    case IDC_SCALE_FONT_EXCEL_POINTS:
      if (code != EN_CHANGE) return false;
      NumberEdited(IDC_SCALE_FONT_LIST);
      return true;
    case IDC_SCALE_CELL_SIZES_BUTTON:
      if (code != BN_CLICKED) return false;
      CTableSizeDialog(FuncState()).DoModal(GetParent(m_hWnd));
      return true;
    case IDC_SCALE_FONT_SIZES_BUTTON:
      if (code != BN_CLICKED) return false;
      CFontSizesDialog(FuncState()).DoModal(GetParent(m_hWnd));
      return true;
    default:
      return false;
  }
}

bool CScalePage::OnApply() {
  // A refused number stops the step; the model's own checks still record the page position.
  if (UpdateData(true)) m_model.Apply(FuncState(), ActivePosition());
  return true;
}

void CScalePage::RefreshAfterLoad() {
  if (m_hWnd == nullptr) return;
  ShowFields();
  CellRule();
  TextHeightRule();
}

}  // namespace vk

#include "options_ui/layer_color_page.h"

#include <algorithm>

#include "settings/cad_state_block.h"
#include "settings/win32/win32_cad_state_source.h"
#include "ui/win32/controls.h"
#include "automation/win32/win32_text.h"

namespace vk {

namespace {

constexpr int kLayerLists[] = {IDC_LAYER_BORDER, IDC_LAYER_TEXT, IDC_LAYER_SHAPE, IDC_LAYER_IMAGE, IDC_LAYER_FILL};

// The widest item of a list in the list's font, plus what the drop-down adds around its text.
int DroppedWidth(const CComboBox& list) {
  HWND window = list.GetSafeHwnd();
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (int n = 0; n < list.GetCount(); ++n) {
    const std::wstring text = ToWide(list.GetLBText(n));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return widest + metrics.tmAveCharWidth + GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE);
}

}  // namespace

CLayerColorPage::CLayerColorPage() : COptionsPage(L"IDD_A1346D70_03DD_4ABF_86FC_E8E3EE16685E") {}

BOOL CLayerColorPage::OnInitDialog() {
  m_thin.SubclassDlgItem(IDC_LAYER_THIN_COLOUR, m_hWnd);
  m_thick.SubclassDlgItem(IDC_LAYER_THICK_COLOUR, m_hWnd);
  m_regular.SubclassDlgItem(IDC_LAYER_REGULAR_COLOUR, m_hWnd);
  m_bold.SubclassDlgItem(IDC_LAYER_BOLD_COLOUR, m_hWnd);
  LoadOptions();
  return TRUE;
}

void CLayerColorPage::LoadOptions() {
  ShowCadState();
  m_model.LoadOptions(FuncState());
  OnTableType(m_model.IsAnonymousTable());
  UpdateData(false);
  BorderColourRule();
  TextColourRule();
}

void CLayerColorPage::ShowCadState() {
  CWin32CadStateSource sharedMemory;
  const CCadStateBlock block = CCadStateBlock::Read(m_pCadState ? *m_pCadState : sharedMemory);
  if (!block.m_layers.empty()) {
    for (int id : kLayerLists) {
      CComboBox list(m_hWnd, id);
      for (const std::u16string& layer : block.m_layers) list.AddString(layer);
    }
    const int width = DroppedWidth(CComboBox(m_hWnd, IDC_LAYER_BORDER));
    for (int id : kLayerLists) CComboBox(m_hWnd, id).SetDroppedWidth(width);
  }
  if (block.HasPalette()) {
    for (CColourPickerCB* picker : {&m_thin, &m_thick, &m_regular, &m_bold}) picker->ReplaceItems(block.m_palette);
    m_model.m_nColourCount = static_cast<int32_t>(block.m_palette.size());
  }
}

void CLayerColorPage::DoDataExchange(CDataExchange& dx) {
  DDX_Text(dx, IDC_LAYER_BORDER, m_model.m_strBorderLayer);
  DDX_Text(dx, IDC_LAYER_TEXT, m_model.m_strTextLayer);
  DDX_Text(dx, IDC_LAYER_SHAPE, m_model.m_strShapeLayer);
  DDX_Text(dx, IDC_LAYER_IMAGE, m_model.m_strImageLayer);
  DDX_Text(dx, IDC_LAYER_FILL, m_model.m_strFillLayer);
  DDX_Check(dx, IDC_LAYER_FILL_BY_LAYER, m_model.m_nFillColorByLayer);
  DDX_Radio(dx, {IDC_LAYER_LINE_BY_LAYER, IDC_LAYER_LINE_ACI, IDC_LAYER_LINE_BY_WEIGHT}, m_model.m_nLineClrOpt);
  DDX_Radio(dx, {IDC_LAYER_TEXT_BY_LAYER, IDC_LAYER_TEXT_ACI, IDC_LAYER_TEXT_BY_STYLE}, m_model.m_nTextClrOpt);
  DDX_CBIndex(dx, IDC_LAYER_THIN_COLOUR, m_model.m_nThinColor);
  DDX_CBIndex(dx, IDC_LAYER_THICK_COLOUR, m_model.m_nThickColor);
  DDX_CBIndex(dx, IDC_LAYER_REGULAR_COLOUR, m_model.m_nRegularColor);
  DDX_CBIndex(dx, IDC_LAYER_BOLD_COLOUR, m_model.m_nBoldColor);
}

void CLayerColorPage::BorderColourRule() {
  if (!UpdateData(true)) return;
  m_thin.EnableWindow(m_model.m_nLineClrOpt == 2);
  m_thick.EnableWindow(m_model.m_nLineClrOpt == 2);
  SetModified();
}

void CLayerColorPage::TextColourRule() {
  if (!UpdateData(true)) return;
  m_regular.EnableWindow(m_model.m_nTextClrOpt == 2);
  m_bold.EnableWindow(m_model.m_nTextClrOpt == 2);
  SetModified();
}

void CLayerColorPage::OnTableType(bool anonymousBlock) {
  if (m_hWnd == nullptr) return;
  // English whatever the template's language: these captions have never been translated.
  CWnd(m_hWnd, IDC_LAYER_FILL_BY_LAYER)
      .SetWindowText(anonymousBlock ? u"Fill Color By Layer" : u"Apply Table Style's Fill Color");
  CWnd(m_hWnd, IDC_LAYER_TEXT_BY_LAYER).SetWindowText(anonymousBlock ? u"By Layer" : u"Table Style");
  CWnd(m_hWnd, IDC_LAYER_LINE_BY_LAYER).SetWindowText(anonymousBlock ? u"By Layer" : u"Table Style");
  for (int id : kLayerLists) CWnd(m_hWnd, id).EnableWindow(anonymousBlock);
}

bool CLayerColorPage::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_LAYER_LINE_BY_LAYER:
    case IDC_LAYER_LINE_ACI:
    case IDC_LAYER_LINE_BY_WEIGHT:
      if (code != BN_CLICKED) return false;
      BorderColourRule();
      return true;
    case IDC_LAYER_TEXT_BY_LAYER:
    case IDC_LAYER_TEXT_ACI:
    case IDC_LAYER_TEXT_BY_STYLE:
      if (code != BN_CLICKED) return false;
      TextColourRule();
      return true;
    case IDC_LAYER_THIN_COLOUR:
    case IDC_LAYER_THICK_COLOUR:
    case IDC_LAYER_REGULAR_COLOUR:
    case IDC_LAYER_BOLD_COLOUR:
      if (code != CBN_SELCHANGE) return false;
      SetModified();
      return true;
    case IDC_LAYER_BORDER:
    case IDC_LAYER_TEXT:
    case IDC_LAYER_SHAPE:
    case IDC_LAYER_IMAGE:
      if (code != CBN_SELCHANGE && code != CBN_EDITCHANGE) return false;
      SetModified();
      return true;
    default:
      // The Fill list and "Fill Color By Layer" are stored all the same but do not enable Apply.
      return false;
  }
}

bool CLayerColorPage::OnApply() {
  // The page refuses its values in a message and still lets OK close the sheet.
  if (UpdateData(true)) m_model.Apply(FuncState(), ActivePosition());
  return true;
}

bool CLayerColorPage::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return false;
  for (const CColourPickerCB* picker : {&m_thin, &m_thick, &m_regular, &m_bold}) {
    if (picker->ReflectDrawItem(lParam)) {
      *result = TRUE;
      return true;
    }
  }
  return false;
}

void CLayerColorPage::RefreshAfterLoad() {
  if (m_hWnd == nullptr) return;
  UpdateData(false);
  BorderColourRule();
  TextColourRule();
}

}  // namespace vk

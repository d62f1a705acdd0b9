#include "ui/win32/property_sheet.h"

#include "ui/win32/dialog.h"
#include "automation/win32/win32_text.h"

#include <cstring>

namespace vk {

namespace {

// The page whose window the sheet is making on this thread: messages before WM_INITDIALOG (an
// owner-drawn control's WM_MEASUREITEM) reach it through this.
thread_local CPropertyPage* t_creatingPage = nullptr;
// The sheet whose window is being made: its callback has no other way to find it.
thread_local CPropertySheet* t_creatingSheet = nullptr;

void InitControlClasses() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS |
                                                       ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}

// The point size field of a dialog template's font (DLGTEMPLATE or DLGTEMPLATEEX) and the face
// that follows it; null when the template names no font.
struct TemplateFont {
  const WORD* pointSize = nullptr;
  const wchar_t* face = nullptr;
};

// Menu, class and caption: nothing (0), an ordinal (0xFFFF and a number) or a string.
const WORD* SkipNameOrOrdinal(const WORD* p) {
  if (*p == 0x0000) return p + 1;
  if (*p == 0xFFFF) return p + 2;
  while (*p++ != 0) {
  }
  return p;
}

TemplateFont FontOf(const DLGTEMPLATE* dialog) {
  if (dialog == nullptr) return {};
  const auto* words = reinterpret_cast<const WORD*>(dialog);
  const bool extended = words[1] == 0xFFFF;
  DWORD style = 0;
  // DLGTEMPLATEEX: version, signature, help id, extended style, style, count, x, y, cx, cy.
  if (extended)
    memcpy(&style, words + 6, sizeof style);
  else
    style = dialog->style;
  if (!(style & DS_SETFONT)) return {};
  const WORD* p = words + (extended ? 13 : 9);
  for (int field = 0; field < 3; ++field) p = SkipNameOrOrdinal(p);
  TemplateFont font;
  font.pointSize = p;
  // The extended form has weight, italic and character set between the size and the face.
  font.face = reinterpret_cast<const wchar_t*>(p + (extended ? 3 : 1));
  return font;
}

}  // namespace

// ---- page ------------------------------------------------------------------------------------

CPropertyPage::CPropertyPage(std::wstring templateName) : m_template(std::move(templateName)) {}

bool CPropertyPage::UpdateData(bool saveAndValidate) {
  if (m_hWnd == nullptr) return false;
  CDataExchange dx(m_hWnd, saveAndValidate);
  const bool wasShowing = m_bShowing;
  m_bShowing = !saveAndValidate;
  DoDataExchange(dx);
  m_bShowing = wasShowing;
  return !dx.Failed();
}

void CPropertyPage::SetModified(bool changed) {
  m_bModified = changed;
  HWND sheet = m_hWnd ? GetParent(m_hWnd) : nullptr;
  if (sheet != nullptr)
    SendMessageW(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CPropertyPage::DoDataExchange(CDataExchange&) {}
bool CPropertyPage::OnCommand(int, int, HWND) { return false; }
bool CPropertyPage::OnNotify(NMHDR*, LRESULT*) { return false; }
bool CPropertyPage::OnSetActive() { return true; }
bool CPropertyPage::OnKillActive() { return UpdateData(true); }
bool CPropertyPage::OnApply() { return true; }
void CPropertyPage::OnReset() {}
bool CPropertyPage::OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGEW* page) {
  if (message == PSPCB_CREATE && page != nullptr) t_creatingPage = reinterpret_cast<CPropertyPage*>(page->lParam);
  return 1;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) {
    self = message == WM_INITDIALOG
               ? reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam)
               : t_creatingPage;
    if (self == nullptr) return FALSE;
    self->m_hWnd = window;
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
  }
  if (message == WM_INITDIALOG) t_creatingPage = nullptr;

  const INT_PTR handled = self->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, DWLP_USER, 0);
    self->m_hWnd = nullptr;
  }
  return handled;
}

INT_PTR CPropertyPage::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  bool handled = OnMessage(message, wParam, lParam, &result);
  if (!handled) {
    switch (message) {
      case WM_INITDIALOG:
        return OnInitDialog();
      case WM_COMMAND:
        handled = OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        break;
      case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        // The sheet's own notifications come from the sheet window with codes in its range.
        if (header->hwndFrom == GetParent(m_hWnd) && header->code <= PSN_FIRST && header->code >= PSN_LAST) {
          result = OnSheetNotify(*header, lParam);
          handled = true;
        } else {
          handled = OnNotify(header, &result);
        }
        break;
      }
      default:
        break;
    }
  }
  if (!handled) return FALSE;
  if (DialogReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
  SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
  return TRUE;
}

LRESULT CPropertyPage::OnSheetNotify(const NMHDR& header, LPARAM lParam) {
  switch (header.code) {
    case PSN_SETACTIVE:
      if (!OnSetActive()) return -1;
      if (m_pSheet != nullptr)
        for (int i = 0; i < m_pSheet->GetPageCount(); ++i)
          if (m_pSheet->GetPage(i) == this) m_pSheet->m_nLastActive = i;
      return 0;
    case PSN_KILLACTIVE:
      return OnKillActive() ? FALSE : TRUE;
    case PSN_APPLY: {
      // lParam of the notification is TRUE when OK (not Apply) is pressed.
      if (reinterpret_cast<const PSHNOTIFY*>(lParam)->lParam && m_pSheet != nullptr) m_pSheet->m_bOk = true;
      if (!OnApply()) return PSNRET_INVALID_NOCHANGEPAGE;
      m_bModified = false;
      return PSNRET_NOERROR;
    }
    case PSN_RESET:
      OnReset();
      return 0;
    default:
      return 0;
  }
}

// ---- sheet -----------------------------------------------------------------------------------

CPropertySheet::CPropertySheet(std::u16string caption, HWND parent, int startPage)
    : m_caption(std::move(caption)), m_hParent(parent), m_nStartPage(startPage), m_nLastActive(startPage) {}

CPropertySheet::~CPropertySheet() { DestroyWindow(); }

void CPropertySheet::AddPage(CPropertyPage* page) {
  page->m_pSheet = this;
  m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetActiveIndex() const {
  if (m_hWnd != nullptr) {
    HWND current = PropSheet_GetCurrentPageHwnd(m_hWnd);
    for (int i = 0; current != nullptr && i < GetPageCount(); ++i)
      if (m_pages[static_cast<size_t>(i)]->GetSafeHwnd() == current) return i;
  }
  return m_nLastActive;
}

bool CPropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount()) return false;
  if (m_hWnd == nullptr) {
    m_nStartPage = m_nLastActive = index;
    return true;
  }
  return PropSheet_SetCurSel(m_hWnd, nullptr, index) != FALSE;
}

void CPropertySheet::PressButton(int button) {
  if (m_hWnd != nullptr) PostMessageW(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

bool CPropertySheet::IsEnded() const {
  // A modeless sheet that OK or Cancel ended has no current page any more.
  return m_hWnd == nullptr || PropSheet_GetCurrentPageHwnd(m_hWnd) == nullptr;
}

void CPropertySheet::DestroyWindow() {
  if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);  // WM_NCDESTROY clears m_hWnd
}

INT_PTR CPropertySheet::DoModal() { return Run(false); }

bool CPropertySheet::Create() { return Run(true) > 0; }

INT_PTR CPropertySheet::Run(bool modeless) {
  if (m_hWnd != nullptr || m_pages.empty()) return -1;
  InitControlClasses();

  std::vector<PROPSHEETPAGEW> pages(m_pages.size());
  for (size_t i = 0; i < m_pages.size(); ++i) {
    const DLGTEMPLATE* dialogTemplate = ResourceModule::DialogTemplate(m_pages[i]->m_template.c_str(), Language());
    if (dialogTemplate == nullptr) return -1;
    PROPSHEETPAGEW& page = pages[i];
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT | PSP_USECALLBACK | (m_bHelp ? PSP_HASHELP : 0);
    page.hInstance = ResourceModule::Get();
    page.pResource = dialogTemplate;
    page.pfnDlgProc = &CPropertyPage::PageProc;
    page.lParam = reinterpret_cast<LPARAM>(m_pages[i]);
    page.pfnCallback = &CPropertyPage::PageCallback;
  }

  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | (m_bHelp ? PSH_HASHELP : 0) | (modeless ? PSH_MODELESS : 0);
  header.hwndParent = m_hParent;
  header.hInstance = ResourceModule::Get();
  header.pszCaption = W(m_caption);
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = static_cast<UINT>(m_nStartPage >= 0 && m_nStartPage < GetPageCount() ? m_nStartPage : 0);
  header.ppsp = pages.data();
  header.pfnCallback = &CPropertySheet::SheetCallback;

  m_bOk = false;
  m_bInitPending = true;
  CPropertySheet* previous = t_creatingSheet;
  t_creatingSheet = this;
  const INT_PTR result = PropertySheetW(&header);
  t_creatingSheet = previous;
  if (modeless) {
    if (result == 0 || result == -1 || m_hWnd == nullptr) return -1;
    // The platform shows the start page after its own initialisation; the sheet's comes after.
    RunInitDialog();
    return 1;
  }
  if (result < 0) return -1;
  return m_bOk ? IDOK : IDCANCEL;
}

void CPropertySheet::RunInitDialog() {
  if (!m_bInitPending || m_hWnd == nullptr) return;
  m_bInitPending = false;
  OnInitDialog();
}

void CPropertySheet::AdoptPagesFont(DLGTEMPLATE* sheetTemplate) const {
  if (m_pages.empty()) return;
  const TemplateFont page = FontOf(ResourceModule::DialogTemplate(m_pages.front()->m_template.c_str(), Language()));
  const TemplateFont sheet = FontOf(sheetTemplate);
  // Only the size is changed: the template is the platform's copy, with no room for a longer face.
  if (page.pointSize == nullptr || sheet.pointSize == nullptr || lstrcmpiW(page.face, sheet.face) != 0) return;
  *const_cast<WORD*>(sheet.pointSize) = *page.pointSize;
}

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT message, LPARAM lParam) {
  CPropertySheet* self = t_creatingSheet;
  // The platform sizes the page area in the sheet's own dialog units; a sheet whose font differs
  // from its pages' (a Japanese system's sheet is 9 point) would show them cut off or with a
  // blank band. The sheet takes the pages' font, as the pages are laid out in it.
  if (message == PSCB_PRECREATE && self != nullptr && lParam != 0)
    self->AdoptPagesFont(reinterpret_cast<DLGTEMPLATE*>(lParam));
  if (message == PSCB_INITIALIZED && self != nullptr && self->m_hWnd == nullptr) {
    self->m_hWnd = window;
    SetWindowSubclass(window, &CPropertySheet::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(self));
  }
  return 0;
}

LRESULT CALLBACK CPropertySheet::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR data) {
  auto* self = reinterpret_cast<CPropertySheet*>(data);
  // A modal sheet's loop starts by showing the window: the platform has placed its buttons and
  // shown the start page by then, which the sheet's own initialisation relies on.
  if (message == WM_SHOWWINDOW && wParam) self->RunInitDialog();

  LRESULT result = 0;
  if (self->OnMessage(message, wParam, lParam, &result)) return result;
  if (message == WM_COMMAND && self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
    return 0;
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &CPropertySheet::SubclassProc, 1);
    self->m_hWnd = nullptr;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void CPropertySheet::OnInitDialog() {}
bool CPropertySheet::OnCommand(int, int, HWND) { return false; }
bool CPropertySheet::OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

}  // namespace vk

#pragma once
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "ui/win32/data_exchange.h"
#include "ui/win32/resource_module.h"

namespace vk {

class CPropertySheet;

// One page of a CPropertySheet, made from a dialog template of the resource module in the
// sheet's language. The window is created by the sheet when the page is first shown; before
// that GetSafeHwnd() is null and the page's controls do not exist.
//
// How a page is written:
//   - Its template: pass the template's resource name (L"IDD_...") to the constructor. The tab
//     shows the template's caption. Give every page of a sheet the same font, with the face
//     "MS Shell Dlg" (which each system maps to its language's dialog font): the sheet takes
//     the first page's point size, so that the page area it makes is measured in the same dialog
//     units the pages are laid out in.
//   - Its fields: plain members. List them once in DoDataExchange with the DDX_ functions
//     (data_exchange.h); UpdateData(false) shows them, UpdateData(true) takes the controls'
//     values and refuses a number field that holds no number (message shown, false returned).
//   - Its handlers: override what it needs.
//       OnInitDialog   first showing: fill lists, load the fields, call the base (which shows
//                      the fields with UpdateData(false)), apply enabling rules.
//       OnCommand      WM_COMMAND from its controls (id, notification code); true when handled.
//       OnNotify       WM_NOTIFY from its controls (the sheet's own PSN_ notifications go to
//                      the handlers below instead); true when handled, *result the answer.
//       OnSetActive    the page is about to be shown; false keeps the previous one.
//       OnKillActive   leaving the page (other tab, OK, Apply): the base takes the fields with
//                      UpdateData(true); false keeps the page active (and the sheet open).
//       OnApply        OK or Apply, on every page whose window exists; false would keep the
//                      sheet open on this page, so pages that refuse their values in a message
//                      and still let OK close the sheet return true.
//       OnReset        Cancel.
//       OnMessage      sees every message of the page window first (WM_DRAWITEM,
//                      WM_MEASUREITEM..., also those that come before WM_INITDIALOG); true when
//                      handled, and then the handlers above do not run.
//   - IsShowingFields() tells a change notification (EN_CHANGE...) caused by showing the fields
//     from one the user caused.
//   - SetModified() enables the sheet's Apply button; GetSheet() is the sheet it belongs to.
class CPropertyPage {
 public:
  explicit CPropertyPage(std::wstring templateName);
  virtual ~CPropertyPage() = default;
  CPropertyPage(const CPropertyPage&) = delete;
  CPropertyPage& operator=(const CPropertyPage&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const { return m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr; }
  CPropertySheet* GetSheet() const { return m_pSheet; }
  const std::wstring& TemplateName() const { return m_template; }

  // Transfers all fields: true to take the controls' values, false to show the fields.
  // False when a field refused its control's text.
  bool UpdateData(bool saveAndValidate = true);
  // True while UpdateData(false) fills the controls: the change notifications they send then
  // are the page's own doing, not the user's.
  bool IsShowingFields() const { return m_bShowing; }
  void SetModified(bool changed = true);
  bool IsModified() const { return m_bModified; }

 protected:
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange& dx);
  virtual bool OnCommand(int id, int code, HWND control);
  virtual bool OnNotify(NMHDR* header, LRESULT* result);
  virtual bool OnSetActive();
  virtual bool OnKillActive();
  virtual bool OnApply();
  virtual void OnReset();
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  HWND m_hWnd = nullptr;

 private:
  friend class CPropertySheet;
  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static UINT CALLBACK PageCallback(HWND window, UINT message, PROPSHEETPAGEW* page);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnSheetNotify(const NMHDR& header, LPARAM lParam);

  std::wstring m_template;
  CPropertySheet* m_pSheet = nullptr;
  bool m_bModified = false;
  bool m_bShowing = false;
};

// A tabbed property sheet (the platform's), modal (DoModal) or modeless (Create), holding pages
// it does not own. Derived sheets refine OnInitDialog and OnCommand.
class CPropertySheet {
 public:
  explicit CPropertySheet(std::u16string caption, HWND parent = nullptr, int startPage = 0);
  virtual ~CPropertySheet();
  CPropertySheet(const CPropertySheet&) = delete;
  CPropertySheet& operator=(const CPropertySheet&) = delete;

  // Pages in tab order; add them before the sheet opens.
  void AddPage(CPropertyPage* page);
  // The language of the pages' templates; 0 follows the thread (ResourceModule).
  void SetLanguage(LANGID language) { m_language = language; }
  LANGID Language() const { return m_language != 0 ? m_language : ResourceModule::ThreadLanguage(); }
  // Shows the Help button (id 9); its clicks reach OnCommand.
  void EnableHelp(bool enable) { m_bHelp = enable; }
  const std::u16string& Caption() const { return m_caption; }

  // Runs the sheet modally: IDOK after OK, IDCANCEL after Cancel or the close box, -1 on failure.
  INT_PTR DoModal();
  // Opens the sheet modeless and shown. OK and Cancel end it without destroying the window
  // (IsEnded); the owner destroys it.
  bool Create();
  bool IsEnded() const;
  void DestroyWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;
  // The position of the shown page; the start page before the window exists.
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
  // Shows the page at index, creating its window when it has none; false when the page refused
  // to be left or the index is outside.
  bool SetActivePage(int index);
  // Presses OK, Apply, Cancel... as a user would (PSBTN_ values). Posted: OK on a modal sheet
  // ends its loop, which must not happen inside a message the caller is handling.
  void PressButton(int button);

 protected:
  // The sheet window and its buttons exist and the start page is shown.
  virtual void OnInitDialog();
  // WM_COMMAND of the sheet window (its buttons, menus it shows); true when handled, else the
  // platform's handling runs.
  virtual bool OnCommand(int id, int code, HWND control);
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  HWND m_hWnd = nullptr;

 private:
  friend class CPropertyPage;
  INT_PTR Run(bool modeless);
  void RunInitDialog();
  static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
  // Gives the sheet's template (the platform's copy, before the window is made) the point size
  // of the first page's font when both name the same face.
  void AdoptPagesFont(DLGTEMPLATE* sheetTemplate) const;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);

  std::u16string m_caption;
  HWND m_hParent;
  int m_nStartPage;
  int m_nLastActive;  // the page shown last, for when no page is current (after OK)
  bool m_bOk = false;
  bool m_bInitPending = false;
  LANGID m_language = 0;
  bool m_bHelp = false;
  std::vector<CPropertyPage*> m_pages;
};

}  // namespace vk

#pragma once
#include <windows.h>

#include <string>

#include "ui/win32/resource_module.h"

namespace vk {

// Messages whose result a dialog procedure returns itself instead of through DWLP_MSGRESULT.
bool DialogReturnsResultDirectly(UINT message);

// A dialog made from a template of the resource module, modeless (Create) or modal (DoModal),
// with virtual handlers. Templates are loaded by explicit language rather than left to the
// loader, because Windows and Wine pick the language by different rules (thread UI language
// vs. thread locale); this also lets a test open either language on purpose.
class CDialog {
 public:
  explicit CDialog(std::wstring templateName);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // The templates' language for the calling thread (see ResourceModule).
  static LANGID ThreadLanguage() { return ResourceModule::ThreadLanguage(); }

  // Chooses the template language for the next Create/DoModal; 0 follows ThreadLanguage.
  void SetLanguage(LANGID language) { m_language = language; }

  // Creates the window modeless; its visibility is the template's. False when the template is
  // missing or the window cannot be made.
  bool Create(HWND parent = nullptr);
  // Runs the dialog modally; the value given to EndDialog, or -1 on failure.
  INT_PTR DoModal(HWND parent = nullptr);
  void EndDialog(INT_PTR result);
  bool DestroyWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const { return m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr; }
  void SetDlgItemText(int id, const std::u16string& text);
  std::u16string GetDlgItemText(int id) const;
  // Centres the window on its owner, or on the work area of its monitor when it has none.
  void CenterWindow();

 protected:
  // Runs while the window is being made (WM_INITDIALOG); TRUE lets the system set the focus.
  virtual BOOL OnInitDialog();
  // Sees every message of the window first, also those before WM_INITDIALOG; returns true when
  // it handled the message, with *result as the message's result.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // IDOK and IDCANCEL: a modal dialog ends with that id; a modeless one ignores them (the hidden
  // link dialog must not go away on a stray Escape).
  virtual void OnOK();
  virtual void OnCancel();

  HWND m_hWnd = nullptr;

 private:
  const DLGTEMPLATE* LoadTemplate() const;
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::wstring m_template;
  LANGID m_language = 0;
  bool m_modal = false;
};

}  // namespace vk

#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/controls.h"

namespace vk {

// Messages of the in-place editing, between the edit box and its list, and from the list to the
// list's parent.
inline constexpr UINT kListEditAccept = 0x465;   // row, column: take the edit / a cell was changed
inline constexpr UINT kListEditAbandon = 0x466;  // the edit was abandoned
inline constexpr UINT kListEditBegin = 0x467;    // row, column: an edit has begun (to the parent)
// The control id of the edit box inside the list.
inline constexpr int kListSubEditId = 3999;

class CEditableListCtrl;

// The one-line edit box that a CEditableListCtrl puts over the cell being edited. Enter accepts
// the text, Escape abandons it, and losing the focus any other way accepts it.
class CListCtrlSubEdit : public CEdit {
 public:
  CListCtrlSubEdit() = default;
  ~CListCtrlSubEdit();
  CListCtrlSubEdit(const CListCtrlSubEdit&) = delete;
  CListCtrlSubEdit& operator=(const CListCtrlSubEdit&) = delete;

  void DestroyWindow();

  int m_nRow = -1;
  int m_nColumn = -1;
  // What ended the edit: 0 not yet (or focus loss), VK_RETURN or VK_ESCAPE.
  int m_nEndKey = 0;

 private:
  friend class CEditableListCtrl;
  bool Create(CEditableListCtrl* list);
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);

  CEditableListCtrl* m_pList = nullptr;
};

// A report-style list view whose cells from the first editable column on can be edited in
// place: a double-click opens the edit box over the cell. The list tells its parent about each
// edit with the kListEdit... messages.
class CEditableListCtrl : public CListCtrl {
 public:
  CEditableListCtrl() = default;
  ~CEditableListCtrl();
  CEditableListCtrl(const CEditableListCtrl&) = delete;
  CEditableListCtrl& operator=(const CEditableListCtrl&) = delete;

  // Takes over the dialog's list view control.
  bool SubclassDlgItem(int id, HWND dialog);

  // Double-clicks on columns before this one open no edit box.
  void SetFirstEditableColumn(int column) { m_nFirstEditableColumn = column; }
  int GetFirstEditableColumn() const { return m_nFirstEditableColumn; }

  CListCtrlSubEdit& SubEdit() { return m_edit; }

  // The size dialogs' use of the list: rows of texts, one column's texts, the selection.
  void SetRows(const std::vector<std::vector<std::u16string>>& rows);
  std::vector<std::u16string> ColumnTexts(int column) const;
  std::vector<size_t> SelectedRows() const;

  // Begins an edit of the cell under the point (list client coordinates), as a double-click
  // there does; false when no edit box was opened.
  bool BeginEdit(POINT point);

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  void EndEdit();
  void Detach();

  int m_nFirstEditableColumn = 0;
  CListCtrlSubEdit m_edit;
};

}  // namespace vk

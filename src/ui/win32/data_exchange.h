#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace vk {

// One transfer between a dialog's controls and its fields, in one direction: showing the fields
// (saveAndValidate false) or taking the controls' values into them (true). A page's
// DoDataExchange lists its fields once with the DDX_ functions below; both directions use it.
//
// Taking values stops at the first number field whose text is not a number: the field's message
// is shown, the control gets the focus with its text selected, Failed() turns true and the
// remaining DDX_ calls of the pass do nothing. The caller (UpdateData) then reports failure, which
// keeps a page active or stops its apply step.
class CDataExchange {
 public:
  CDataExchange(HWND dialog, bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_hDialog(dialog) {}

  HWND Dialog() const { return m_hDialog; }
  bool m_bSaveAndValidate;
  bool Failed() const { return m_bFailed; }
  // Reports the refusal of the control `id` (message box with text) and ends the pass.
  void Fail(int id, const std::u16string& message);

 private:
  HWND m_hDialog;
  bool m_bFailed = false;
};

// The texts shown when a number field holds no number.
extern const char16_t kEnterNumberMessage[];
extern const char16_t kEnterIntegerMessage[];

// A field's text as a number: optional white space and sign, digits with an optional fraction
// and exponent, optional trailing white space, nothing else. No number when anything else is
// there (an empty text included).
std::optional<double> ParseNumberField(std::u16string_view text);
std::optional<int32_t> ParseIntegerField(std::u16string_view text);
// A number as a field shows it: up to 15 significant digits.
std::u16string FormatNumberField(double value);

// Edit (or any window text: an editable combo box's edit field, a static).
void DDX_Text(CDataExchange& dx, int id, std::u16string& value);
// Number edits: refused when the text is not a number.
void DDX_Text(CDataExchange& dx, int id, double& value);
void DDX_Text(CDataExchange& dx, int id, int32_t& value);
// Check box: 0 clear, 1 set (2, indeterminate, only for three-state boxes).
void DDX_Check(CDataExchange& dx, int id, int32_t& value);
// Radio group given by its buttons in order: the position of the checked one, -1 for none.
void DDX_Radio(CDataExchange& dx, std::initializer_list<int> ids, int32_t& value);
// Drop-down list: the selected position, -1 for none (also when showing a position the list
// does not have).
void DDX_CBIndex(CDataExchange& dx, int id, int32_t& value);

}  // namespace vk

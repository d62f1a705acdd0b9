#include "ui/win32/data_exchange.h"

#include <charconv>
#include <cmath>

#include "text/char_class.h"
#include "text/real_text.h"
#include "ui/user_messages.h"
#include "ui/win32/controls.h"

namespace vk {

// The application framework's own wording for these refusals, which users know.
const char16_t kEnterNumberMessage[] = u"Please enter a number.";
const char16_t kEnterIntegerMessage[] = u"Please enter an integer.";

namespace {

// The length of the number at the start of `text` (after white space and sign), 0 for none;
// *integral tells whether it has neither fraction nor exponent.
size_t ScanNumber(std::u16string_view text, bool* integral) {
  size_t i = SkipSpaceAndSign(text).next;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  *integral = true;
  if (i < text.size() && text[i] == u'.') {
    *integral = false;
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      *integral = false;
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

bool OnlySpaceFrom(std::u16string_view text, size_t at) {
  for (size_t i = at; i < text.size(); ++i)
    if (!IsSpace(text[i])) return false;
  return true;
}

}  // namespace

std::optional<double> ParseNumberField(std::u16string_view text) {
  bool integral = false;
  const size_t end = ScanNumber(text, &integral);
  if (end == 0 || !OnlySpaceFrom(text, end)) return std::nullopt;
  return ParseReal(text.substr(0, end));
}

std::optional<int32_t> ParseIntegerField(std::u16string_view text) {
  bool integral = false;
  const size_t end = ScanNumber(text, &integral);
  if (end == 0 || !integral || !OnlySpaceFrom(text, end)) return std::nullopt;
  const double value = ParseReal(text.substr(0, end));
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::u16string FormatNumberField(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::u16string(buffer, result.ptr);
}

void CDataExchange::Fail(int id, const std::u16string& message) {
  m_bFailed = true;
  ShowWarning(message);
  // Back to the field that holds the wrong text, ready to be typed over.
  CEdit field(m_hDialog, id);
  if (field) {
    SetFocus(field.GetSafeHwnd());
    field.SetSel(0, -1);
  }
}

void DDX_Text(CDataExchange& dx, int id, std::u16string& value) {
  if (dx.Failed()) return;
  CWnd control(dx.Dialog(), id);
  if (dx.m_bSaveAndValidate) {
    value = control.GetWindowText();
  } else {
    control.SetWindowText(value);
  }
}

void DDX_Text(CDataExchange& dx, int id, double& value) {
  if (dx.Failed()) return;
  CWnd control(dx.Dialog(), id);
  if (!dx.m_bSaveAndValidate) {
    control.SetWindowText(FormatNumberField(value));
    return;
  }
  if (const auto number = ParseNumberField(control.GetWindowText())) {
    value = *number;
  } else {
    dx.Fail(id, kEnterNumberMessage);
  }
}

void DDX_Text(CDataExchange& dx, int id, int32_t& value) {
  if (dx.Failed()) return;
  CWnd control(dx.Dialog(), id);
  if (!dx.m_bSaveAndValidate) {
    control.SetWindowText(std::u16string(FormatNumberField(value)));
    return;
  }
  if (const auto number = ParseIntegerField(control.GetWindowText())) {
    value = *number;
  } else {
    dx.Fail(id, kEnterIntegerMessage);
  }
}

void DDX_Check(CDataExchange& dx, int id, int32_t& value) {
  if (dx.Failed()) return;
  CButton box(dx.Dialog(), id);
  if (dx.m_bSaveAndValidate) {
    value = box.GetCheck();
  } else {
    box.SetCheck(value);
  }
}

void DDX_Radio(CDataExchange& dx, std::initializer_list<int> ids, int32_t& value) {
  if (dx.Failed()) return;
  int32_t position = 0;
  if (dx.m_bSaveAndValidate) {
    value = -1;
    for (int id : ids) {
      if (CButton(dx.Dialog(), id).GetCheck() == BST_CHECKED) {
        value = position;
        break;
      }
      ++position;
    }
    return;
  }
  for (int id : ids) {
    CButton(dx.Dialog(), id).SetCheck(position == value ? BST_CHECKED : BST_UNCHECKED);
    ++position;
  }
}

void DDX_CBIndex(CDataExchange& dx, int id, int32_t& value) {
  if (dx.Failed()) return;
  CComboBox list(dx.Dialog(), id);
  if (dx.m_bSaveAndValidate) {
    value = list.GetCurSel();
  } else {
    list.SetCurSel(value);
  }
}

}  // namespace vk

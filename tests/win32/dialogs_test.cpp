#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/win32/progress_dialog.h"
#include "link/link_channel.h"
#include "link/win32/signal_dialog.h"
#include "ui/progress_window.h"
#include "ui/user_messages.h"
#include "ui/win32/dialog.h"
#include "win32/receiver_process.h"

namespace vk {
namespace {

// The client size a template of that many dialog units gets in this window's font.
SIZE DialogUnits(HWND window, int width, int height) {
  RECT units{0, 0, width, height};
  MapDialogRect(window, &units);
  return {units.right, units.bottom};
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

struct LanguageCase {
  LANGID language;
  std::u16string text;
};

TEST(ProgressDialog, OpensCentredAndShownWithoutParentInEitherLanguage) {
  const LanguageCase cases[] = {{kLangEnglish, u"Reading the Excel data..."},
                                {kLangJapanese, u"Excel\u30c7\u30fc\u30bf\u3092\u8aad\u307f\u51fa\u3059..."}};
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.language);
    CProgressDialog dialog;
    ASSERT_TRUE(dialog.CreateAndShow(c.language));
    HWND window = dialog.GetSafeHwnd();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_PROGRESS_TEXT), c.text);

    const SIZE client = ClientSize(window), expected = DialogUnits(window, 220, 38);
    EXPECT_EQ(client.cx, expected.cx);
    EXPECT_EQ(client.cy, expected.cy);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_LE(std::abs((frame.left + frame.right) - (monitor.rcWork.left + monitor.rcWork.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)), 2);
  }
}

TEST(ProgressDialog, TextAndBarFollowTheImport) {
  CProgressDialog dialog;
  ASSERT_TRUE(dialog.CreateAndShow(kLangEnglish));
  HWND bar = dialog.GetDlgItem(IDC_PROGRESS_BAR);
  ASSERT_NE(bar, nullptr);
  wchar_t className[64] = {};
  GetClassNameW(bar, className, 64);
  EXPECT_STREQ(className, L"msctls_progress32");

  dialog.SetText(u"Table Size: 2 rows X 3 columns");
  EXPECT_EQ(dialog.GetDlgItemText(IDC_PROGRESS_TEXT), u"Table Size: 2 rows X 3 columns");
  dialog.SetRange(0, 6);
  dialog.SetStep(1);
  dialog.SetPos(2);
  dialog.StepIt();
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 3);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 6);

  HWND window = dialog.GetSafeHwnd();
  EXPECT_TRUE(dialog.DestroyWindow());
  EXPECT_FALSE(IsWindow(window));
  dialog.SetText(u"gone");  // a progress window without window does nothing
  dialog.StepIt();
}

// The bar takes steps in batches (its repaint per step cost more than a cell's reading), but a
// table's last step fills it and a position set is shown at once.
TEST(ProgressDialog, StepsInQuickSuccessionEndWithTheBarFull) {
  CProgressDialog dialog;
  ASSERT_TRUE(dialog.CreateAndShow(kLangEnglish));
  HWND bar = dialog.GetDlgItem(IDC_PROGRESS_BAR);
  dialog.SetRange(0, 5000);
  dialog.SetStep(1);
  dialog.SetPos(0);
  for (int i = 0; i < 4999; ++i) dialog.StepIt();
  EXPECT_LE(SendMessageW(bar, PBM_GETPOS, 0, 0), 4999);
  dialog.StepIt();
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 5000);

  dialog.SetRange(0, 20);
  dialog.SetPos(3);
  for (int i = 0; i < 5; ++i) dialog.StepIt();
  dialog.SetPos(7);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 7);
  for (int i = 0; i < 13; ++i) dialog.StepIt();
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 20);
}

TEST(ProgressDialog, TheDefaultFactoryMakesShownWindowsThatCloseWithTheirObject) {
  std::unique_ptr<ProgressWindow> progress = ProgressFactory::Current().Create();
  auto* dialog = dynamic_cast<CProgressDialog*>(progress.get());
  ASSERT_NE(dialog, nullptr);
  HWND window = dialog->GetSafeHwnd();
  EXPECT_TRUE(IsWindowVisible(window));
  progress.reset();
  EXPECT_FALSE(IsWindow(window));
}

TEST(Dialogs, TheTemplateLanguageFollowsTheThreadLocale) {
  const LCID before = GetThreadLocale();
  SetThreadLocale(MAKELCID(kLangJapanese, SORT_DEFAULT));
  EXPECT_EQ(CDialog::ThreadLanguage(), kLangJapanese);
  {
    CProgressDialog dialog;
    ASSERT_TRUE(dialog.CreateAndShow());
    EXPECT_EQ(dialog.GetDlgItemText(IDC_PROGRESS_TEXT), u"Excel\u30c7\u30fc\u30bf\u3092\u8aad\u307f\u51fa\u3059...");
  }
  SetThreadLocale(MAKELCID(kLangEnglish, SORT_DEFAULT));
  EXPECT_EQ(CDialog::ThreadLanguage(), kLangEnglish);
  SetThreadLocale(before);
}

TEST(SignalDialog, IsAHiddenCaptionedDialogFoundByItsTitleInEitherLanguage) {
  test::LinkWindowsLock lock;
  for (LANGID language : {kLangEnglish, kLangJapanese}) {
    SCOPED_TRACE(language);
    CSignalDialog dialog(nullptr);
    dialog.SetLanguage(language);
    ASSERT_TRUE(dialog.Create(nullptr));
    ShowWindow(dialog.GetSafeHwnd(), SW_HIDE);
    HWND window = dialog.GetSafeHwnd();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kLinkDialogTitle)), window);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    EXPECT_EQ(GetWindow(window, GW_CHILD), nullptr);
    const SIZE client = ClientSize(window), expected = DialogUnits(window, 223, 132);
    EXPECT_EQ(client.cx, expected.cx);
    EXPECT_EQ(client.cy, expected.cy);
    // Without an owner an import request is answered with 0.
    EXPECT_EQ(SendMessageW(window, kWmLinkImport, 0, 1), 0);
  }
  EXPECT_EQ(FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kLinkDialogTitle)), nullptr);
}

// A dialog that ends itself as soon as it is up, through the base OK handling.
class SelfClosingDialog final : public CDialog {
 public:
  SelfClosingDialog() : CDialog(kProgressTemplate) {}
  int seen = 0;

 protected:
  BOOL OnInitDialog() override {
    PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
  }
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT*) override {
    if (message == WM_COMMAND) ++seen;
    return false;
  }
};

TEST(Dialogs, RunModallyUntilEnded) {
  SelfClosingDialog dialog;
  EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
  EXPECT_EQ(dialog.seen, 1);
  EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST(Dialogs, AMissingTemplateFailsCleanly) {
  class Missing final : public CDialog {
   public:
    Missing() : CDialog(L"IDD_NOT_THERE") {}
  } dialog;
  EXPECT_FALSE(dialog.Create(nullptr));
  EXPECT_EQ(dialog.DoModal(nullptr), -1);
}

TEST(Dialogs, MessagesAreCaptionedWithTheModuleName) {
  EXPECT_EQ(MessageCaption(), u"vk_win32_tests");
  SetMessageCaption(u"Vellumark");
  EXPECT_EQ(MessageCaption(), u"Vellumark");
  SetMessageCaption(u"");
  EXPECT_EQ(MessageCaption(), u"vk_win32_tests");
}

}  // namespace
}  // namespace vk

// The ProjectWise confirmation dialog from its template, and the Windows site of the check
// that shows it and reaches the connector over COM.
#include "import/win32/pw_confirm_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "automation/win32/dispatch_object.h"
#include "fake_project_wise_connector.h"
#include "import/win32/win32_project_wise_site.h"
#include "automation/win32/win32_text.h"
#include "win32/fake_com_project_wise_connector.h"

namespace vk {
namespace {

// What the dialog looked like when it came up, and the press that ended it.
struct Seen {
  std::wstring caption;
  SIZE client{};
  SIZE expectedClient{};
  std::vector<std::pair<int, std::wstring>> controls;  // id and text, in creation order
  LONG_PTR defaultButton = 0;
  bool ownerless = false;
  HWND owner = nullptr;
  RECT place{};
  LONG_PTR style = 0;
};

struct Press {
  UINT message;  // WM_COMMAND with the button's id, or WM_CLOSE for the close box
  int id;
};

Press g_press{};
Seen* g_seen = nullptr;

LRESULT CALLBACK PressWhenShown(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && GetDlgItem(window, IDC_PW_FREE) != nullptr && g_seen != nullptr) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    g_seen->caption = text;
    RECT client{}, units{0, 0, 420, 67};
    GetClientRect(window, &client);
    MapDialogRect(window, &units);
    g_seen->client = {client.right, client.bottom};
    g_seen->expectedClient = {units.right, units.bottom};
    g_seen->ownerless = GetWindow(window, GW_OWNER) == nullptr;
    g_seen->owner = GetWindow(window, GW_OWNER);
    GetWindowRect(window, &g_seen->place);
    g_seen->style = GetWindowLongPtrW(window, GWL_STYLE);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      GetWindowTextW(child, text, 256);
      g_seen->controls.push_back({GetDlgCtrlID(child), text});
    }
    g_seen->defaultButton = GetWindowLongPtrW(GetDlgItem(window, IDOK), GWL_STYLE) & 0x0F;
    PostMessageW(window, g_press.message, g_press.message == WM_COMMAND ? MAKEWPARAM(g_press.id, BN_CLICKED) : 0, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs f while the hook answers the dialog with press.
template <typename F>
Seen WhileAnswering(Press press, F f) {
  Seen seen;
  g_press = press;
  g_seen = &seen;
  HHOOK hook = SetWindowsHookExW(WH_CBT, &PressWhenShown, nullptr, GetCurrentThreadId());
  f();
  UnhookWindowsHookEx(hook);
  g_seen = nullptr;
  return seen;
}

TEST(PwConfirmDialog, ShowsTheDocumentLineUnderItsCaptionWithFourButtons) {
  CVellumarkPWConfirmDialog dialog;
  EXPECT_EQ(dialog.m_nChoice, 1013);
  EXPECT_TRUE(dialog.m_strDocument.empty());
  dialog.m_strDocument = u"Document: Pump schedule.xlsx";
  Seen seen = WhileAnswering({WM_COMMAND, IDCANCEL}, [&] { EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL); });

  EXPECT_EQ(seen.caption, L"Vellumark for ProjectWise");
  EXPECT_EQ(seen.client.cx, seen.expectedClient.cx);
  EXPECT_EQ(seen.client.cy, seen.expectedClient.cy);
  EXPECT_TRUE(seen.ownerless);
  EXPECT_EQ(seen.defaultButton, BS_DEFPUSHBUTTON);
  const std::vector<std::pair<int, std::wstring>> controls = {{IDC_PW_DOCUMENT, L"Document: Pump schedule.xlsx"},
                                                              {IDOK, L"Check In"},
                                                              {IDC_PW_UPDATE_SERVER_COPY, L"Update Server Copy"},
                                                              {IDC_PW_FREE, L"Free"},
                                                              {IDCANCEL, L"Cancel"}};
  EXPECT_EQ(seen.controls, controls);
}

TEST(PwConfirmDialog, EachButtonEndsItWithItsChoiceAndCancelLeavesTheChoice) {
  struct Case {
    Press press;
    int32_t choice;
  };
  const Case cases[] = {{{WM_COMMAND, IDOK}, kPwChoiceCheckIn},
                        {{WM_COMMAND, IDC_PW_UPDATE_SERVER_COPY}, kPwChoiceUpdateServerCopy},
                        {{WM_COMMAND, IDC_PW_FREE}, kPwChoiceFree},
                        {{WM_COMMAND, IDCANCEL}, kPwChoiceInitial},
                        {{WM_CLOSE, 0}, kPwChoiceInitial}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.press.message << " " << c.press.id);
    CVellumarkPWConfirmDialog dialog;
    Seen seen = WhileAnswering(c.press, [&] { dialog.DoModal(nullptr); });
    EXPECT_FALSE(seen.caption.empty());
    EXPECT_EQ(dialog.m_nChoice, c.choice);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);

    // The site shows the same dialog and hands back the choice.
    CWin32ProjectWiseSite site;
    int32_t choice = 0;
    seen = WhileAnswering(c.press, [&] { choice = site.ConfirmDocument(u"Document: A.xlsx"); });
    EXPECT_EQ(choice, c.choice);
    ASSERT_FALSE(seen.controls.empty());
    EXPECT_EQ(seen.controls[0].second, L"Document: A.xlsx");
  }
}

// The site is given Excel's main window (Application.Hwnd): the dialog is owned by it, a
// top-level window rather than a child, and opens centred over it.
TEST(Win32ProjectWiseSite, TheDialogIsOwnedByExcelsWindowAndCentredOverIt) {
  HWND excel = CreateWindowExW(0, L"STATIC", L"Excel", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 260, 180, 900, 600,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(excel, nullptr);
  CWin32ProjectWiseSite site(excel);
  int32_t choice = 0;
  Seen seen = WhileAnswering({WM_COMMAND, IDC_PW_FREE}, [&] { choice = site.ConfirmDocument(u"Document: A.xlsx"); });
  EXPECT_EQ(choice, kPwChoiceFree);
  EXPECT_EQ(seen.owner, excel);
  EXPECT_EQ(seen.style & WS_CHILD, 0);
  EXPECT_NEAR((seen.place.left + seen.place.right) / 2, 260 + 900 / 2, 3);
  EXPECT_NEAR((seen.place.top + seen.place.bottom) / 2, 180 + 600 / 2, 3);
  DestroyWindow(excel);
}

// The object Excel's COM add-in entry publishes comes over COM: the site asks it for the
// connector's interface there, and an object without it gives no connector.
TEST(Win32ProjectWiseSite, OpensTheConnectorOfAnObjectThatCameOverCom) {
  for (bool offers : {true, false}) {
    SCOPED_TRACE(offers);
    auto script = std::make_shared<fake::FakeProjectWiseConnector>();
    script->script() = {0, u"pw://Plant/Pumps.xlsx"};
    script->script().offersInterface = offers;
    fake::FakeComProjectWiseConnector* com = fake::FakeComProjectWiseConnector::Create(script);
    ObjectPtr published = DispatchObject::Wrap(com);
    com->Release();

    CWin32ProjectWiseSite site;
    ProjectWiseConnectorPtr connector = site.OpenConnector(published);
    if (!offers) {
      EXPECT_EQ(connector, nullptr);
      continue;
    }
    ASSERT_NE(connector, nullptr);
    std::u16string document;
    EXPECT_EQ(connector->QueryDocument(document), 0);
    EXPECT_EQ(document, u"pw://Plant/Pumps.xlsx");
    connector->SetTablePath(u"?");
    EXPECT_EQ(script->calls(),
              (std::vector<fake::ConnectorCall>{fake::ConnectorCall::Query(), fake::ConnectorCall::TablePath(u"?")}));
  }
  EXPECT_EQ(CWin32ProjectWiseSite().OpenConnector(nullptr), nullptr);
}

}  // namespace
}  // namespace vk

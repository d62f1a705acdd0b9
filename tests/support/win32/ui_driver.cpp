#include "win32/ui_driver.h"

#include "automation/win32/win32_text.h"

namespace vk::test {

namespace {

UiDriver* g_driver = nullptr;

bool IsMessageBox(HWND window) {
  // Message boxes are dialogs with their text in a static of id 0xFFFF.
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  return lstrcmpW(className, L"#32770") == 0 && GetDlgItem(window, 0xFFFF) != nullptr;
}

}  // namespace

std::u16string WindowText(HWND window) {
  if (window == nullptr) return {};
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return FromWide(std::wstring_view(text));
}

std::u16string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void Click(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void Type(HWND dialog, int id, const std::u16string& text) {
  // Setting the text of an edit sends EN_CHANGE to its parent, as typing does.
  SetDlgItemTextW(dialog, id, W(text));
}

void Choose(HWND dialog, int id, int position) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

UiDriver::UiDriver() {
  g_driver = this;
  m_hook = SetWindowsHookExW(WH_CBT, &UiDriver::CbtHook, nullptr, GetCurrentThreadId());
  m_timer = SetTimer(nullptr, 0, 15, &UiDriver::Tick);
  m_deadline = GetTickCount() + 30000;
}

UiDriver::~UiDriver() {
  KillTimer(nullptr, m_timer);
  UnhookWindowsHookEx(m_hook);
  g_driver = nullptr;
}

UiDriver& UiDriver::Then(std::function<bool()> step) {
  m_steps.push_back(std::move(step));
  return *this;
}

bool UiDriver::Run(double seconds) {
  m_deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  MSG message;
  while (!Done() && static_cast<LONG>(GetTickCount() - m_deadline) < 0) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  return Done();
}

LRESULT CALLBACK UiDriver::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  UiDriver* self = g_driver;
  HWND window = reinterpret_cast<HWND>(wParam);
  if (self != nullptr && code == HCBT_ACTIVATE) {
    if (IsMessageBox(window)) {
      self->messageBoxes.push_back({ItemText(window, 0xFFFF), WindowText(window)});
      int answer = IDOK;
      if (!self->m_answers.empty()) {
        answer = self->m_answers.front();
        self->m_answers.erase(self->m_answers.begin());
      }
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    } else if (GetParent(window) == nullptr || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) {
      self->m_dialog = window;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK UiDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  UiDriver* self = g_driver;
  if (self == nullptr || self->Done()) return;
  if (static_cast<LONG>(GetTickCount() - self->m_deadline) >= 0) {
    // A modal loop that never ends would hang the test program: close what is open.
    self->m_timedOut = true;
    self->m_next = self->m_steps.size();
    if (self->m_dialog != nullptr) PostMessageW(self->m_dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return;
  }
  // One step per tick; a step may open a modal loop of its own, in which later ticks run.
  static bool running = false;
  if (running) return;
  running = true;
  const size_t index = self->m_next;
  if (self->m_steps[index]()) self->m_next = index + 1;
  running = false;
}

}  // namespace vk::test

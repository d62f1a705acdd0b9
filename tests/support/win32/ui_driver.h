#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vk::test {

// A message box as the user saw it.
struct SeenMessageBox {
  std::u16string text;
  std::u16string caption;
};

// Plays the user of modal windows on the test thread, for its lifetime:
//   - real message boxes are answered with a button as soon as they are up (queued answers
//     first, then IDOK), their text and caption recorded;
//   - the top-level dialog windows that open (a property sheet, say) are noted;
//   - steps queued with Then() run one per timer tick from whatever modal loop is active; a step
//     that returns false is not ready and is asked again on the next tick. Run() pumps messages
//     until every step has run (for modeless windows), or the watchdog ends the wait.
// Anything that opens a nested modal loop must be posted from a step, not sent.
class UiDriver {
 public:
  UiDriver();
  ~UiDriver();
  UiDriver(const UiDriver&) = delete;
  UiDriver& operator=(const UiDriver&) = delete;

  void QueueAnswer(int button) { m_answers.push_back(button); }
  UiDriver& Then(std::function<bool()> step);
  // Pumps messages until the steps are done; false when the watchdog (seconds) ran out.
  bool Run(double seconds = 20);
  bool Done() const { return m_next >= m_steps.size(); }
  // The watchdog closed the last dialog because the steps did not finish in time (30 s, or what
  // Run was given).
  bool TimedOut() const { return m_timedOut; }
  // The last top-level dialog that opened and is not a message box (null when none).
  HWND LastDialog() const { return m_dialog; }

  std::vector<SeenMessageBox> messageBoxes;

 private:
  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

  HHOOK m_hook = nullptr;
  UINT_PTR m_timer = 0;
  DWORD m_deadline = 0;
  std::vector<int> m_answers;
  std::vector<std::function<bool()>> m_steps;
  size_t m_next = 0;
  HWND m_dialog = nullptr;
  bool m_timedOut = false;
};

// The text of a window, and of a dialog's child by id.
std::u16string WindowText(HWND window);
std::u16string ItemText(HWND dialog, int id);
// Tells the dialog that its button was clicked, as a click does (sent: use it only for buttons
// that open no modal window; post WM_COMMAND for those).
void Click(HWND dialog, int id);
// Types a text into an edit (replaces it, the parent sees EN_CHANGE).
void Type(HWND dialog, int id, const std::u16string& text);
// Chooses a position in a drop-down list as the user does (the parent sees CBN_SELCHANGE).
void Choose(HWND dialog, int id, int position);

}  // namespace vk::test

#pragma once
#include <windows.h>

#include <string>

namespace vk::test {

// The link windows are found by their titles, so only one receiver window and one link dialog
// may exist at a time, yet test programs run side by side: every test that makes either window,
// or relies on there being none, holds this machine-wide lock.
class LinkWindowsLock {
 public:
  LinkWindowsLock();
  ~LinkWindowsLock();
  LinkWindowsLock(const LinkWindowsLock&) = delete;
  LinkWindowsLock& operator=(const LinkWindowsLock&) = delete;

 private:
  HANDLE m_mutex;
};

// The stand-in receiver (vk_receiver.exe beside the running program) as a second process,
// logging to a file. Start waits until its window can be found.
class ReceiverProcess {
 public:
  // arguments: more of the serve command's options (drawings, template, state block name).
  explicit ReceiverProcess(std::u16string logPath, std::wstring arguments = {});
  ~ReceiverProcess();
  ReceiverProcess(const ReceiverProcess&) = delete;
  ReceiverProcess& operator=(const ReceiverProcess&) = delete;

  bool Start();
  // Closes the window and waits for the process to end (killing it after a while); the log is
  // complete afterwards.
  bool Stop();
  HWND Window() const { return m_window; }
  // Makes the receiver send WM_LINK_IMPORT with lParam to the link dialog; its answer.
  LRESULT RequestImport(LPARAM lParam);

 private:
  std::u16string m_logPath;
  std::wstring m_arguments;
  PROCESS_INFORMATION m_process{};
  HWND m_window = nullptr;
};

}  // namespace vk::test

#include "win32/receiver_process.h"

#include "link/link_channel.h"
#include "receiver_log.h"
#include "win32/program_folder.h"

namespace vk::test {

namespace {

HWND FindReceiverWindow() { return FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kReceiverTitle)); }

}  // namespace

LinkWindowsLock::LinkWindowsLock() : m_mutex(CreateMutexW(nullptr, FALSE, L"Local\\VellumarkTestReceiver")) {
  if (m_mutex != nullptr) WaitForSingleObject(m_mutex, 120000);
}

LinkWindowsLock::~LinkWindowsLock() {
  if (m_mutex != nullptr) {
    ReleaseMutex(m_mutex);
    CloseHandle(m_mutex);
  }
}

ReceiverProcess::ReceiverProcess(std::u16string logPath, std::wstring arguments)
    : m_logPath(std::move(logPath)), m_arguments(std::move(arguments)) {}

ReceiverProcess::~ReceiverProcess() { Stop(); }

bool ReceiverProcess::Start() {
  if (m_process.hProcess != nullptr) return false;
  std::wstring command = L"\"" + ProgramFolder() + L"vk_receiver.exe\" serve \"" +
                         std::wstring(m_logPath.begin(), m_logPath.end()) + L"\"";
  if (!m_arguments.empty()) command += L" " + m_arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process)) {
    m_process = {};
    return false;
  }
  for (int waited = 0; waited < 15000; waited += 10) {
    m_window = FindReceiverWindow();
    if (m_window != nullptr) return true;
    if (WaitForSingleObject(m_process.hProcess, 10) == WAIT_OBJECT_0) break;
  }
  Stop();
  return false;
}

bool ReceiverProcess::Stop() {
  if (m_process.hProcess == nullptr) return false;
  if (m_window != nullptr) SendMessageTimeoutW(m_window, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, nullptr);
  bool ended = WaitForSingleObject(m_process.hProcess, 15000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(m_process.hProcess, 1);
  CloseHandle(m_process.hThread);
  CloseHandle(m_process.hProcess);
  m_process = {};
  m_window = nullptr;
  return ended;
}

LRESULT ReceiverProcess::RequestImport(LPARAM lParam) {
  return m_window ? SendMessageW(m_window, kReceiverRequestImport, 0, lParam) : 0;
}

}  // namespace vk::test

// The stand-in Office host: loads the add-in the way Excel does and drives it the way Office
// does, printing one line per act so that tests and the demo can follow what happened.
//
//   vk_office_host [--register] [--unregister] [--answer yes|no] [--wait-receiver]
//                  [--close-receiver] [--pw <status> <document> [--pw-press <button>]]
//                  [--options <control id> <text>] [--time] --fixture <workbook.json> [callback...]
//
// Creates "Vellumark.VK2019" by ProgID (after DllRegisterServer of Vellumark.dll beside this
// program with --register), connects it with the stand-in Excel served over COM and a COMAddIn
// entry, asks for the ribbon, calls each named ribbon callback by name through IDispatch with a
// ribbon control, disconnects, releases everything and asks the module whether it can unload.
// Message boxes the add-in shows are answered (OK, or Yes/No as --answer says) and printed.
// --wait-receiver waits (up to 30 s) for the receiver window before connecting, as Excel would
// be started after the CAD side; --close-receiver closes it at the end (the demo's receiver).
// --time adds a line "time <callback> <ms> ms" after each ribbon call, "excel <callback> <ms>
// ms in <n> calls" for the part of it the stand-in Excel spent answering, "link <callback> <ms> ms
// in <n> messages" for the part the add-in spent in messages to the receiver, "cpu <callback> <ms>
// ms" for the processor time this process used meanwhile (what other programs on a shared
// machine do not change), and "memory <callback>
// <kB> kB before, peak <kB> kB" for the process's working set before the call and its highest
// during it (scripts/bench-wine); the stand-in then keeps no log of the calls, which would
// grow with the table.
// --pw installs a stand-in ProjectWise connector for the run: its class key, and its COM add-in
// entry "VellumarkPW.Connect" whose object answers QueryDocument with that status and document;
// its confirmation dialog is answered with the button named by --pw-press (check-in, update,
// free, cancel or close; cancel by default), and the connector's calls are printed at the end.
// --photos <folder> <prefix> (scripts/screenshots) tours the Options sheet instead of answering
// it: every page, both size dialogs and the Template menu, and the confirmation dialog before
// it is answered, are photographed into the folder and their layout checked; a layout fault
// makes the host fail.
// The Options sheet is answered as a user outside the module would: found by its window class,
// its caption printed; with --options the text is typed into the shown page's control of that
// id and OK pressed, otherwise Cancel.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <ocidl.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <string>
#include <vector>

#include "addin/office_interfaces.h"
#include "automation/win32/dispatch_object.h"
#include "fake_excel.h"
#include "win32/program_folder.h"
#include "fake_project_wise_connector.h"
#include "import/project_wise_check.h"
#include "import/win32/pw_confirm_dialog.h"
#include "photo_tour.h"
#include "ribbon_control.h"
#include "standin_com_add_in.h"
#include "ui/win32/win32_services.h"
#include "automation/win32/win32_text.h"
#include "win32/dispatch_server.h"
#include "win32/fake_com_project_wise_connector.h"

namespace {

const CLSID kIidIXVKAddin = {0xAAD2F5A7, 0xF4D3, 0x4587, {0x8B, 0xB9, 0x3D, 0x8C, 0x46, 0x0A, 0x6E, 0x69}};

const wchar_t kReceiverTitle[] = L"2815DA81-AD05-4739-A2AA-3929B1E3CF56";

// The working set of this process while a ribbon call runs: sampled every few milliseconds
// from another thread, so that the peak of the call itself shows beside the working set before
// it (the stand-in's workbook, read before).
class WorkingSetWatch {
 public:
  WorkingSetWatch() : before_(Now()), peak_(before_), thread_([this] {
    while (!stop_) {
      peak_ = std::max(peak_.load(), Now());
      Sleep(2);
    }
  }) {}
  ~WorkingSetWatch() { Stop(); }
  void Stop() {
    if (thread_.joinable()) {
      stop_ = true;
      thread_.join();
      peak_ = std::max(peak_.load(), Now());
    }
  }
  size_t BeforeKb() const { return before_ / 1024; }
  size_t PeakKb() const { return peak_ / 1024; }

 private:
  static size_t Now() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
  }
  size_t before_;
  std::atomic<size_t> peak_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// The time the add-in spends sending to other processes' windows (the link to the receiver):
// with --time the module's import of SendMessageW is pointed at a wrapper that measures the calls
// whose window belongs to another process. So the import's split names the link's share as it
// happened, not as an estimate.
class LinkTimer {
 public:
  // Patches the module's import address table entry of user32's SendMessageW; false when the
  // module imports it otherwise.
  static bool Install(HMODULE module) {
    original_ = &SendMessageW;
    if (module == nullptr || original_ == nullptr) return false;
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return false;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name != 0; ++entry) {
      if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), "user32.dll") != 0) continue;
      for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk); thunk->u1.Function != 0; ++thunk) {
        if (thunk->u1.Function != reinterpret_cast<ULONG_PTR>(original_)) continue;
        DWORD protection = 0;
        if (!VirtualProtect(&thunk->u1.Function, sizeof thunk->u1.Function, PAGE_READWRITE, &protection)) return false;
        thunk->u1.Function = reinterpret_cast<ULONG_PTR>(&Timed);
        VirtualProtect(&thunk->u1.Function, sizeof thunk->u1.Function, protection, &protection);
        return true;
      }
    }
    return false;
  }
  static long long Ticks() { return ticks_; }
  static long long Messages() { return messages_; }

 private:
  using SendMessageFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
  static LRESULT WINAPI Timed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) return original_(window, message, wParam, lParam);
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    const LRESULT result = original_(window, message, wParam, lParam);
    QueryPerformanceCounter(&end);
    ticks_ += end.QuadPart - start.QuadPart;
    ++messages_;
    return result;
  }
  static inline SendMessageFn original_ = nullptr;
  static inline long long ticks_ = 0;
  static inline long long messages_ = 0;
};

// Seconds of processor time this process has used, in user and kernel mode.
double ProcessCpuSeconds() {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
  };
  return seconds(kernel) + seconds(user);
}

bool g_answerYes = true;
bool g_failed = false;

// The ProjectWise connector's confirmation dialog: the button to press, by name.
struct PwPress {
  const wchar_t* name;
  UINT message;
  int id;
};
const PwPress kPwPresses[] = {{L"check-in", WM_COMMAND, IDOK},
                              {L"update", WM_COMMAND, IDC_PW_UPDATE_SERVER_COPY},
                              {L"free", WM_COMMAND, IDC_PW_FREE},
                              {L"cancel", WM_COMMAND, IDCANCEL},
                              {L"close", WM_CLOSE, 0}};
const PwPress* g_pwPress = &kPwPresses[3];

// The Options sheet: the control to type into (0: none, press Cancel) and the text.
int g_optionsControl = 0;
std::wstring g_optionsText;
HWND g_optionsSheet = nullptr;

// The class key whose presence tells the add-in that the connector is installed.
const std::wstring kPwClassKey(vk::W(vk::CProjectWiseCheck::InstalledKeyPath()));

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

void Line(const std::string& text) {
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

std::string Hr(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

void Report(const std::string& act, HRESULT hr, HRESULT expected = S_OK) {
  Line(act + " " + Hr(hr));
  if (hr != expected) g_failed = true;
}

// The ProjectWise confirmation dialog: print its caption and document line, press the button.
void AnswerPwDialog(HWND dialog) {
  wchar_t caption[256] = {}, line[1024] = {};
  GetWindowTextW(dialog, caption, 256);
  GetDlgItemTextW(dialog, IDC_PW_DOCUMENT, line, 1024);
  Line("dialog [" + Utf8(caption) + "] " + Utf8(line) + " -> " + Utf8(g_pwPress->name));
  const PwPress* press = g_pwPress;
  auto answer = [dialog, press] {
    PostMessageW(dialog, press->message, press->message == WM_COMMAND ? MAKEWPARAM(press->id, BN_CLICKED) : 0, 0);
  };
  if (vk::photos::Enabled())
    vk::photos::PhotographThen(dialog, L"dialog-confirm", answer);
  else
    answer();
}

// The sheet's pages are made while it opens; its modal loop runs this timer once they are.
void CALLBACK AnswerOptionsSheet(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND sheet = g_optionsSheet;
  if (sheet == nullptr || !IsWindow(sheet)) {
    KillTimer(nullptr, timer);
    return;
  }
  HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (page == nullptr) return;
  KillTimer(nullptr, timer);
  g_optionsSheet = nullptr;
  wchar_t caption[256] = {};
  GetWindowTextW(sheet, caption, 256);
  std::string act = "sheet [" + Utf8(caption) + "]";
  HWND control = g_optionsControl != 0 ? GetDlgItem(page, g_optionsControl) : nullptr;
  if (control != nullptr) {
    SetWindowTextW(control, g_optionsText.c_str());
    act += " " + std::to_string(g_optionsControl) + "=" + Utf8(g_optionsText) + " -> OK";
  } else {
    act += " -> Cancel";
  }
  Line(act);
  PostMessageW(sheet, PSM_PRESSBUTTON, control != nullptr ? PSBTN_OK : PSBTN_CANCEL, 0);
}

bool IsPropertySheet(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  return std::wstring(className) == L"#32770" && FindWindowExW(window, nullptr, L"SysTabControl32", nullptr) != nullptr;
}

// Message boxes of the add-in: print their text and answer them once the box is active.
LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    if (g_optionsSheet == nullptr && IsPropertySheet(box) && GetParent(box) == nullptr) {
      g_optionsSheet = box;
      if (vk::photos::Enabled())
        vk::photos::TourOptionsSheet(box);
      else
        SetTimer(nullptr, 0, 20, &AnswerOptionsSheet);
      return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    wchar_t className[16] = {};
    GetClassNameW(box, className, 16);
    if (std::wstring(className) == L"#32770" && GetDlgItem(box, IDC_PW_FREE) &&
        GetDlgItem(box, IDC_PW_UPDATE_SERVER_COPY)) {
      AnswerPwDialog(box);
      return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    // Message boxes only: the link dialog and the progress window are dialogs too, but carry no
    // message text control.
    if (std::wstring(className) == L"#32770" && GetDlgItem(box, 0xFFFF)) {
      std::wstring text;
      for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) != 0xFFFF) continue;
        wchar_t buffer[1024] = {};
        GetWindowTextW(child, buffer, 1024);
        text += buffer;
      }
      wchar_t caption[256] = {};
      GetWindowTextW(box, caption, 256);
      int answer = GetDlgItem(box, IDYES) ? (g_answerYes ? IDYES : IDNO) : IDOK;
      Line("message [" + Utf8(caption) + "] " + Utf8(text) + " -> " +
           (answer == IDYES ? "Yes" : answer == IDNO ? "No" : "OK"));
      PostMessageW(box, WM_COMMAND, answer, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HRESULT CallExport(HMODULE module, const char* name) {
  auto entry = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
  return entry ? entry() : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
}

// The onAction callback names of the ribbon XML, in order.
std::vector<std::wstring> OnActions(const std::wstring& xml) {
  std::vector<std::wstring> names;
  const std::wstring key = L"onAction=\"";
  for (size_t at = xml.find(key); at != std::wstring::npos; at = xml.find(key, at)) {
    at += key.size();
    size_t end = xml.find(L'"', at);
    if (end == std::wstring::npos) break;
    names.push_back(xml.substr(at, end - at));
  }
  return names;
}

std::string Join(const std::vector<std::wstring>& items) {
  std::string out;
  for (const auto& item : items) out += (out.empty() ? "" : ",") + Utf8(item);
  return out;
}

// The stand-in ProjectWise connector of one run: installed under its class key and offered as
// Excel's COM add-in "VellumarkPW.Connect"; the key goes again when the run ends.
class StandInConnector {
 public:
  StandInConnector(vk::fake::FakeExcel& excel, int32_t status, const std::wstring& document) {
    script_->script().status = status;
    script_->script().document = vk::FromWide(std::wstring_view(document));
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, kPwClassKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS)
      RegCloseKey(key);
    vk::fake::FakeComProjectWiseConnector* com = vk::fake::FakeComProjectWiseConnector::Create(script_);
    // Served over COM as the object itself, so that the add-in can ask it for the connector's
    // interface as it would the real connector's object.
    excel.comAddIns.push_back({u"VellumarkPW.Connect", vk::DispatchObject::Wrap(com), u"Vellumark for ProjectWise"});
    com->Release();
  }
  ~StandInConnector() { RegDeleteKeyW(HKEY_CLASSES_ROOT, kPwClassKey.c_str()); }

  void PrintCalls() const {
    for (const vk::fake::ConnectorCall& call : script_->calls()) {
      std::wstring text(call.text.begin(), call.text.end());
      switch (call.op) {
        case vk::fake::ConnectorCall::Op::QueryDocument:
          Line("connector QueryDocument");
          break;
        case vk::fake::ConnectorCall::Op::ReleaseDocument:
          Line("connector ReleaseDocument " + Utf8(text) + " " + std::to_string(call.mode));
          break;
        case vk::fake::ConnectorCall::Op::SetTablePath:
          Line("connector SetTablePath " + Utf8(text));
          break;
      }
    }
  }

 private:
  std::shared_ptr<vk::fake::FakeProjectWiseConnector> script_ = std::make_shared<vk::fake::FakeProjectWiseConnector>();
};

int Run(const std::vector<std::wstring>& args) {
  bool doRegister = false, doUnregister = false, waitReceiver = false, closeReceiver = false;
  bool withConnector = false, timeCalls = false;
  int32_t pwStatus = 0;
  std::wstring pwDocument;
  std::wstring fixture;
  std::vector<std::wstring> callbacks;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == L"--register") {
      doRegister = true;
    } else if (args[i] == L"--unregister") {
      doUnregister = true;
    } else if (args[i] == L"--wait-receiver") {
      waitReceiver = true;
    } else if (args[i] == L"--close-receiver") {
      closeReceiver = true;
    } else if (args[i] == L"--time") {
      timeCalls = true;
    } else if (args[i] == L"--answer" && i + 1 < args.size()) {
      g_answerYes = args[++i] == L"yes";
    } else if (args[i] == L"--fixture" && i + 1 < args.size()) {
      fixture = args[++i];
    } else if (args[i] == L"--pw" && i + 2 < args.size()) {
      withConnector = true;
      pwStatus = static_cast<int32_t>(std::wcstol(args[i + 1].c_str(), nullptr, 10));
      pwDocument = args[i + 2];
      i += 2;
    } else if (args[i] == L"--options" && i + 2 < args.size()) {
      g_optionsControl = static_cast<int>(std::wcstol(args[i + 1].c_str(), nullptr, 10));
      g_optionsText = args[i + 2];
      i += 2;
    } else if (args[i] == L"--photos" && i + 2 < args.size()) {
      vk::photos::Start(args[i + 1], args[i + 2]);
      i += 2;
    } else if (args[i] == L"--pw-press" && i + 1 < args.size()) {
      ++i;
      g_pwPress = nullptr;
      for (const PwPress& press : kPwPresses)
        if (args[i] == press.name) g_pwPress = &press;
      if (!g_pwPress) {
        std::fprintf(stderr, "unknown --pw-press button\n");
        return 2;
      }
    } else {
      callbacks.push_back(args[i]);
    }
  }
  if (fixture.empty()) {
    std::fprintf(stderr,
                 "usage: vk_office_host [--register] [--unregister] [--answer yes|no] [--wait-receiver] "
                 "[--close-receiver] [--pw <status> <document> [--pw-press <button>]] [--photos <folder> <prefix>] [--time] "
                 "--fixture <file> [callback...]\n");
    return 2;
  }

  std::shared_ptr<vk::fake::FakeExcel> excel;
  try {
    excel = vk::fake::FakeExcel::FromFixture(Utf8(fixture));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fixture: %s\n", e.what());
    return 2;
  }

  if (timeCalls) excel->SetRecording(false);
  std::unique_ptr<StandInConnector> connector;
  if (withConnector) connector = std::make_unique<StandInConnector>(*excel, pwStatus, pwDocument);

  if (waitReceiver) {
    bool found = false;
    for (int waited = 0; waited < 30000 && !found; waited += 50) {
      found = FindWindowW(nullptr, kReceiverTitle) != nullptr;
      if (!found) Sleep(50);
    }
    Line(std::string("receiver ") + (found ? "found" : "missing"));
  }

  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HHOOK hook = SetWindowsHookExW(WH_CBT, &MessageHook, nullptr, GetCurrentThreadId());
  const std::wstring dllPath = vk::test::ProgramFolder() + L"Vellumark.dll";
  if (doRegister) {
    HMODULE dll = LoadLibraryW(dllPath.c_str());
    Report("DllRegisterServer", dll ? CallExport(dll, "DllRegisterServer") : HRESULT_FROM_WIN32(GetLastError()));
    if (dll) FreeLibrary(dll);
  }

  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(L"Vellumark.VK2019", &clsid);
  IUnknown* addin = nullptr;
  if (SUCCEEDED(hr)) hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&addin));
  Report("create Vellumark.VK2019", hr);
  if (!addin) return 1;
  if (timeCalls && !LinkTimer::Install(GetModuleHandleW(L"Vellumark.dll"))) Line("link not timed");

  _IDTExtensibility2* connection = nullptr;
  IRibbonExtensibility* ribbon = nullptr;
  IDispatch* dispatch = nullptr;
  addin->QueryInterface(__uuidof(_IDTExtensibility2), reinterpret_cast<void**>(&connection));
  addin->QueryInterface(__uuidof(IRibbonExtensibility), reinterpret_cast<void**>(&ribbon));
  addin->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (!connection || !ribbon || !dispatch) {
    Line("interfaces missing");
    return 1;
  }

  IDispatch* application = vk::DispatchServer::Serve(excel->Application());
  vk::test::StandInComAddIn* comAddIn = vk::test::StandInComAddIn::Create(L"Vellumark.VK2019");
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  Report("OnConnection", connection->OnConnection(application, ext_cm_Startup, comAddIn, &custom));
  IUnknown* published = nullptr;
  bool isAddin = comAddIn->PublishedObject() &&
                 SUCCEEDED(comAddIn->PublishedObject()->QueryInterface(kIidIXVKAddin, reinterpret_cast<void**>(&published)));
  if (published) published->Release();
  Line(std::string("COMAddIn.Object ") + (isAddin ? "IXVKAddin" : "missing"));
  if (!isAddin) g_failed = true;
  Report("OnStartupComplete", connection->OnStartupComplete(&custom));

  BSTR xml = nullptr;
  BSTR ribbonId = SysAllocString(L"Microsoft.Excel.Workbook");
  hr = ribbon->GetCustomUI(ribbonId, &xml);
  std::wstring ribbonXml = xml ? std::wstring(xml, SysStringLen(xml)) : L"";
  Line("GetCustomUI " + Hr(hr) + " onAction " + Join(OnActions(ribbonXml)));
  SysFreeString(xml);
  SysFreeString(ribbonId);

  for (const std::wstring& name : callbacks) {
    DISPID id = 0;
    LPOLESTR member = const_cast<LPOLESTR>(name.c_str());
    hr = dispatch->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) {
      Report("GetIDsOfNames " + Utf8(name), hr);
      continue;
    }
    IDispatch* control = vk::DispatchServer::Serve(std::make_shared<vk::test::RibbonControl>(
        vk::FromWide(std::wstring_view(name))));
    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_DISPATCH;
    arg.pdispVal = control;
    DISPPARAMS params{&arg, nullptr, 1, 0};
    EXCEPINFO exception{};
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    const long long excelCalls = vk::DispatchServer::Invocations();
    const long long excelTicks = vk::DispatchServer::InvokeTicks();
    const long long linkTicks = LinkTimer::Ticks(), linkMessages = LinkTimer::Messages();
    std::unique_ptr<WorkingSetWatch> memory;
    if (timeCalls) memory = std::make_unique<WorkingSetWatch>();
    const double cpuStart = ProcessCpuSeconds();
    QueryPerformanceCounter(&start);
    hr = dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, &exception, nullptr);
    QueryPerformanceCounter(&end);
    const double cpuSeconds = ProcessCpuSeconds() - cpuStart;
    if (memory) memory->Stop();
    Report("invoke " + Utf8(name) + " (DISPID " + std::to_string(id) + ")", hr);
    if (timeCalls) {
      char ms[32];
      std::snprintf(ms, sizeof ms, "%.1f", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                               static_cast<double>(frequency.QuadPart));
      Line("time " + Utf8(name) + " " + ms + " ms");
      // The stand-in Excel's share: the time spent answering the add-in's calls.
      std::snprintf(ms, sizeof ms, "%.1f", 1000.0 * static_cast<double>(vk::DispatchServer::InvokeTicks() - excelTicks) /
                                               static_cast<double>(frequency.QuadPart));
      Line("excel " + Utf8(name) + " " + ms + " ms in " +
           std::to_string(vk::DispatchServer::Invocations() - excelCalls) + " calls");
      std::snprintf(ms, sizeof ms, "%.1f", 1000.0 * static_cast<double>(LinkTimer::Ticks() - linkTicks) /
                                               static_cast<double>(frequency.QuadPart));
      Line("link " + Utf8(name) + " " + ms + " ms in " + std::to_string(LinkTimer::Messages() - linkMessages) +
           " messages");
      std::snprintf(ms, sizeof ms, "%.1f", 1000.0 * cpuSeconds);
      Line("cpu " + Utf8(name) + " " + ms + " ms");
      Line("memory " + Utf8(name) + " " + std::to_string(memory->BeforeKb()) + " kB before, peak " +
           std::to_string(memory->PeakKb()) + " kB");
    }
    control->Release();
  }

  Report("OnBeginShutdown", connection->OnBeginShutdown(&custom), E_NOTIMPL);
  Report("OnDisconnection", connection->OnDisconnection(ext_dm_HostShutdown, &custom));
  SafeArrayDestroy(custom);
  dispatch->Release();
  ribbon->Release();
  connection->Release();
  comAddIn->Release();  // Office lets go of the published object with its entry
  ULONG left = addin->Release();
  Line("release " + std::to_string(left));
  application->Release();

  if (connector) connector->PrintCalls();

  HMODULE loaded = GetModuleHandleW(dllPath.c_str());
  Report("DllCanUnloadNow", loaded ? CallExport(loaded, "DllCanUnloadNow") : E_UNEXPECTED);
  if (doUnregister) {
    HMODULE dll = LoadLibraryW(dllPath.c_str());
    Report("DllUnregisterServer", dll ? CallExport(dll, "DllUnregisterServer") : HRESULT_FROM_WIN32(GetLastError()));
    if (dll) FreeLibrary(dll);
  }
  if (closeReceiver) {
    HWND receiver = FindWindowW(nullptr, kReceiverTitle);
    if (receiver) SendMessageTimeoutW(receiver, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, nullptr);
  }
  if (hook) UnhookWindowsHookEx(hook);
  CoUninitialize();
  if (vk::photos::Enabled() && vk::photos::LayoutFaults() > 0) {
    Line("layout faults: " + std::to_string(vk::photos::LayoutFaults()));
    g_failed = true;
  }
  return g_failed ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // The stand-in Excel served from here writes files and the clipboard through this program's
  // own seams (the DLL installs its own).
  vk::InstallWin32Services(GetModuleHandleW(nullptr));
  std::vector<std::wstring> args(argv + 1, argv + argc);
  return Run(args);
}

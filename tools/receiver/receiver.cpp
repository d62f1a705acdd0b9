// The receiver window of the CAD side, ours: it logs what the add-in sends and can draw it.
//
//   vk_receiver serve <log-file> [<records .jsonl>] [--idle <seconds>] [--drawings <folder>]
//                     [--template <layers .dxf>] [--png] [--state-name <name>]
//                                  owns the window titled "2815DA81-AD05-4739-A2AA-3929B1E3CF56"
//                                  and logs every message it gets until it is sent WM_CLOSE, or
//                                  until nothing has come for the given time (so a demo whose
//                                  host died still ends); with a records file, also writes each
//                                  message decoded as one JSON line (tools/record_decoder/README.md)
//                                  With --drawings, each end of an import (reason 1) writes its
//                                  drawing as <folder>/import-<n>.dxf (receiver/README.md), with
//                                  the drawing options in force read from the registry then.
//                                  With --drawings or --template, the CAD state block is published
//                                  (under --state-name, else its usual name): the template's
//                                  layers (else "0") and the colour table. --png is refused: this
//                                  Windows build has no picture writer.
//   vk_receiver close              closes a serving receiver, if there is one
//   vk_receiver import <lParam>    sends WM_LINK_IMPORT to the link dialog once, prints
//                                  "result <n>" and exits (2 when there is no link dialog)
//
// While serving, the window also takes kReceiverRequestImport (see receiver_log.h), so a test can
// make the CAD side ask for an import at a moment of its choosing, also in the middle of one.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "drawing_receiver.h"
#include "link/link_channel.h"
#include "receiver_log.h"
#include "record_decoder.h"
#include "settings/cad_state_source.h"
#include "settings/registry.h"
#include "settings/win32/win32_registry_hive.h"

namespace {

using vk::test::ReceiverEntry;

std::FILE* g_log = nullptr;
ULONGLONG g_lastMessage = 0;  // tick of the last message from outside
ULONGLONG g_idleLimit = 0;    // milliseconds without messages before the receiver ends; 0: never
constexpr UINT_PTR kIdleTimer = 1;
std::FILE* g_lines = nullptr;
vk::draw::DrawingReceiver* g_drawing = nullptr;  // set when the receiver draws or publishes

void Draw(const ReceiverEntry& entry) {
  if (g_drawing == nullptr || entry.direction != 0) return;
  switch (entry.message) {
    // The bytes that came, whatever cbData claims: a record without data is refused by its size.
    case WM_COPYDATA: g_drawing->Record(entry.bytes.data(), entry.bytes.size()); break;
    case vk::kWmLinkTableStart: g_drawing->TableStart(static_cast<int64_t>(entry.wParam), entry.lParam); break;
    case vk::kWmLinkEnd: g_drawing->End(entry.lParam); break;
    default: break;
  }
}

void WriteLine(const ReceiverEntry& entry) {
  if (g_lines == nullptr || entry.direction != 0) return;
  std::string line;
  switch (entry.message) {
    case WM_COPYDATA: line = vk::decoder::RecordLine(entry.bytes.data(), entry.bytes.size()); break;
    case vk::kWmLinkTableStart:
      line = vk::decoder::TableStartLine(static_cast<int64_t>(entry.wParam), entry.lParam);
      break;
    case vk::kWmLinkEnd: line = vk::decoder::EndLine(entry.lParam); break;
    default: return;
  }
  std::fputs(line.c_str(), g_lines);
  std::fputc('\n', g_lines);
  std::fflush(g_lines);
}

void Log(const ReceiverEntry& entry) {
  WriteLine(entry);
  Draw(entry);
  if (g_log == nullptr) return;
  const std::vector<uint8_t> bytes = vk::test::EncodeReceiverEntry(entry);
  std::fwrite(bytes.data(), 1, bytes.size(), g_log);
  std::fflush(g_log);
}

const wchar_t* Title(const char16_t* title) { return reinterpret_cast<const wchar_t*>(title); }

LRESULT RequestImport(LPARAM lParam) {
  HWND link = FindWindowW(nullptr, Title(vk::kLinkDialogTitle));
  if (link == nullptr) return static_cast<LRESULT>(vk::test::kReceiverNoLinkDialog);
  return SendMessageW(link, vk::kWmLinkImport, 0, lParam);
}

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ReceiverEntry entry;
  entry.message = message;
  entry.wParam = static_cast<uint64_t>(wParam);
  entry.lParam = static_cast<int64_t>(lParam);
  if (message == WM_COPYDATA || message == vk::kWmLinkTableStart || message == vk::kWmLinkEnd ||
      message == vk::test::kReceiverRequestImport) {
    g_lastMessage = GetTickCount64();
  }
  switch (message) {
    case WM_COPYDATA: {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      entry.dwData = static_cast<uint64_t>(data->dwData);
      entry.cbData = data->cbData;
      if (data->lpData != nullptr && data->cbData != 0) {
        const auto* bytes = static_cast<const uint8_t*>(data->lpData);
        entry.bytes.assign(bytes, bytes + data->cbData);
      }
      entry.result = TRUE;
      Log(entry);
      return TRUE;
    }
    case vk::kWmLinkTableStart:
    case vk::kWmLinkEnd:
      Log(entry);
      return 0;
    case vk::test::kReceiverRequestImport: {
      entry.direction = 1;
      entry.message = vk::kWmLinkImport;
      entry.wParam = 0;
      entry.result = static_cast<int64_t>(RequestImport(lParam));
      Log(entry);
      return static_cast<LRESULT>(entry.result);
    }
    case WM_TIMER:
      if (wParam == kIdleTimer && GetTickCount64() - g_lastMessage > g_idleLimit) DestroyWindow(window);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

int Serve(const wchar_t* logPath, const wchar_t* linesPath, ULONGLONG idleSeconds,
          const vk::draw::DrawingReceiver::Settings* drawingSettings) {
  // The drawing options are the add-in's, in the current user's registry.
  vk::Win32RegistryHive registry;
  vk::draw::DrawingReceiver drawing;
  if (drawingSettings != nullptr) {
    vk::CRegistry::SetHive(&registry);
    vk::CRegistry::SetRootKey(vk::RegistryRoot::CurrentUser, vk::kCompanyName);
    std::string error;
    if (!drawing.Start(*drawingSettings, &error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    g_drawing = &drawing;
  }
  if (linesPath != nullptr && (g_lines = _wfopen(linesPath, L"wb")) == nullptr) {
    std::fwprintf(stderr, L"cannot write %ls\n", linesPath);
    return 1;
  }
  g_log = _wfopen(logPath, L"wb");
  if (g_log == nullptr) {
    std::fwprintf(stderr, L"cannot write %ls\n", logPath);
    return 1;
  }
  std::fwrite(vk::test::kReceiverLogMagic, 1, 4, g_log);
  const uint32_t version = vk::test::kReceiverLogVersion;
  const uint8_t versionBytes[4] = {static_cast<uint8_t>(version), static_cast<uint8_t>(version >> 8),
                                   static_cast<uint8_t>(version >> 16), static_cast<uint8_t>(version >> 24)};
  std::fwrite(versionBytes, 1, 4, g_log);
  std::fflush(g_log);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ReceiverProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VellumarkStandInReceiver";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, Title(vk::kReceiverTitle), WS_OVERLAPPEDWINDOW, 0, 0,
                                100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window == nullptr) {
    std::fwprintf(stderr, L"cannot create the receiver window\n");
    return 1;
  }
  g_lastMessage = GetTickCount64();
  g_idleLimit = idleSeconds * 1000;
  if (g_idleLimit != 0) SetTimer(window, kIdleTimer, 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  std::fclose(g_log);
  if (g_lines != nullptr) std::fclose(g_lines);
  g_drawing = nullptr;
  vk::CRegistry::SetHive(nullptr);
  return 0;
}

int ImportOnce(const wchar_t* argument) {
  const LPARAM lParam = static_cast<LPARAM>(std::wcstoll(argument, nullptr, 0));
  const LRESULT result = RequestImport(lParam);
  if (result == static_cast<LRESULT>(vk::test::kReceiverNoLinkDialog) &&
      FindWindowW(nullptr, Title(vk::kLinkDialogTitle)) == nullptr) {
    std::printf("no link dialog\n");
    return 2;
  }
  std::printf("result %lld\n", static_cast<long long>(result));
  return 0;
}

int CloseServing() {
  HWND window = FindWindowW(L"VellumarkStandInReceiver", Title(vk::kReceiverTitle));
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wcscmp(argv[1], L"serve") == 0) {
    const wchar_t* lines = nullptr;
    ULONGLONG idle = 0;
    int k = 3;
    if (k < argc && std::wcsncmp(argv[k], L"--", 2) != 0) lines = argv[k++];
    vk::draw::DrawingReceiver::Settings drawing;
    drawing.stateName = vk::kCadStateBlockName;
    bool draws = false, bad = false;
    for (; k < argc && !bad; ++k) {
      const bool hasValue = k + 1 < argc;
      if (std::wcscmp(argv[k], L"--png") == 0) {
        drawing.png = draws = true;
      } else if (!hasValue) {
        bad = true;
      } else if (std::wcscmp(argv[k], L"--idle") == 0) {
        idle = std::wcstoull(argv[++k], nullptr, 10);
      } else if (std::wcscmp(argv[k], L"--drawings") == 0) {
        drawing.folder = argv[++k];
        draws = true;
      } else if (std::wcscmp(argv[k], L"--template") == 0) {
        drawing.templateDxf = argv[++k];
        draws = true;
      } else if (std::wcscmp(argv[k], L"--state-name") == 0) {
        const wchar_t* name = argv[++k];
        drawing.stateName.assign(name, name + std::wcslen(name));
      } else {
        bad = true;
      }
    }
    if (!bad) return Serve(argv[2], lines, idle, draws ? &drawing : nullptr);
  }
  if (argc == 3 && std::wcscmp(argv[1], L"import") == 0) return ImportOnce(argv[2]);
  if (argc == 2 && std::wcscmp(argv[1], L"close") == 0) return CloseServing();
  std::fwprintf(stderr, L"usage: vk_receiver serve <log-file> [<records .jsonl>] [--idle <seconds>] "
                        L"[--drawings <folder>] [--template <layers .dxf>] [--png] [--state-name <name>] | "
                        L"vk_receiver import <lParam> | vk_receiver close\n");
  return 64;
}

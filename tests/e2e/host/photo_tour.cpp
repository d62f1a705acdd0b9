#include "photo_tour.h"

#include <commctrl.h>

#include <cstdio>
#include <deque>
#include <memory>
#include <vector>

#include "options_ui/options_sheet.h"
#include "options_ui/scale_page.h"

namespace vk::photos {
namespace {

std::wstring g_folder, g_prefix;
bool g_enabled = false;
int g_faults = 0;

// Steps run one per timer tick from whatever modal loop is active; a step that returns false is
// asked again on the next tick.
std::deque<std::function<bool()>> g_steps;
UINT_PTR g_timer = 0;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  static bool running = false;
  if (running || g_steps.empty()) return;
  running = true;
  std::function<bool()> step = g_steps.front();
  if (step()) g_steps.pop_front();
  running = false;
}

void Then(std::function<bool()> step) {
  g_steps.push_back(std::move(step));
  if (g_timer == 0) g_timer = SetTimer(nullptr, 0, 120, &Tick);
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring Text(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// Writes what the screen shows inside `area` (screen coordinates) as a 24-bit BMP.
bool Save(const RECT& area, const std::wstring& name) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  std::vector<unsigned char> pixels(static_cast<size_t>(stride) * static_cast<size_t>(height));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  const std::wstring path = g_folder + L"\\" + g_prefix + name + L".bmp";
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) {
    std::printf("photo: cannot write %s\n", Utf8(path).c_str());
    ++g_faults;
    return false;
  }
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info, sizeof info, 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  std::fclose(out);
  std::printf("photo %s%s\n", Utf8(g_prefix).c_str(), Utf8(name).c_str());
  std::fflush(stdout);
  return true;
}

void Fault(const std::wstring& where, HWND control, const std::string& what) {
  ++g_faults;
  std::printf("layout: %s%s: control %d [%s] (%s) %s\n", Utf8(g_prefix).c_str(), Utf8(where).c_str(),
              GetDlgCtrlID(control), Utf8(Text(control)).c_str(), Utf8(ClassOf(control)).c_str(), what.c_str());
  std::fflush(stdout);
}

// The room a caption has inside its control, as the platform's controls draw them; 0 when the
// control shows no caption of its own.
RECT CaptionRoom(HWND control, UINT* format) {
  RECT room{};
  GetClientRect(control, &room);
  const std::wstring kind = ClassOf(control);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  *format = DT_CALCRECT | DT_SINGLELINE;
  if (_wcsicmp(kind.c_str(), L"Static") == 0) {
    const LONG type = style & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) return RECT{};
    if (type != SS_LEFTNOWORDWRAP) *format = DT_CALCRECT | DT_WORDBREAK;
    if (style & SS_NOPREFIX) *format |= DT_NOPREFIX;
    return room;
  }
  if (_wcsicmp(kind.c_str(), L"Button") != 0) return RECT{};
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      InflateRect(&room, -3, -2);  // the button's edges
      return room;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
      room.left += GetSystemMetrics(SM_CXMENUCHECK) + 3;  // the box and the gap after it
      if (style & BS_MULTILINE) *format = DT_CALCRECT | DT_WORDBREAK;
      return room;
    case BS_GROUPBOX:
      InflateRect(&room, -8, 0);  // the frame's corner and the gaps around the title
      return room;
    default:
      return RECT{};
  }
}

void CheckCaption(const std::wstring& where, HWND control) {
  const std::wstring text = Text(control);
  if (text.empty()) return;
  UINT format = 0;
  const RECT room = CaptionRoom(control, &format);
  if (room.right <= room.left) return;
  HDC dc = GetDC(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  RECT needed{0, 0, room.right - room.left, 0};
  DrawTextW(dc, text.c_str(), -1, &needed, format);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  const LONG width = room.right - room.left, height = room.bottom - room.top;
  if (needed.right > width || ((format & DT_WORDBREAK) && needed.bottom > height)) {
    char what[96];
    std::snprintf(what, sizeof what, "caption needs %ldx%ld px, has %ldx%ld", needed.right, needed.bottom, width, height);
    Fault(where, control, what);
  }
}

BOOL CALLBACK CheckChild(HWND child, LPARAM lParam) {
  const auto& where = *reinterpret_cast<const std::wstring*>(lParam);
  if (!IsWindowVisible(child)) return TRUE;
  HWND parent = GetParent(child);
  RECT placed{}, inside{};
  GetWindowRect(child, &placed);
  GetClientRect(parent, &inside);
  MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&inside), 2);
  if (placed.left < inside.left || placed.top < inside.top || placed.right > inside.right || placed.bottom > inside.bottom) {
    char what[128];
    std::snprintf(what, sizeof what, "lies outside its window: %ld,%ld-%ld,%ld in %ld,%ld-%ld,%ld", placed.left,
                  placed.top, placed.right, placed.bottom, inside.left, inside.top, inside.right, inside.bottom);
    Fault(where, child, what);
  }
  CheckCaption(where, child);
  return TRUE;
}

void Check(HWND window, const std::wstring& name) {
  std::wstring where = name;
  EnumChildWindows(window, &CheckChild, reinterpret_cast<LPARAM>(&where));
}

void Photograph(HWND window, const std::wstring& name) {
  RECT area{};
  GetWindowRect(window, &area);
  Save(area, name);
  Check(window, name);
}

// The blank band between the lowest shown control of the sheet's current page and the bottom of
// the page area, in pixels: printed as "band <photo> <pixels>" for the screenshot command, which
// compares each language's pages with the English ones.
void ReportBand(HWND sheet, const std::wstring& name) {
  HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (page == nullptr) return;
  RECT area{};
  GetClientRect(page, &area);
  LONG lowest = 0;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT placed{};
    GetWindowRect(child, &placed);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&placed), 2);
    if (placed.bottom > lowest) lowest = placed.bottom;
  }
  std::printf("band %s%s %ld\n", Utf8(g_prefix).c_str(), Utf8(name).c_str(), area.bottom - lowest);
  std::fflush(stdout);
}

// The visible dialog this thread shows owned by `owner`, if any.
HWND OwnedDialog(HWND owner) {
  struct Search {
    HWND owner, found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        if (window != s->owner && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == s->owner &&
            ClassOf(window) == L"#32770") {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Repaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Opens a size dialog from the Scale page, photographs it and cancels it.
void TourSizeDialog(HWND sheet, int button, const std::wstring& name) {
  Then([sheet, button] {
    HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, button)));
    return true;
  });
  auto dialog = std::make_shared<HWND>(nullptr);
  Then([sheet, dialog] {
    *dialog = OwnedDialog(sheet);
    if (*dialog == nullptr) return false;
    Repaint(*dialog);
    return true;
  });
  Then([dialog, name] {
    Photograph(*dialog, name);
    PostMessageW(*dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return true;
  });
}

}  // namespace

void Start(const std::wstring& folder, const std::wstring& prefix) {
  g_folder = folder;
  g_prefix = prefix;
  g_enabled = true;
}

bool Enabled() { return g_enabled; }

int LayoutFaults() { return g_faults; }

void TourOptionsSheet(HWND sheet) {
  static const wchar_t* const kPages[] = {L"page1-layer-color", L"page2-scale", L"page3-object-font", L"page4-other"};
  // Away from the screen's corner, as a user's sheet usually is.
  Then([sheet] {
    if (SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) return false;
    SetWindowPos(sheet, nullptr, 60, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return true;
  });
  for (int position = 0; position < 4; ++position) {
    Then([sheet, position] {
      SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(position), 0);
      Repaint(sheet);
      return true;
    });
    Then([sheet, position] {
      Photograph(sheet, kPages[position]);
      ReportBand(sheet, kPages[position]);
      return true;
    });
  }
  Then([sheet] {
    SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(kScalePagePosition), 0);
    return true;
  });
  TourSizeDialog(sheet, IDC_SCALE_CELL_SIZES_BUTTON, L"dialog-column-widths");
  TourSizeDialog(sheet, IDC_SCALE_FONT_SIZES_BUTTON, L"dialog-font-sizes");

  // The Template menu, photographed with the sheet around it.
  Then([sheet] {
    PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(kTemplateButtonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(sheet, kTemplateButtonId)));
    return true;
  });
  auto shown = std::make_shared<int>(0);
  Then([sheet, shown] {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu == nullptr || !IsWindowVisible(menu)) return false;
    if ((*shown)++ == 0) return false;  // one more tick for the menu to paint
    RECT area{}, menuArea{};
    GetWindowRect(sheet, &area);
    GetWindowRect(menu, &menuArea);
    UnionRect(&area, &area, &menuArea);
    Save(area, L"menu-template");
    RECT sheetArea{};
    GetWindowRect(sheet, &sheetArea);
    if (!PtInRect(&sheetArea, POINT{menuArea.left, menuArea.top - 1})) {
      ++g_faults;
      std::printf("layout: %smenu-template: the menu opens outside the sheet at %ld,%ld\n", Utf8(g_prefix).c_str(),
                  menuArea.left, menuArea.top);
    }
    EndMenu();
    return true;
  });
  Then([sheet] {
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return true;
  });
}

void PhotographThen(HWND dialog, const std::wstring& name, std::function<void()> answer) {
  Then([dialog] {
    if (!IsWindowVisible(dialog)) return false;
    Repaint(dialog);
    return true;
  });
  Then([dialog, name, answer] {
    Photograph(dialog, name);
    answer();
    return true;
  });
}

}  // namespace vk::photos

// The colour picker and the editable list of the Options dialogs, on real windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_table.h"
#include "options_ui/colour_picker.h"
#include "options_ui/editable_list_ctrl.h"
#include "settings/cad_state_block.h"
#include "settings/win32/win32_cad_state_source.h"
#include "automation/win32/win32_text.h"
#include "win32/published_cad_state.h"

namespace vk {
namespace {

struct ParentMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// What the editable list tells its parent: an edit has begun (row, column), a cell was changed
// (row, column), an edit was abandoned.
constexpr unsigned kEditBegun = 0x467, kCellChanged = 0x465, kEditAbandoned = 0x466;

// A top-level window standing in for the dialog that holds the controls: it hands owner drawing
// to the picker, as a page does, and records what the list tells it.
class HostWindow {
 public:
  HostWindow() {
    static const ATOM atom = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &HostWindow::Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"VkOptionsControlsHost";
      return RegisterClassW(&wc);
    }();
    (void)atom;
    m_hWnd = CreateWindowExW(0, L"VkOptionsControlsHost", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                             nullptr, nullptr, GetModuleHandleW(nullptr), this);
  }
  ~HostWindow() { DestroyWindow(m_hWnd); }
  HWND Window() const { return m_hWnd; }
  HWND AddChild(const wchar_t* className, DWORD style, int id, RECT r) {
    HWND child = CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
  }

  const CColourPickerCB* picker = nullptr;
  std::vector<ParentMessage> received;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr) {
      if (message == WM_DRAWITEM && self->picker != nullptr && self->picker->ReflectDrawItem(lParam)) return TRUE;
      if (message >= kListEditAccept && message <= kListEditBegin) self->received.push_back({message, wParam, lParam});
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND m_hWnd = nullptr;
};

constexpr int kPickerId = 242;
constexpr DWORD kPickerStyle = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;

// ---------------------------------------------------------------- colour picker

TEST(ColourPicker, AttachFillsTheDefaultTableAndSelectsTheFirst) {
  HostWindow host;
  host.AddChild(WC_COMBOBOXW, kPickerStyle, kPickerId, {10, 10, 200, 200});
  CColourPickerCB picker;
  ASSERT_TRUE(picker.SubclassDlgItem(kPickerId, host.Window()));
  EXPECT_EQ(picker.GetCount(), 256);
  EXPECT_EQ(picker.GetCurSel(), 0);
  EXPECT_EQ(picker.GetItem(0), (ColourEntry{u"Red", RGB(255, 0, 0)}));
  EXPECT_EQ(picker.GetItem(4), (ColourEntry{u"Blue", RGB(0, 0, 255)}));
  EXPECT_EQ(picker.GetItem(7), (ColourEntry{u"8", RGB(0x80, 0x80, 0x80)}));
  EXPECT_EQ(picker.GetItem(255), (ColourEntry{u"ByLayer", RGB(255, 255, 255)}));
  EXPECT_FALSE(CColourPickerCB().SubclassDlgItem(999, host.Window()));
}

TEST(ColourPicker, APublishedPaletteReplacesTheItems) {
  const std::u16string name = test::UniqueCadStateName("picker");
  test::PublishedCadState published(name, std::u16string(kCadPaletteMarker) + u"|255|65280|16711680");
  ASSERT_TRUE(published.Ok());
  CWin32CadStateSource source(name);
  const CCadStateBlock block = CCadStateBlock::Read(source);

  HostWindow host;
  host.AddChild(WC_COMBOBOXW, kPickerStyle, kPickerId, {10, 10, 200, 200});
  CColourPickerCB picker;
  ASSERT_TRUE(picker.SubclassDlgItem(kPickerId, host.Window()));
  picker.SetCurSel(9);
  picker.ReplaceItems(block.m_palette);

  EXPECT_EQ(picker.GetCount(), 257);
  EXPECT_EQ(picker.GetCurSel(), 0);
  EXPECT_EQ(picker.GetItem(0), (ColourEntry{u"0", RGB(255, 0, 0)}));
  EXPECT_EQ(picker.GetItem(1), (ColourEntry{u"1", RGB(0, 255, 0)}));
  EXPECT_EQ(picker.GetItem(2), (ColourEntry{u"2", RGB(0, 0, 255)}));
  for (int position : {3, 7, 256}) EXPECT_EQ(picker.GetItem(position), (ColourEntry{u"", 0})) << position;
}

// Draws items of a picker into a 32-bit memory bitmap and reads its pixels back.
class ItemCanvas {
 public:
  static constexpr int kWidth = 120, kHeight = 16;
  ItemCanvas() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
    m_old = SelectObject(m_dc, m_bitmap);
    SelectObject(m_dc, GetStockObject(DEFAULT_GUI_FONT));
  }
  ~ItemCanvas() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  void Draw(const CColourPickerCB& picker, int position, UINT state) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = kPickerId;
    item.itemID = static_cast<UINT>(position);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = picker.GetSafeHwnd();
    item.hDC = m_dc;
    item.rcItem = {0, 0, kWidth, kHeight};
    item.itemData = position >= 0 ? picker.GetItem(position).colour : 0;
    picker.DrawItem(item);
    GdiFlush();
  }
  COLORREF Pixel(int x, int y) const {
    const uint32_t bgrx = m_bits[y * kWidth + x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
  }
  // How many pixels of the text area (right of the swatch) have this colour.
  int TextPixels(COLORREF colour) const {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = kHeight; x < kWidth; ++x) n += Pixel(x, y) == colour;
    return n;
  }

 private:
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
  uint32_t* m_bits = nullptr;
};

TEST(ColourPicker, DrawsASwatchFramedInBlackThenTheName) {
  HostWindow host;
  HWND combo = host.AddChild(WC_COMBOBOXW, kPickerStyle, kPickerId, {10, 10, 200, 200});
  CColourPickerCB picker;
  ASSERT_TRUE(picker.SubclassDlgItem(kPickerId, host.Window()));
  ItemCanvas canvas;
  const COLORREF window = GetSysColor(COLOR_WINDOW), highlight = GetSysColor(COLOR_HIGHLIGHT);
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  // Item height 16: the swatch runs from (2, 2) to (14, 14), the name starts at x 16.
  struct Case {
    int position;
    UINT state;
    bool enabled;
    COLORREF background, swatch, name;
  };
  const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
  const Case cases[] = {
      {4, 0, true, window, RGB(0, 0, 255), text},
      {255, 0, true, window, RGB(255, 255, 255), text},
      {0, ODS_SELECTED, true, highlight, RGB(255, 0, 0), ~text & 0xFFFFFF},
      {4, ODS_SELECTED, false, highlight, inactive, inactive},
      {4, 0, false, window, inactive, inactive},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.position << " state " << c.state << " enabled " << c.enabled);
    EnableWindow(combo, c.enabled);
    canvas.Draw(picker, c.position, c.state);
    EXPECT_EQ(canvas.Pixel(ItemCanvas::kWidth - 2, 8), c.background);
    EXPECT_EQ(canvas.Pixel(0, 0), c.background);
    EXPECT_EQ(canvas.Pixel(8, 8), c.swatch);
    for (POINT frame : {POINT{2, 2}, POINT{13, 2}, POINT{2, 13}, POINT{13, 13}, POINT{8, 2}}) {
      EXPECT_EQ(canvas.Pixel(frame.x, frame.y), RGB(0, 0, 0)) << frame.x << "," << frame.y;
    }
    EXPECT_EQ(canvas.Pixel(14, 8), c.background);
    EXPECT_GT(canvas.TextPixels(c.name), 3);
  }
  // A position without an item shows the background only.
  EnableWindow(combo, TRUE);
  canvas.Draw(picker, -1, 0);
  EXPECT_EQ(canvas.Pixel(8, 8), window);
  EXPECT_EQ(canvas.Pixel(2, 2), window);
  EXPECT_EQ(canvas.TextPixels(text), 0);
}

TEST(ColourPicker, TheBoxItselfIsDrawnThroughItsParent) {
  HostWindow host;
  HWND combo = host.AddChild(WC_COMBOBOXW, kPickerStyle, kPickerId, {10, 10, 200, 200});
  CColourPickerCB picker;
  ASSERT_TRUE(picker.SubclassDlgItem(kPickerId, host.Window()));
  host.picker = &picker;
  picker.SetCurSel(4);
  // The box paints its selected item by asking its parent; a blue swatch must show up in it.
  RECT client{};
  GetClientRect(combo, &client);
  HDC screen = GetDC(combo);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(combo, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  int blue = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) blue += GetPixel(dc, x, y) == RGB(0, 0, 255);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(combo, screen);
  EXPECT_GT(blue, 4);
}

// ---------------------------------------------------------------- editable list

constexpr int kListId = 246;
constexpr int kButtonId = 253;

class EditableListTest : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    m_list = host.AddChild(WC_LISTVIEWW, LVS_REPORT | WS_BORDER, kListId, {10, 10, 210, 150});
    m_button = host.AddChild(L"BUTTON", BS_PUSHBUTTON, kButtonId, {220, 10, 260, 30});
    InsertColumn(0, L"Column");
    InsertColumn(1, L"Width");
    InsertRow(0, L"A", L"10");
    InsertRow(1, L"B", L"20");
    ASSERT_TRUE(list.SubclassDlgItem(kListId, host.Window()));
    list.SetFirstEditableColumn(1);
    SetFocus(m_list);
  }

  void InsertColumn(int column, const wchar_t* heading) {
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    c.fmt = LVCFMT_CENTER;
    c.cx = column == 0 ? 50 : 80;
    c.pszText = const_cast<wchar_t*>(heading);
    SendMessageW(m_list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
  }
  void InsertRow(int row, const wchar_t* label, const wchar_t* size) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(label);
    SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(size);
    SendMessageW(m_list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
  std::wstring Cell(int row, int column) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(m_list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  // A double-click in the middle of the cell, as the mouse sends it.
  void DoubleClick(int row, int column) {
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_LABEL;
    SendMessageW(m_list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    const POINT p{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    SendMessageW(m_list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageW(m_list, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    SendMessageW(m_list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageW(m_list, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  }
  HWND Edit() { return list.SubEdit().GetSafeHwnd(); }
  bool EditShown() { return Edit() != nullptr && IsWindowVisible(Edit()); }
  void Type(const wchar_t* text) {
    SendMessageW(Edit(), EM_SETSEL, 0, -1);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(Edit(), WM_CHAR, *c, 0);
  }
  void Key(WPARAM key) {
    SendMessageW(Edit(), WM_KEYDOWN, key, 0);
    SendMessageW(Edit(), WM_CHAR, key == VK_RETURN ? L'\r' : 0x1B, 0);
    SendMessageW(Edit(), WM_KEYUP, key, 0);
  }
  void Forget() { host.received.clear(); }

  HostWindow host;
  CEditableListCtrl list;
  HWND m_list = nullptr;
  HWND m_button = nullptr;
};

TEST_F(EditableListTest, ADoubleClickOnALockedColumnOpensNothing) {
  DoubleClick(1, 0);
  EXPECT_FALSE(EditShown());
  EXPECT_TRUE(host.received.empty());
}

TEST_F(EditableListTest, ADoubleClickOpensTheBoxOverTheCellWithItsTextSelected) {
  DoubleClick(1, 1);
  ASSERT_TRUE(EditShown());
  EXPECT_EQ(GetDlgCtrlID(Edit()), kListSubEditId);
  EXPECT_EQ(GetParent(Edit()), m_list);
  EXPECT_EQ(GetFocus(), Edit());
  EXPECT_EQ(SendMessageW(Edit(), WM_GETFONT, 0, 0), SendMessageW(m_list, WM_GETFONT, 0, 0));
  EXPECT_TRUE(SendMessageW(Edit(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
  wchar_t text[16] = {};
  GetWindowTextW(Edit(), text, 16);
  EXPECT_STREQ(text, L"20");
  DWORD start = 0, end = 0;
  SendMessageW(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 2u);

  RECT cell{}, box{};
  cell.top = 1;
  cell.left = LVIR_LABEL;
  SendMessageW(m_list, LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&cell));
  GetWindowRect(Edit(), &box);
  MapWindowPoints(nullptr, m_list, reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, cell.left);
  EXPECT_EQ(box.top, cell.top);
  EXPECT_EQ(box.right, cell.right);
  EXPECT_EQ(box.bottom, cell.bottom);
  EXPECT_TRUE(test::SameMessages(test::Rows(host.received), {{kEditBegun, 1, 1}}));
}

TEST_F(EditableListTest, EnterAcceptsTheTextOnceAndGivesTheListTheFocus) {
  DoubleClick(0, 1);
  Forget();
  Type(L"abc");  // not a number: the list takes it as typed
  Key(VK_RETURN);
  EXPECT_EQ(Cell(0, 1), L"abc");
  EXPECT_EQ(Cell(1, 1), L"20");
  EXPECT_FALSE(EditShown());
  EXPECT_EQ(GetFocus(), m_list);
  EXPECT_TRUE(test::SameMessages(test::Rows(host.received), {{kCellChanged, 0, 1}}));
  EXPECT_EQ(list.SubEdit().m_nEndKey, VK_RETURN);

  // The next edit starts afresh in the same box.
  HWND first = Edit();
  DoubleClick(1, 1);
  EXPECT_EQ(Edit(), first);
  EXPECT_EQ(list.SubEdit().m_nEndKey, 0);
}

TEST_F(EditableListTest, EscapeKeepsTheOldText) {
  DoubleClick(1, 1);
  Forget();
  Type(L"99");
  Key(VK_ESCAPE);
  EXPECT_EQ(Cell(1, 1), L"20");
  EXPECT_FALSE(EditShown());
  EXPECT_EQ(GetFocus(), m_list);
  EXPECT_TRUE(test::SameMessages(test::Rows(host.received), {{kEditAbandoned, 0, 0}}));
}

TEST_F(EditableListTest, ClickingElsewhereAcceptsTheTextAndLeavesTheFocusThere) {
  DoubleClick(1, 1);
  Forget();
  Type(L"7.5");
  SetFocus(m_button);
  EXPECT_EQ(Cell(1, 1), L"7.5");
  EXPECT_FALSE(EditShown());
  EXPECT_EQ(GetFocus(), m_button);
  EXPECT_TRUE(test::SameMessages(test::Rows(host.received), {{kCellChanged, 1, 1}}));
}

TEST_F(EditableListTest, TheBoxGoesFirstWhenTheListIsDestroyed) {
  DoubleClick(1, 1);
  HWND edit = Edit();
  ASSERT_NE(edit, nullptr);
  DestroyWindow(m_list);
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(list.GetSafeHwnd(), nullptr);
  EXPECT_EQ(Edit(), nullptr);
  // Nothing accepted on the way.
  EXPECT_TRUE(test::SameMessages(test::Rows(host.received), {{kEditBegun, 1, 1}}));
}

}  // namespace
}  // namespace vk

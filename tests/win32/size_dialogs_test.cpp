// The two size dialogs of the Scale page, made from their templates and driven through their
// controls; their list rules themselves are the settings models' and tested with them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options_ui/font_sizes_dialog.h"
#include "options_ui/table_size_dialog.h"
#include "recording_messages.h"
#include "settings/option_table.h"
#include "test_hive.h"
#include "automation/win32/win32_text.h"

namespace vk {
namespace {

using test::kCurrentOptionsPath;
using test::kProductPath;
using test::RecordingMessages;
using test::TestHive;
using Texts = std::vector<std::u16string>;

std::u16string Cell(HWND list, int row, int column) {
  wchar_t text[128] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 128;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return FromWide(text);
}

// Every row of a list as "cell|cell|...".
Texts Rows(HWND list) {
  Texts rows;
  const int columns = static_cast<int>(SendMessageW(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); ++row) {
    std::u16string text;
    for (int column = 0; column < columns; ++column) text += (column ? u"|" : u"") + Cell(list, row, column);
    rows.push_back(text);
  }
  return rows;
}

// Each heading with its alignment; checks on the way that its column is at least `least` wide
// and wide enough to show the heading uncut in the list's font.
Texts Headings(HWND list, int least) {
  Texts headings;
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  for (int column = 0; column < SendMessageW(header, HDM_GETITEMCOUNT, 0, 0); ++column) {
    wchar_t text[64] = {};
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    c.pszText = text;
    c.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
    const int textWidth = static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)));
    EXPECT_GE(c.cx, least) << text;
    EXPECT_GE(c.cx, textWidth + 12) << text;
    const int align = c.fmt & LVCFMT_JUSTIFYMASK;
    headings.push_back(FromWide(text) + (align == LVCFMT_CENTER ? u" centred" : align == LVCFMT_LEFT ? u" left" : u" right"));
  }
  return headings;
}

void Press(CDialog& dialog, int id) {
  SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
}

void Select(HWND list, std::vector<int> rows) {
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  for (int row : rows) {
    LVITEMW item{};
    item.state = item.stateMask = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
}

// Double-clicks a cell as the user does; true when that opened the edit box over it.
bool OpenCell(HWND list, int row, int column) {
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
  HWND edit = GetDlgItem(list, kListSubEditId);
  return edit != nullptr && (GetWindowLongW(edit, GWL_STYLE) & WS_VISIBLE);  // the dialog itself is not shown
}

// Edits a cell in place: double-click, type, Enter.
void EditCell(HWND list, int row, int column, const wchar_t* text) {
  ASSERT_TRUE(OpenCell(list, row, column));
  HWND edit = GetDlgItem(list, kListSubEditId);
  SetWindowTextW(edit, text);
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
}

std::vector<std::u16string> ShownTexts(const std::vector<test::ShownMessage>& shown) {
  std::vector<std::u16string> texts;
  for (const auto& m : shown) {
    EXPECT_EQ(m.caption, u"Vellumark");
    texts.push_back(m.text);
  }
  return texts;
}

// ---------------------------------------------------------------- column widths and row heights

TEST(TableSizeDialog, OpensWithTheStoredListsUnderTheirLabels) {
  TestHive hive;
  hive.WriteText(kCurrentOptionsPath, u"ColumnWidths", u";10;;20;");
  hive.WriteText(kCurrentOptionsPath, u"RowHeights", u"5");
  hive.WriteNumber(kProductPath, u"UseGlobalOption", 0);
  CTableSizeDialog dialog(1);  // FuncState 1 without global options: the current options
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(dialog.GetDlgItemText(IDC_SIZES_SIZE_TEXT), u"");
  wchar_t caption[64] = {};
  GetWindowTextW(dialog.GetSafeHwnd(), caption, 64);
  EXPECT_STREQ(caption, L"Set the column widths and row heights");
  // The first column is left-aligned: the list view draws column 0 so whatever it is asked.
  EXPECT_EQ(Headings(dialog.GetDlgItem(IDC_SIZES_COLUMN_LIST), 50), (Texts{u"Column left", u"Width centred"}));
  EXPECT_EQ(Headings(dialog.GetDlgItem(IDC_SIZES_ROW_LIST), 50), (Texts{u"Row left", u"Height centred"}));
  EXPECT_EQ(Rows(dialog.GetDlgItem(IDC_SIZES_COLUMN_LIST)), (Texts{u"A|10", u"B|20"}));
  EXPECT_EQ(Rows(dialog.GetDlgItem(IDC_SIZES_ROW_LIST)), (Texts{u"1|5"}));
  const DWORD extended =
      static_cast<DWORD>(SendMessageW(dialog.GetDlgItem(IDC_SIZES_COLUMN_LIST), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT), static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
  EXPECT_EQ(GetWindowLongW(dialog.GetDlgItem(IDC_SIZES_COLUMN_LIST), GWL_STYLE) & LVS_SINGLESEL, 0);
}

TEST(TableSizeDialog, PlusAddsTheSizeTextToItsOwnListAndRefusesWhatTheListRefuses) {
  TestHive hive;
  RecordingMessages user;
  CTableSizeDialog dialog(0);
  ASSERT_TRUE(dialog.Create());
  dialog.SetDlgItemText(IDC_SIZES_SIZE_TEXT, u"12.5");
  Press(dialog, IDC_SIZES_ADD_COLUMN);
  dialog.SetDlgItemText(IDC_SIZES_SIZE_TEXT, u"wide");  // not a number: taken as typed
  Press(dialog, IDC_SIZES_ADD_COLUMN);
  Press(dialog, IDC_SIZES_ADD_ROW);
  dialog.SetDlgItemText(IDC_SIZES_SIZE_TEXT, u"1;2");
  Press(dialog, IDC_SIZES_ADD_COLUMN);
  dialog.SetDlgItemText(IDC_SIZES_SIZE_TEXT, u"");
  Press(dialog, IDC_SIZES_ADD_ROW);
  EXPECT_EQ(Rows(dialog.GetDlgItem(IDC_SIZES_COLUMN_LIST)), (Texts{u"A|12.5", u"B|wide"}));
  EXPECT_EQ(Rows(dialog.GetDlgItem(IDC_SIZES_ROW_LIST)), (Texts{u"1|wide"}));
  EXPECT_EQ(ShownTexts(user.shown), (Texts{u"Invalid column width.", u"Invalid row height."}));
}

TEST(TableSizeDialog, MinusAsksThenRemovesTheSelectedAndRelabels) {
  TestHive hive;
  hive.WriteText(kProductPath, u"ColumnWidths", u"1;2;3");
  RecordingMessages user;
  CTableSizeDialog dialog(0);
  ASSERT_TRUE(dialog.Create());
  HWND columns = dialog.GetDlgItem(IDC_SIZES_COLUMN_LIST);

  user.QueueAnswer(kIdNo);
  Select(columns, {1});
  Press(dialog, IDC_SIZES_REMOVE_COLUMN);
  EXPECT_EQ(Rows(columns), (Texts{u"A|1", u"B|2", u"C|3"}));

  Select(columns, {1});
  Press(dialog, IDC_SIZES_REMOVE_COLUMN);
  EXPECT_EQ(Rows(columns), (Texts{u"A|1", u"B|3"}));

  Select(columns, {});
  Press(dialog, IDC_SIZES_REMOVE_ROW);  // asked even with nothing selected
  EXPECT_EQ(ShownTexts(user.shown), (Texts{u"Are you sure you want to remove this column width?",
                                       u"Are you sure you want to remove this column width?",
                                       u"Are you sure you want to remove this row height?"}));
}

TEST(TableSizeDialog, OkStoresTheCellsAsEditedInPlace) {
  TestHive hive;
  hive.WriteText(kProductPath, u"ColumnWidths", u"1;2");
  hive.WriteText(kProductPath, u"RowHeights", u"9");
  RecordingMessages user;
  CTableSizeDialog dialog(0);
  ASSERT_TRUE(dialog.Create());
  HWND columns = dialog.GetDlgItem(IDC_SIZES_COLUMN_LIST);
  EditCell(columns, 1, 1, L"two");
  EXPECT_FALSE(OpenCell(columns, 0, 0));  // the label column stays locked
  EXPECT_EQ(Rows(columns), (Texts{u"A|1", u"B|two"}));
  // A later "+" keeps the edit.
  dialog.SetDlgItemText(IDC_SIZES_SIZE_TEXT, u"3");
  Press(dialog, IDC_SIZES_ADD_COLUMN);
  Select(dialog.GetDlgItem(IDC_SIZES_ROW_LIST), {0});
  Press(dialog, IDC_SIZES_REMOVE_ROW);
  Press(dialog, IDOK);
  EXPECT_EQ(ReadOption(options::kColumnWidths, kProductKey), u"1;two;3");
  ASSERT_TRUE(hive.Read(kProductPath, u"RowHeights"));
  EXPECT_EQ(ReadOption(options::kRowHeights, kProductKey), u"");
}

// ---------------------------------------------------------------- font size map

TEST(FontSizesDialog, OffersTheSixteenSizesAndOpensWithTheStoredMap) {
  TestHive hive;
  hive.WriteText(kProductPath, u"FontSizes", u"8:2.5*2;;10:3*;");
  CFontSizesDialog dialog(0);
  ASSERT_TRUE(dialog.Create());
  wchar_t caption[64] = {};
  GetWindowTextW(dialog.GetSafeHwnd(), caption, 64);
  EXPECT_STREQ(caption, L"Font Size Map");
  HWND sizes = dialog.GetDlgItem(IDC_FONTMAP_SIZE_LIST);
  Texts offered;
  for (int n = 0; n < SendMessageW(sizes, CB_GETCOUNT, 0, 0); ++n) {
    wchar_t text[16] = {};
    SendMessageW(sizes, CB_GETLBTEXT, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(text));
    offered.push_back(FromWide(text));
  }
  EXPECT_EQ(offered, (Texts{u"8", u"9", u"10", u"11", u"12", u"14", u"16", u"18", u"20", u"22", u"24", u"26", u"28",
                            u"36", u"48", u"72"}));
  for (int id : {IDC_FONTMAP_SIZE_LIST, IDC_FONTMAP_TEXT_HEIGHT,
                 IDC_FONTMAP_TEXT_WIDTH}) EXPECT_EQ(dialog.GetDlgItemText(id), u"") << id;
  EXPECT_EQ(Headings(dialog.GetDlgItem(IDC_FONTMAP_LIST), 80),
            (Texts{u"Excel Points left", u"Height centred", u"Width centred"}));
  EXPECT_EQ(Rows(dialog.GetDlgItem(IDC_FONTMAP_LIST)), (Texts{u"8|2.5|2", u"10|3|"}));
}

TEST(FontSizesDialog, AddFollowsTheMapsRulesWithItsMessages) {
  TestHive hive;
  hive.WriteText(kProductPath, u"FontSizes", u"8:2*;12:3*2");
  RecordingMessages user;
  CFontSizesDialog dialog(0);
  ASSERT_TRUE(dialog.Create());
  struct Step {
    const char16_t* points;
    const char16_t* height;
    const char16_t* width;
    int answer;  // to a question, when one comes
  };
  const Step steps[] = {
      {u"0.5", u"1", u"", 0},    // refused
      {u"10", u"", u"", 0},      // refused
      {u"10", u"2.5", u"*", 0},  // refused
      {u"10", u"2.5", u"", 0},   // between 8 and 12
      {u"12", u"9", u"9", kIdNo},
      {u"12", u"3.5", u"3", kIdYes},
      {u"12.0", u"4", u"", 0},  // another text: after 12, no question
  };
  for (const Step& s : steps) {
    if (s.answer) user.QueueAnswer(s.answer);
    dialog.SetDlgItemText(IDC_FONTMAP_SIZE_LIST, s.points);
    dialog.SetDlgItemText(IDC_FONTMAP_TEXT_HEIGHT, s.height);
    dialog.SetDlgItemText(IDC_FONTMAP_TEXT_WIDTH, s.width);
    Press(dialog, IDC_FONTMAP_ADD);
  }
  EXPECT_EQ(Rows(dialog.GetDlgItem(IDC_FONTMAP_LIST)), (Texts{u"8|2|", u"10|2.5|", u"12|3.5|3", u"12.0|4|"}));
  const std::u16string replace = u"There is already a same point size. Do you want to replace it?";
  EXPECT_EQ(ShownTexts(user.shown), (Texts{u"Invalid font size.", u"Invalid text height.", u"Invalid text height.",
                                           replace, replace}));
  // A size chosen from the list counts like a typed one.
  SendMessageW(dialog.GetDlgItem(IDC_FONTMAP_SIZE_LIST), CB_SETCURSEL, 15, 0);
  dialog.SetDlgItemText(IDC_FONTMAP_TEXT_HEIGHT, u"20");
  Press(dialog, IDC_FONTMAP_ADD);
  EXPECT_EQ(Rows(dialog.GetDlgItem(IDC_FONTMAP_LIST)).back(), u"72|20|");
}

TEST(FontSizesDialog, RemoveAsksAndOkStoresTheMapAsEditedInPlace) {
  TestHive hive;
  hive.WriteText(kProductPath, u"FontSizes", u"8:2*;10:3*;12:4*");
  RecordingMessages user;
  {
    CFontSizesDialog dialog(0);
    ASSERT_TRUE(dialog.Create());
    HWND list = dialog.GetDlgItem(IDC_FONTMAP_LIST);
    EditCell(list, 0, 2, L"1.5");
    EXPECT_FALSE(OpenCell(list, 0, 0));  // the points stay locked
    Select(list, {1});
    Press(dialog, IDC_FONTMAP_REMOVE);
    EXPECT_EQ(Rows(list), (Texts{u"8|2|1.5", u"12|4|"}));
    Press(dialog, IDOK);
    EXPECT_EQ(ReadOption(options::kFontSizes, kProductKey), u"8:2*1.5;12:4*");
  }
  EXPECT_EQ(ShownTexts(user.shown), (Texts{u"Are you sure you want to remove this point size?"}));
}

}  // namespace
}  // namespace vk

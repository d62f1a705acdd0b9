// The dialog layer's property sheet and pages, with two small test pages: creation on first
// showing, data exchange and its refusal of non-numbers, apply on created pages only, modal and
// modeless runs, templates by language.
#include "ui/win32/property_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/win32/controls.h"
#include "test_pages_ids.h"
#include "win32/ui_driver.h"

namespace vk {
namespace {

using test::ItemText;
using test::UiDriver;

class NumbersPage final : public CPropertyPage {
 public:
  NumbersPage() : CPropertyPage(L"IDD_TEST_PAGE_NUMBERS") {}
  double number = 2.5;
  int32_t count = 3;
  int32_t check = 1;
  int32_t radio = 1;
  int32_t choice = 1;
  int inits = 0, applies = 0, resets = 0;

 protected:
  BOOL OnInitDialog() override {
    ++inits;
    CComboBox list(m_hWnd, IDC_TEST_LIST);
    list.AddString(u"a");
    list.AddString(u"b");
    return CPropertyPage::OnInitDialog();
  }
  void DoDataExchange(CDataExchange& dx) override {
    DDX_Text(dx, IDC_TEST_NUMBER, number);
    DDX_Text(dx, IDC_TEST_COUNT, count);
    DDX_Check(dx, IDC_TEST_CHECK, check);
    DDX_Radio(dx, {IDC_TEST_FIRST, IDC_TEST_SECOND}, radio);
    DDX_CBIndex(dx, IDC_TEST_LIST, choice);
  }
  bool OnCommand(int id, int code, HWND) override {
    if (id != IDC_TEST_CHECK || code != BN_CLICKED) return false;
    SetModified();
    return true;
  }
  bool OnApply() override {
    ++applies;
    return true;
  }
  void OnReset() override { ++resets; }
};

class TextPage final : public CPropertyPage {
 public:
  TextPage() : CPropertyPage(L"IDD_TEST_PAGE_TEXT") {}
  std::u16string text = u"start";
  int applies = 0;

 protected:
  void DoDataExchange(CDataExchange& dx) override { DDX_Text(dx, IDC_TEST_TEXT, text); }
  bool OnApply() override {
    ++applies;
    return true;
  }
};

std::u16string TabText(HWND sheet, int index) {
  HWND tab = PropSheet_GetTabControl(sheet);
  wchar_t text[128] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 128;
  SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

TEST(DataExchange, NumberFieldsAcceptOnlyWholeNumbers) {
  struct Case {
    std::u16string text;
    std::optional<double> real;
    std::optional<int32_t> integer;
  };
  const Case cases[] = {
      {u"12", 12, 12},           {u" -1.5e3 ", -1500, std::nullopt}, {u"+.5", 0.5, std::nullopt},
      {u"abc", {}, {}},          {u"", {}, {}},                       {u"1,5", {}, {}},
      {u"12abc", {}, {}},        {u".", {}, {}},                      {u"1e", {}, {}},
      {u"3000000000", 3e9, {}},  {u"-7\t", -7, -7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
    EXPECT_EQ(ParseNumberField(c.text), c.real);
    EXPECT_EQ(ParseIntegerField(c.text), c.integer);
  }
  EXPECT_EQ(FormatNumberField(0.1), u"0.1");
  EXPECT_EQ(FormatNumberField(1.0 / 3), u"0.333333333333333");
  EXPECT_EQ(FormatNumberField(72), u"72");
}

TEST(SheetAndPages, PagesAreMadeWhenFirstShownAndShowTheirFields) {
  NumbersPage numbers;
  TextPage text;
  CPropertySheet sheet(u"Test sheet");
  sheet.AddPage(&numbers);
  sheet.AddPage(&text);
  sheet.SetLanguage(kLangEnglish);
  ASSERT_TRUE(sheet.Create());
  HWND window = sheet.GetSafeHwnd();
  EXPECT_EQ(test::WindowText(window), u"Test sheet");
  EXPECT_EQ(TabText(window, 1), u"Text");
  EXPECT_EQ(sheet.GetActiveIndex(), 0);
  EXPECT_NE(numbers.GetSafeHwnd(), nullptr);
  EXPECT_EQ(text.GetSafeHwnd(), nullptr);

  HWND page = numbers.GetSafeHwnd();
  EXPECT_EQ(ItemText(page, IDC_TEST_NUMBER), u"2.5");
  EXPECT_EQ(ItemText(page, IDC_TEST_COUNT), u"3");
  EXPECT_EQ(ItemText(page, IDC_TEST_CHECK), u"Set");
  EXPECT_EQ(CButton(page, IDC_TEST_CHECK).GetCheck(), BST_CHECKED);
  EXPECT_EQ(CButton(page, IDC_TEST_FIRST).GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(CButton(page, IDC_TEST_SECOND).GetCheck(), BST_CHECKED);
  EXPECT_EQ(CComboBox(page, IDC_TEST_LIST).GetCurSel(), 1);

  EXPECT_TRUE(sheet.SetActivePage(1));
  EXPECT_EQ(sheet.GetActiveIndex(), 1);
  EXPECT_EQ(ItemText(text.GetSafeHwnd(), IDC_TEST_TEXT), u"start");
  EXPECT_TRUE(sheet.SetActivePage(0));
  EXPECT_EQ(numbers.inits, 1);  // made once, shown twice
  sheet.DestroyWindow();
  EXPECT_EQ(numbers.GetSafeHwnd(), nullptr);
}

TEST(SheetAndPages, ANonNumberKeepsThePageActiveWithItsMessage) {
  struct Case {
    int id;
    std::u16string text;
    std::u16string message;
  };
  const Case cases[] = {{IDC_TEST_NUMBER, u"abc", u"Please enter a number."},
                        {IDC_TEST_COUNT, u"1.5", u"Please enter an integer."}};
  for (const Case& c : cases) {
    NumbersPage numbers;
    TextPage text;
    CPropertySheet sheet(u"Test sheet");
    sheet.AddPage(&numbers);
    sheet.AddPage(&text);
    ASSERT_TRUE(sheet.Create());
    HWND page = numbers.GetSafeHwnd();
    test::Type(page, c.id, c.text);

    UiDriver driver;
    EXPECT_FALSE(sheet.SetActivePage(1));
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(text.GetSafeHwnd(), nullptr);
    ASSERT_EQ(driver.messageBoxes.size(), 1u);
    EXPECT_EQ(driver.messageBoxes[0].text, c.message);
    EXPECT_EQ(GetFocus(), GetDlgItem(page, c.id));

    // OK does not close the sheet either.
    SendMessageW(sheet.GetSafeHwnd(), PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_FALSE(sheet.IsEnded());
    EXPECT_EQ(numbers.applies, 0);
    EXPECT_EQ(driver.messageBoxes.size(), 2u);

    test::Type(page, IDC_TEST_NUMBER, u" 12 ");
    test::Type(page, IDC_TEST_COUNT, u"-4");
    EXPECT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(numbers.number, 12);
    EXPECT_EQ(numbers.count, -4);
    EXPECT_EQ(driver.messageBoxes.size(), 2u);
  }
}

TEST(SheetAndPages, OkAppliesTheCreatedPagesAndCancelNone) {
  for (int button : {PSBTN_OK, PSBTN_CANCEL}) {
    SCOPED_TRACE(button);
    NumbersPage numbers;
    TextPage text;
    CPropertySheet sheet(u"Test sheet");
    sheet.AddPage(&numbers);
    sheet.AddPage(&text);
    ASSERT_TRUE(sheet.Create());
    HWND page = numbers.GetSafeHwnd();
    test::Click(page, IDC_TEST_CHECK);
    CButton(page, IDC_TEST_CHECK).SetCheck(BST_UNCHECKED);
    CButton(page, IDC_TEST_FIRST).SetCheck(BST_CHECKED);
    CButton(page, IDC_TEST_SECOND).SetCheck(BST_UNCHECKED);
    EXPECT_TRUE(numbers.IsModified());
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet.GetSafeHwnd(), 0x3021)));  // Apply

    SendMessageW(sheet.GetSafeHwnd(), PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
    EXPECT_TRUE(sheet.IsEnded());
    EXPECT_EQ(numbers.applies, button == PSBTN_OK ? 1 : 0);
    EXPECT_EQ(numbers.resets, button == PSBTN_OK ? 0 : 1);
    EXPECT_EQ(text.applies, 0);  // never shown
    EXPECT_EQ(numbers.check, button == PSBTN_OK ? 0 : 1);
    EXPECT_EQ(numbers.radio, button == PSBTN_OK ? 0 : 1);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
  }
}

TEST(SheetAndPages, RunsModallyAndEndsWithTheButtonPressed) {
  for (int button : {PSBTN_OK, PSBTN_CANCEL}) {
    SCOPED_TRACE(button);
    NumbersPage numbers;
    TextPage text;
    CPropertySheet sheet(u"Modal sheet");
    sheet.AddPage(&numbers);
    sheet.AddPage(&text);
    sheet.SetActivePage(1);
    UiDriver driver;
    HWND seen = nullptr;
    std::u16string caption;
    driver.Then([&] {
      seen = driver.LastDialog();
      if (seen == nullptr || text.GetSafeHwnd() == nullptr) return false;
      caption = test::WindowText(seen);
      test::Type(text.GetSafeHwnd(), IDC_TEST_TEXT, u"typed");
      PostMessageW(seen, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
      return true;
    });
    EXPECT_EQ(sheet.DoModal(), button == PSBTN_OK ? IDOK : IDCANCEL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(caption, u"Modal sheet");
    EXPECT_EQ(numbers.inits, 0);  // opened on the second page
    EXPECT_EQ(text.text, button == PSBTN_OK ? u"typed" : u"start");
    EXPECT_EQ(text.applies, button == PSBTN_OK ? 1 : 0);
    EXPECT_EQ(sheet.GetSafeHwnd(), nullptr);
  }
}

// The two test pages in a sheet of the given language, not yet opened.
struct TwoPageSheet {
  explicit TwoPageSheet(LANGID language) {
    sheet.AddPage(&numbers);
    sheet.AddPage(&text);
    sheet.SetLanguage(language);
  }
  NumbersPage numbers;
  TextPage text;
  CPropertySheet sheet{u"Test sheet"};
};

TEST(SheetAndPages, PagesComeInTheSheetsLanguage) {
  TwoPageSheet japanese(kLangJapanese);
  CPropertySheet& sheet = japanese.sheet;
  ASSERT_TRUE(sheet.Create());
  EXPECT_EQ(TabText(sheet.GetSafeHwnd(), 0), u"\u6570\u5b57");
  EXPECT_EQ(TabText(sheet.GetSafeHwnd(), 1), u"\u6587\u5b57");
  EXPECT_EQ(ItemText(japanese.numbers.GetSafeHwnd(), IDC_TEST_CHECK), u"\u8a2d\u5b9a");
}

// The Japanese test pages are 9 point, the sheet's own template 8: the sheet takes its pages'
// font, so that the page area is the pages' 120 units high in the pages' own dialog units (no
// blank band below them, nothing cut off).
TEST(SheetAndPages, TheSheetTakesItsPagesFontAndSizesThePageAreaInIt) {
  for (LANGID language : {kLangEnglish, kLangJapanese}) {
    SCOPED_TRACE(language);
    TwoPageSheet pages(language);
    CPropertySheet& sheet = pages.sheet;
    ASSERT_TRUE(sheet.Create());
    HWND page = pages.numbers.GetSafeHwnd();
    LOGFONTW sheetFont{}, pageFont{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(sheet.GetSafeHwnd(), WM_GETFONT, 0, 0)), sizeof sheetFont, &sheetFont);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0)), sizeof pageFont, &pageFont);
    EXPECT_EQ(sheetFont.lfHeight, pageFont.lfHeight);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(sheetFont.lfHeight, -MulDiv(language == kLangJapanese ? 9 : 8, dpi, 72));
    RECT area{}, units{0, 0, 200, 120};
    GetClientRect(page, &area);
    MapDialogRect(page, &units);
    EXPECT_GE(area.right, units.right - 1);  // the platform's tab control may be wider than small pages
    EXPECT_NEAR(area.bottom, units.bottom, 1);
  }
}

TEST(ResourceModule, StringsAndMenusByLanguage) {
  // The test program has no string table of its own: a missing string is empty, a missing menu null.
  EXPECT_EQ(ResourceModule::String(64000, kLangEnglish), u"");
  EXPECT_EQ(ResourceModule::Menu(64000, kLangEnglish), nullptr);
}

}  // namespace
}  // namespace vk

// The Options sheet through its real windows under Wine: the option key each FuncState edits,
// the start page, what OK stores, the Template button and menu, options files, and the Object &
// Font Map and Other pages' rules through their controls.
#include "options_ui/options_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "resource_ids/object_page_ids.h"
#include "resource_ids/other_page_ids.h"
#include "settings/options_file.h"
#include "test_hive.h"
#include "test_shell.h"
#include "automation/win32/win32_text.h"
#include "ui/win32/controls.h"
#include "win32/ui_driver.h"

namespace vk {
namespace {

using test::ItemText;
using test::kCurrentOptionsPath;
using test::kProductPath;
using test::TempFolder;
using test::TestHive;
using test::UiDriver;

// The sheet with its file dialogs and the shell answered by the test.
class TestSheet final : public COptionsSheet {
 public:
  TestSheet() : COptionsSheet(u"Options") {}
  std::optional<std::u16string> loadPath, savePath;
  std::vector<std::u16string> helpOpened;

 protected:
  std::optional<std::u16string> AskLoadPath() override { return loadPath; }
  std::optional<std::u16string> AskSavePath() override { return savePath; }
  void OpenHelpFile(const std::u16string& path) override { helpOpened.push_back(path); }
};

// A modeless sheet opened on a fresh profile, in English unless told.
class OptionsSheetTest : public testing::Test {
 protected:
  void Open(int32_t funcState = 0, LANGID language = kLangEnglish) {
    sheet_.m_nFuncState = funcState;
    sheet_.SetLanguage(language);
    ASSERT_TRUE(sheet_.Create());
  }
  HWND Sheet() const { return sheet_.GetSafeHwnd(); }
  HWND PageWindow(int position) const { return sheet_.GetPage(position)->GetSafeHwnd(); }
  void Show(int position) { ASSERT_TRUE(sheet_.SetActivePage(position)); }
  void Press(int button) { SendMessageW(Sheet(), PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }
  bool Checked(int position, int id) const { return CButton(PageWindow(position), id).GetCheck() == BST_CHECKED; }
  bool Enabled(int position, int id) const { return IsWindowEnabled(GetDlgItem(PageWindow(position), id)) != FALSE; }
  bool Visible(int position, int id) const {
    return (GetWindowLongW(GetDlgItem(PageWindow(position), id), GWL_STYLE) & WS_VISIBLE) != 0;
  }
  bool ApplyEnabled() const { return IsWindowEnabled(GetDlgItem(Sheet(), kApplyButtonId)) != FALSE; }
  // A click as the user makes it: the check changes, then the page hears of it.
  void ClickBox(int position, int id) {
    CButton box(PageWindow(position), id);
    box.SetCheck(box.GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    test::Click(PageWindow(position), id);
  }
  void ClickRadio(int position, std::initializer_list<int> group, int id) {
    for (int member : group) CButton(PageWindow(position), member).SetCheck(member == id ? BST_CHECKED : BST_UNCHECKED);
    test::Click(PageWindow(position), id);
  }

  TestHive hive_;
  test::TestShell shell_{u"C:\\Users\\me\\Documents"};
  UiDriver driver_;
  TestSheet sheet_;
};

constexpr int kImportBoxes[] = {IDC_OBJECT_BORDER, IDC_OBJECT_TEXT, IDC_OBJECT_PATTERN, IDC_OBJECT_SHADING,
                                IDC_OBJECT_AUTOSHAPE, IDC_OBJECT_PICTURE, IDC_OBJECT_CHART, IDC_OBJECT_FORM_CONTROL,
                                IDC_OBJECT_WHITE_BORDER, IDC_OBJECT_WHITE_SHADING};
constexpr int kTableBoxes[] = {IDC_OBJECT_HAS_TITLE_ROW, IDC_OBJECT_HAS_HEADER_ROW, IDC_OBJECT_APPLY_TEXT_ALIGN};

TEST_F(OptionsSheetTest, EachFuncStateEditsItsOptionKey) {
  struct Case {
    int32_t funcState, useGlobal;
    bool current;
  };
  for (const Case c : {Case{0, 0, false}, Case{1, 0, true}, Case{1, 1, false}, Case{2, 0, false}, Case{3, 0, false}}) {
    SCOPED_TRACE(testing::Message() << c.funcState << " " << c.useGlobal);
    TestHive hive;
    hive.WriteNumber(kProductPath, u"UseGlobalOption", c.useGlobal);
    hive.WriteNumber(kProductPath, u"ActivePageIndex", 2);
    const std::u16string edited = c.current ? kCurrentOptionsPath : kProductPath;
    const std::u16string other = c.current ? kProductPath : kCurrentOptionsPath;
    hive.WriteNumber(edited, u"ImportObj", 5);
    hive.WriteNumber(other, u"ImportObj", 2);
    TestSheet sheet;
    sheet.m_nFuncState = c.funcState;
    ASSERT_TRUE(sheet.Create());
    HWND page = sheet.m_objectPage.GetSafeHwnd();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(CButton(page, IDC_OBJECT_BORDER).GetCheck(), BST_CHECKED);
    EXPECT_EQ(CButton(page, IDC_OBJECT_TEXT).GetCheck(), BST_UNCHECKED);
    CButton(page, IDC_OBJECT_TEXT).SetCheck(BST_CHECKED);
    SendMessageW(sheet.GetSafeHwnd(), PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_TRUE(sheet.IsEnded());
    EXPECT_EQ(hive.ReadNumber(edited, u"ImportObj"), 7);
    EXPECT_EQ(hive.ReadNumber(other, u"ImportObj"), 2);
    EXPECT_EQ(hive.ReadText(edited, u"BorderLayer"), u"*");  // the first page stored too
  }
}

TEST_F(OptionsSheetTest, OpensOnTheStoredPageWithTheFirstPageMadeAndOkStoresOnlyMadePages) {
  struct Case {
    int32_t stored, shown;
  };
  for (const Case c : {Case{2, 2}, Case{3, 3}, Case{9, 0}, Case{-3, 0}}) {
    SCOPED_TRACE(c.stored);
    TestHive hive;
    hive.WriteNumber(kProductPath, u"ActivePageIndex", c.stored);
    TestSheet sheet;
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(sheet.GetActiveIndex(), c.shown);
    EXPECT_NE(sheet.m_layerColorPage.GetSafeHwnd(), nullptr);
    EXPECT_EQ(sheet.m_scalePage.GetSafeHwnd(), nullptr);
    EXPECT_EQ(sheet.m_objectPage.GetSafeHwnd() != nullptr, c.shown == 2);
    EXPECT_EQ(sheet.m_otherPage.GetSafeHwnd() != nullptr, c.shown == 3);
    SendMessageW(sheet.GetSafeHwnd(), PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_TRUE(sheet.IsEnded());
    EXPECT_EQ(hive.ReadNumber(kProductPath, u"ActivePageIndex"), c.shown);
    EXPECT_TRUE(hive.Read(kProductPath, u"BorderLayer"));
    EXPECT_FALSE(hive.Read(kProductPath, u"CellScaleOpt"));
    EXPECT_EQ(hive.Read(kProductPath, u"TableObjOpt").has_value(), c.shown == 2);
    EXPECT_EQ(hive.Read(kProductPath, u"LineSpacing").has_value(), c.shown == 3);
  }
}

TEST_F(OptionsSheetTest, ApplyStoresAndKeepsTheSheetOpen) {
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  Open();
  test::Type(PageWindow(3), IDC_OTHER_ROTATION, u"90");
  EXPECT_TRUE(ApplyEnabled());
  Press(PSBTN_APPLYNOW);
  EXPECT_FALSE(sheet_.IsEnded());
  EXPECT_EQ(hive_.ReadText(kProductPath, u"RotationDegree"), u"90");
  EXPECT_FALSE(sheet_.m_otherPage.IsModified());
  test::Type(PageWindow(3), IDC_OTHER_ROTATION, u"45");
  Press(PSBTN_CANCEL);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"RotationDegree"), u"90");
}

TEST_F(OptionsSheetTest, CancelStoresNothing) {
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  Open();
  test::Type(PageWindow(3), IDC_OTHER_ROTATION, u"90");
  Press(PSBTN_CANCEL);
  EXPECT_TRUE(sheet_.IsEnded());
  EXPECT_FALSE(hive_.Read(kProductPath, u"RotationDegree"));
  EXPECT_FALSE(hive_.Read(kProductPath, u"BorderLayer"));
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ActivePageIndex"), 3);
}

TEST_F(OptionsSheetTest, TemplateButtonSitsLeftOfOkInEitherLanguage) {
  for (LANGID language : {kLangEnglish, kLangJapanese}) {
    SCOPED_TRACE(language);
    TestSheet sheet;
    sheet.SetLanguage(language);
    ASSERT_TRUE(sheet.Create());
    HWND window = sheet.GetSafeHwnd();
    HWND button = GetDlgItem(window, kTemplateButtonId);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kHelpButtonId)));
    EXPECT_EQ(test::WindowText(button), language == kLangEnglish ? u"Template" : u"\u30c6\u30f3\u30d7\u30ec\u30fc\u30c8");
    wchar_t className[32] = {};
    GetClassNameW(button, className, 32);
    EXPECT_STREQ(className, L"Button");
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(SendMessageW(button, WM_GETFONT, 0, 0), SendMessageW(window, WM_GETFONT, 0, 0));

    // Left of OK by the OK-Cancel gap, level with it, and whole inside the sheet.
    RECT ok{}, cancel{}, placed{}, client{};
    GetWindowRect(GetDlgItem(window, IDOK), &ok);
    GetWindowRect(GetDlgItem(window, IDCANCEL), &cancel);
    GetWindowRect(button, &placed);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(placed.right, ok.left - (cancel.left - ok.right));
    EXPECT_EQ(placed.top, ok.top);
    EXPECT_EQ(placed.bottom, ok.bottom);
    EXPECT_GT(placed.left, client.left);
    // Its caption fits in it, in its own font.
    HDC dc = GetDC(button);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
    SIZE caption{};
    const std::wstring text = ToWide(test::WindowText(button));
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &caption);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    EXPECT_LE(caption.cx + 6, placed.right - placed.left);
    // The tabs carry the pages' titles in the sheet's language.
    const std::u16string tabs[2][4] = {
        {u"Layer && Color", u"Scale", u"Object && Font Map", u"Other"},
        {u"\u753b\u5c64\u3068\u8272", u"\u30b9\u30b1\u30fc\u30eb",
         u"\u30aa\u30d6\u30b8\u30a7\u30af\u30c8\u3068\u30d5\u30a9\u30f3\u30c8\u30de\u30c3\u30d7", u"\u305d\u306e\u4ed6"}};
    HWND tab = PropSheet_GetTabControl(window);
    for (int i = 0; i < 4; ++i) {
      wchar_t text[128] = {};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = 128;
      SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), tabs[language == kLangEnglish ? 0 : 1][i]);
    }
  }
}

TEST_F(OptionsSheetTest, TemplateMenuOpensUnderTheButtonAndHelpOpensTheModulesHelpFile) {
  for (LANGID language : {kLangEnglish, kLangJapanese}) {
    HMENU menu = ResourceModule::Menu(IDM_OPTIONS_TEMPLATE, language);
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    EXPECT_EQ(GetMenuItemCount(popup), 2);
    EXPECT_EQ(GetMenuItemID(popup, 0), static_cast<UINT>(IDM_OPTIONS_LOAD_FROM_FILE));
    EXPECT_EQ(GetMenuItemID(popup, 1), static_cast<UINT>(IDM_OPTIONS_SAVE_TO_FILE));
    wchar_t text[64] = {};
    GetMenuStringW(popup, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, language == kLangEnglish ? L"Load from file" : L"\u30ed\u30fc\u30c9");
    GetMenuStringW(popup, 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, language == kLangEnglish ? L"Save to file" : L"\u4fdd\u5b58");
    DestroyMenu(menu);
  }

  Open();
  // Well inside the screen, so that the menu is not pushed back onto it.
  SetWindowPos(Sheet(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT button{};
  GetWindowRect(GetDlgItem(Sheet(), kTemplateButtonId), &button);
  RECT shown{};
  bool menuSeen = false;
  driver_.Then([&] {
    PostMessageW(Sheet(), WM_COMMAND, MAKEWPARAM(kTemplateButtonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Sheet(), kTemplateButtonId)));
    return true;
  });
  driver_.Then([&] {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu == nullptr || !IsWindowVisible(menu)) return false;
    GetWindowRect(menu, &shown);
    menuSeen = true;
    EndMenu();
    return true;
  });
  ASSERT_TRUE(driver_.Run());
  ASSERT_TRUE(menuSeen);
  EXPECT_EQ(shown.left, button.left);
  EXPECT_EQ(shown.top, button.bottom);
  // Away from the screen's corner nothing pushes them back: button and menu corner lie in the sheet.
  RECT sheet{};
  GetWindowRect(Sheet(), &sheet);
  EXPECT_GE(button.left, sheet.left);
  EXPECT_LE(button.right, sheet.right);
  EXPECT_TRUE(PtInRect(&sheet, POINT{shown.left, shown.top - 1}));

  test::Click(Sheet(), kHelpButtonId);
  ASSERT_EQ(sheet_.helpOpened.size(), 1u);
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::u16string expected(reinterpret_cast<const char16_t*>(module));
  expected.resize(expected.find_last_of(u'\\') + 1);
  EXPECT_EQ(sheet_.helpOpened[0], expected + u"Vellumark.chm");
  EXPECT_FALSE(sheet_.IsEnded());
}

TEST_F(OptionsSheetTest, SizeDialogsOpenCentredOverTheSheet) {
  Open();
  Show(kScalePagePosition);
  SetWindowPos(Sheet(), nullptr, 230, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT sheet{};
  GetWindowRect(Sheet(), &sheet);
  for (int button : {IDC_SCALE_CELL_SIZES_BUTTON, IDC_SCALE_FONT_SIZES_BUTTON}) {
    SCOPED_TRACE(button);
    RECT shown{};
    HWND owner = nullptr;
    driver_.Then([&] {
      PostMessageW(PageWindow(kScalePagePosition), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(PageWindow(kScalePagePosition), button)));
      return true;
    });
    driver_.Then([&] {
      HWND dialog = driver_.LastDialog();
      if (dialog == nullptr || dialog == Sheet() || !IsWindowVisible(dialog)) return false;
      GetWindowRect(dialog, &shown);
      owner = GetWindow(dialog, GW_OWNER);
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return true;
    });
    ASSERT_TRUE(driver_.Run());
    EXPECT_EQ(owner, Sheet());
    EXPECT_NEAR((shown.left + shown.right) / 2, (sheet.left + sheet.right) / 2, 3);
    EXPECT_NEAR((shown.top + shown.bottom) / 2, (sheet.top + sheet.bottom) / 2, 3);
  }
}

TEST_F(OptionsSheetTest, ANonNumberKeepsThePageAndTheSheetOpen) {
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  Open();
  test::Type(PageWindow(3), IDC_OTHER_ROTATION, u"ninety");
  EXPECT_FALSE(sheet_.SetActivePage(2));
  Press(PSBTN_OK);
  EXPECT_FALSE(sheet_.IsEnded());
  EXPECT_EQ(sheet_.GetActiveIndex(), 3);
  ASSERT_EQ(driver_.messageBoxes.size(), 2u);
  EXPECT_EQ(driver_.messageBoxes[0].text, u"Please enter a number.");
  EXPECT_FALSE(hive_.Read(kProductPath, u"RotationDegree"));

  test::Type(PageWindow(3), IDC_OTHER_ROTATION, u"90");
  Press(PSBTN_OK);
  EXPECT_TRUE(sheet_.IsEnded());
  EXPECT_EQ(hive_.ReadText(kProductPath, u"RotationDegree"), u"90");
}

// ---- options files -----------------------------------------------------------------------

// Options file bytes written field by field, as the file format lays them out.
class FileBytes {
 public:
  FileBytes& Int(int32_t v) { return Raw(&v, 4); }
  FileBytes& Real(double v) { return Raw(&v, 8); }
  FileBytes& Text(const std::u16string& s) {
    const uint8_t head[] = {0xFF, 0xFE, 0xFF, static_cast<uint8_t>(s.size())};
    Raw(head, 4);
    return Raw(s.data(), s.size() * 2);
  }
  void SaveAs(const std::u16string& path) const {
    std::ofstream out(std::string(path.begin(), path.end()), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes_.data()), static_cast<std::streamsize>(bytes_.size()));
  }

 private:
  FileBytes& Raw(const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
    return *this;
  }
  std::vector<uint8_t> bytes_;
};

TEST_F(OptionsSheetTest, LoadFromFileFillsEveryPageAndOkStoresThemAll) {
  TempFolder temp;
  FileBytes file;
  file.Text(u"Vellumark Options").Int(6);
  file.Text(u"Walls").Text(u"Text").Text(u"").Text(u"").Text(u"").Int(1).Int(2).Int(0).Int(4).Int(5).Int(6).Int(7);
  file.Int(0).Int(3).Real(2).Real(48).Int(1).Int(5).Real(1).Real(10);
  file.Int(1).Int(1).Int(0).Int(1);
  for (int box : {0, 1, 0, 1, 0, 1, 0}) file.Int(box);
  file.Int(0x100).Int(1).Int(0).Int(0).Int(1).Int(1);
  file.Real(30).Int(2).Text(u"D:\\Pics").Int(1).Text(u"gq").Real(45).Real(1.5);
  file.SaveAs(temp.File(u"set.opt"));

  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  Open();
  sheet_.loadPath = temp.File(u"set.opt");
  sheet_.LoadFromFile();
  EXPECT_TRUE(driver_.messageBoxes.empty());
  EXPECT_EQ(sheet_.GetActiveIndex(), 3);
  for (int position = 0; position < 4; ++position) EXPECT_NE(PageWindow(position), nullptr);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"OptionFileFolder"), temp.Path() + u"\\");

  EXPECT_TRUE(Checked(2, IDC_OBJECT_AUTOCAD_TABLE));
  EXPECT_TRUE(Checked(2, IDC_OBJECT_LINE));
  EXPECT_TRUE(Checked(2, IDC_OBJECT_AUTOCAD_FONT));
  EXPECT_EQ(CComboBox(PageWindow(2), IDC_OBJECT_TEXT_OBJECT).GetCurSel(), 1);
  EXPECT_TRUE(Enabled(2, IDC_OBJECT_TEXT_OBJECT));  // the font rule runs again after a load
  EXPECT_FALSE(Checked(2, IDC_OBJECT_BORDER));
  EXPECT_TRUE(Checked(2, IDC_OBJECT_TEXT));
  EXPECT_TRUE(Checked(2, IDC_OBJECT_FORM_CONTROL));
  EXPECT_TRUE(Checked(2, IDC_OBJECT_WHITE_BORDER));
  EXPECT_FALSE(Checked(2, IDC_OBJECT_HAS_TITLE_ROW));
  EXPECT_TRUE(Checked(2, IDC_OBJECT_APPLY_TEXT_ALIGN));
  EXPECT_EQ(ItemText(PageWindow(3), IDC_OTHER_ROTATION), u"45");
  EXPECT_EQ(CComboBox(PageWindow(3), IDC_OTHER_LINK_PATH_TYPE).GetCurSel(), 2);
  EXPECT_EQ(ItemText(PageWindow(3), IDC_OTHER_PICTURES_FOLDER), u"D:\\Pics");
  EXPECT_TRUE(Checked(3, IDC_OTHER_OFFSET_DECENDERS));
  EXPECT_EQ(ItemText(PageWindow(3), IDC_OTHER_SHIFT_CHAR), u"gq");
  EXPECT_TRUE(Enabled(3, IDC_OTHER_SHIFT_CHAR));
  EXPECT_EQ(sheet_.m_layerColorPage.m_model.m_strBorderLayer, u"Walls");
  EXPECT_EQ(sheet_.m_layerColorPage.m_model.m_nBoldColor, 7);
  EXPECT_EQ(sheet_.m_scalePage.m_model.m_dCellExcelPoints, 48);
  EXPECT_TRUE(ApplyEnabled());

  Press(PSBTN_OK);
  EXPECT_TRUE(sheet_.IsEnded());
  EXPECT_EQ(hive_.ReadText(kProductPath, u"BorderLayer"), u"Walls");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"BoldColorIndex"), 8);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"CellExcelPoints"), u"48");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"TableObjOpt"), 1);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ImportObj"), 0x100 | 0x200 | 0x2 | 0x8 | 0x20);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"RotationDegree"), u"45");
  EXPECT_EQ(hive_.ReadText(kProductPath, u"PicturesFolder"), u"D:\\Pics");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ActivePageIndex"), 3);
}

TEST_F(OptionsSheetTest, AFileOfAnotherKindIsRefusedAndChangesNoPage) {
  TempFolder temp;
  FileBytes file;
  file.Text(u"Vellumark Options").Int(7);
  file.SaveAs(temp.File(u"future.opt"));
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  Open();
  const std::u16string before = ItemText(PageWindow(3), IDC_OTHER_PICTURES_FOLDER);
  sheet_.loadPath = temp.File(u"future.opt");
  sheet_.LoadFromFile();
  ASSERT_EQ(driver_.messageBoxes.size(), 1u);
  EXPECT_EQ(driver_.messageBoxes[0].text, u"This is not a valid options file.");
  EXPECT_EQ(ItemText(PageWindow(3), IDC_OTHER_PICTURES_FOLDER), before);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"OptionFileFolder"), temp.Path() + u"\\");
}

TEST_F(OptionsSheetTest, SaveToFileWritesWhatThePagesShowForTheReader) {
  TempFolder temp;
  Open();
  Show(2);
  ClickRadio(2, {IDC_OBJECT_ANONYMOUS_BLOCK, IDC_OBJECT_AUTOCAD_TABLE}, IDC_OBJECT_AUTOCAD_TABLE);
  Show(3);
  test::Type(PageWindow(3), IDC_OTHER_ROTATION, u"12.5");
  sheet_.savePath = temp.File(u"saved.opt");
  sheet_.SaveToFile();
  EXPECT_TRUE(driver_.messageBoxes.empty());
  EXPECT_EQ(sheet_.GetActiveIndex(), 3);

  const std::vector<unsigned char> saved = temp.Read(u"saved.opt");
  CLayerColorPageModel layer;
  CScalePageModel scale;
  CObjectPageModel object;
  COtherPageModel other;
  ASSERT_EQ(COptionsFile::Read(std::vector<uint8_t>(saved.begin(), saved.end()), {layer, scale, object, other}),
            COptionsFile::ReadResult::Ok);
  EXPECT_EQ(object.m_nTableObjOpt, 1);
  EXPECT_EQ(other.m_dRotationDegree, 12.5);
  EXPECT_EQ(other.m_strPicturesFolder, u"C:\\Users\\me\\Documents\\Vellumark Pictures\\");
  EXPECT_EQ(scale.m_dCellExcelPoints, 72);  // the Scale page was made for the file

  // A field that holds no number stops the save with its message; no file is written.
  test::Type(PageWindow(3), IDC_OTHER_ROTATION, u"twelve");
  sheet_.savePath = temp.File(u"refused.opt");
  sheet_.SaveToFile();
  ASSERT_EQ(driver_.messageBoxes.size(), 1u);
  EXPECT_EQ(driver_.messageBoxes[0].text, u"Please enter a number.");
  EXPECT_FALSE(temp.Exists(u"refused.opt"));
}

// The real Template menu and the platform's Save dialog, answered as a user would.
// Answers the file dialog that the Template menu's item at `item` opens: notes its offered name
// and owner, then chooses `path`.
struct FileDialogAnswer {
  std::u16string offeredName;
  HWND owner = nullptr;
};

void ChooseThroughTemplateMenu(UiDriver& driver, HWND sheet, int item, const std::u16string& path,
                               FileDialogAnswer& answer) {
  driver.Then([=] {
    PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(kTemplateButtonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(sheet, kTemplateButtonId)));
    return true;
  });
  driver.Then([=] {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu == nullptr || !IsWindowVisible(menu)) return false;
    for (int i = 0; i <= item; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    return true;
  });
  driver.Then([=, &driver, &answer] {
    HWND dialog = driver.LastDialog();
    if (dialog == nullptr || dialog == sheet) return false;
    HWND name = GetDlgItem(dialog, 0x480);  // the file name field
    if (name == nullptr) name = GetDlgItem(dialog, 0x47c);
    if (name == nullptr) return false;
    answer.offeredName = test::WindowText(name);
    answer.owner = GetWindow(dialog, GW_OWNER);
    SetWindowTextW(name, reinterpret_cast<const wchar_t*>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
  });
}

TEST(OptionsSheetFileDialogs, SaveAndLoadGoThroughTheMenuAndThePlatformsFileDialogs) {
  TestHive hive;
  test::TestShell shell(u"C:\\Users\\me\\Documents");
  TempFolder temp;
  hive.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  COptionsSheet sheet(u"Options");
  ASSERT_TRUE(sheet.Create());
  HWND window = sheet.GetSafeHwnd();
  UiDriver driver;
  FileDialogAnswer save;
  ChooseThroughTemplateMenu(driver, window, 1, temp.File(u"menu"), save);
  driver.Then([&] { return temp.Exists(u"menu.opt"); });
  ASSERT_TRUE(driver.Run());
  EXPECT_EQ(save.offeredName, u"Untitled");
  EXPECT_EQ(save.owner, window);
  const std::vector<unsigned char> saved = temp.Read(u"menu.opt");
  CLayerColorPageModel layer;
  CScalePageModel scale;
  CObjectPageModel object;
  COtherPageModel other;
  EXPECT_EQ(COptionsFile::Read(std::vector<uint8_t>(saved.begin(), saved.end()), {layer, scale, object, other}),
            COptionsFile::ReadResult::Ok);
  EXPECT_EQ(other.m_strPicturesFolder, u"C:\\Users\\me\\Documents\\Vellumark Pictures\\");
  EXPECT_FALSE(hive.Read(kProductPath, u"OptionFileFolder"));  // saving does not move it

  // Loading it back puts the saved rotation into the field again.
  HWND otherPage = sheet.m_otherPage.GetSafeHwnd();
  test::Type(otherPage, IDC_OTHER_ROTATION, u"77");
  UiDriver loading;
  FileDialogAnswer load;
  ChooseThroughTemplateMenu(loading, window, 0, temp.File(u"menu.opt"), load);
  loading.Then([&] { return ItemText(otherPage, IDC_OTHER_ROTATION) == u"0"; });
  EXPECT_TRUE(loading.Run());
  EXPECT_TRUE(load.offeredName.empty());
  EXPECT_EQ(hive.ReadText(kProductPath, u"OptionFileFolder"), temp.Path() + u"\\");
}

// ---- Object & Font Map page --------------------------------------------------------------

// Each ImportObj bit has its own check box; a single bit shows in that box alone.
TEST_F(OptionsSheetTest, ObjectPageShowsImportObjAndStoresItBack) {
  constexpr int kBoxOfBit[] = {IDC_OBJECT_BORDER, IDC_OBJECT_TEXT, IDC_OBJECT_PATTERN, IDC_OBJECT_SHADING,
                               IDC_OBJECT_AUTOSHAPE, IDC_OBJECT_PICTURE, IDC_OBJECT_CHART, IDC_OBJECT_MASK_TEXT,
                               IDC_OBJECT_FORM_CONTROL, IDC_OBJECT_WHITE_BORDER, IDC_OBJECT_WHITE_SHADING};
  std::vector<int32_t> masks = {0, 2047};
  for (int bit = 0; bit < 11; ++bit) masks.push_back(1 << bit);
  for (int32_t mask : masks) {
    SCOPED_TRACE(mask);
    TestHive hive;
    hive.WriteNumber(kProductPath, u"ImportObj", mask);
    hive.WriteNumber(kProductPath, u"ActivePageIndex", 2);
    TestSheet sheet;
    ASSERT_TRUE(sheet.Create());
    HWND page = sheet.m_objectPage.GetSafeHwnd();
    for (int bit = 0; bit < 11; ++bit)
      EXPECT_EQ(CButton(page, kBoxOfBit[bit]).GetCheck(), (mask >> bit) & 1 ? BST_CHECKED : BST_UNCHECKED) << kBoxOfBit[bit];
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_OBJECT_MASK_TEXT)));
    SendMessageW(sheet.GetSafeHwnd(), PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_EQ(hive.ReadNumber(kProductPath, u"ImportObj"), mask);
  }
}

TEST_F(OptionsSheetTest, ChoosingAnAutoCadTableSwapsTheBoxesAndTellsTheOtherPages) {
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 2);
  Open();
  for (int id : kImportBoxes) EXPECT_TRUE(Visible(2, id)) << id;
  for (int id : kTableBoxes) EXPECT_FALSE(Visible(2, id)) << id;
  EXPECT_EQ(sheet_.m_otherPage.m_model.m_nInsertionPointEnabled, 1);

  ClickRadio(2, {IDC_OBJECT_ANONYMOUS_BLOCK, IDC_OBJECT_AUTOCAD_TABLE}, IDC_OBJECT_AUTOCAD_TABLE);
  for (int id : kImportBoxes) EXPECT_FALSE(Visible(2, id)) << id;
  for (int id : kTableBoxes) EXPECT_TRUE(Visible(2, id)) << id;
  for (int id : {IDC_OBJECT_POLYLINE, IDC_OBJECT_LINE, IDC_OBJECT_AUTOCAD_FONT, IDC_OBJECT_EXCEL_FONT,
                 IDC_OBJECT_TEXT_OBJECT}) EXPECT_FALSE(Enabled(2, id)) << id;
  EXPECT_EQ(sheet_.m_otherPage.m_model.m_nInsertionPointEnabled, 0);
  Show(3);
  EXPECT_FALSE(Enabled(3, IDC_OTHER_INSERTION_POINT));

  Show(2);
  ClickRadio(2, {IDC_OBJECT_ANONYMOUS_BLOCK, IDC_OBJECT_AUTOCAD_TABLE}, IDC_OBJECT_ANONYMOUS_BLOCK);
  for (int id : {IDC_OBJECT_POLYLINE, IDC_OBJECT_LINE, IDC_OBJECT_AUTOCAD_FONT,
                 IDC_OBJECT_EXCEL_FONT}) EXPECT_TRUE(Enabled(2, id)) << id;
  EXPECT_FALSE(Enabled(2, IDC_OBJECT_TEXT_OBJECT));  // Excel Font is the default
  EXPECT_EQ(sheet_.m_otherPage.m_model.m_nInsertionPointEnabled, 1);
  Press(PSBTN_OK);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"TableObjOpt"), 0);
}

TEST_F(OptionsSheetTest, ObjectPageRulesThroughItsControls) {
  hive_.WriteNumber(kCurrentOptionsPath, u"TableObjOpt", 1);
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 2);
  hive_.WriteNumber(kProductPath, u"FuncState", 1);
  Open(1);
  // The current set is an AutoCAD table whatever the product key holds.
  EXPECT_TRUE(Checked(2, IDC_OBJECT_AUTOCAD_TABLE));
  EXPECT_TRUE(Visible(2, IDC_OBJECT_HAS_TITLE_ROW));
  ClickRadio(2, {IDC_OBJECT_ANONYMOUS_BLOCK, IDC_OBJECT_AUTOCAD_TABLE}, IDC_OBJECT_ANONYMOUS_BLOCK);

  // Font: the Text Object list follows AutoCAD Font.
  EXPECT_FALSE(Enabled(2, IDC_OBJECT_TEXT_OBJECT));
  ClickRadio(2, {IDC_OBJECT_AUTOCAD_FONT, IDC_OBJECT_EXCEL_FONT}, IDC_OBJECT_AUTOCAD_FONT);
  EXPECT_TRUE(Enabled(2, IDC_OBJECT_TEXT_OBJECT));

  // Border and Shading take their White companions with them, and give them back clear.
  ClickBox(2, IDC_OBJECT_WHITE_BORDER);
  EXPECT_TRUE(Checked(2, IDC_OBJECT_WHITE_BORDER));
  ClickBox(2, IDC_OBJECT_BORDER);
  EXPECT_FALSE(Checked(2, IDC_OBJECT_WHITE_BORDER));
  EXPECT_FALSE(Enabled(2, IDC_OBJECT_WHITE_BORDER));
  ClickBox(2, IDC_OBJECT_BORDER);
  EXPECT_TRUE(Enabled(2, IDC_OBJECT_WHITE_BORDER));
  EXPECT_FALSE(Checked(2, IDC_OBJECT_WHITE_BORDER));
  ClickBox(2, IDC_OBJECT_WHITE_SHADING);
  ClickBox(2, IDC_OBJECT_SHADING);
  EXPECT_FALSE(Checked(2, IDC_OBJECT_WHITE_SHADING));
  EXPECT_FALSE(Enabled(2, IDC_OBJECT_WHITE_SHADING));

  Press(PSBTN_OK);
  EXPECT_EQ(hive_.ReadNumber(kCurrentOptionsPath, u"UseFontOpt"), 0);
  EXPECT_EQ(hive_.ReadNumber(kCurrentOptionsPath, u"ImportObj"), 127 & ~0x8);
  EXPECT_FALSE(hive_.Read(kProductPath, u"ImportObj"));
}

// ---- Other page --------------------------------------------------------------------------

TEST_F(OptionsSheetTest, OtherPageLineSpacingThroughItsControls) {
  struct Case {
    std::u16string stored;
    bool clickParagraph;
    std::u16string typed;  // empty: left as shown
    std::u16string shown, storedBack;
  };
  const Case cases[] = {
      {u"-1.16", false, u"", u"1.16", u"-1.16"},
      {u"2", true, u"", u"2", u"-2"},
      {u"2", false, u"0.3", u"2", u"1.16"},
      {u"2", false, u"5", u"2", u"1.16"},
      {u"2", true, u"0.3", u"2", u"-1.16"},
      {u"text", true, u"", u"text", u"1.16"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stored.begin(), c.stored.end()));
    TestHive hive;
    hive.WriteNumber(kProductPath, u"ActivePageIndex", 3);
    hive.WriteText(kProductPath, u"LineSpacing", c.stored);
    TestSheet sheet;
    ASSERT_TRUE(sheet.Create());
    HWND page = sheet.m_otherPage.GetSafeHwnd();
    const bool paragraph = c.stored[0] != u'-' && c.stored != u"text";
    EXPECT_EQ(CButton(page, IDC_OTHER_PARAGRAPH).GetCheck(), paragraph ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_EQ(ItemText(page, IDC_OTHER_LINE_SPACING), c.shown);
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(page, IDC_OTHER_LINE_SPACING)) != FALSE, paragraph);
    if (c.clickParagraph) {
      CButton box(page, IDC_OTHER_PARAGRAPH);
      box.SetCheck(box.GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      test::Click(page, IDC_OTHER_PARAGRAPH);
      EXPECT_EQ(IsWindowEnabled(GetDlgItem(page, IDC_OTHER_LINE_SPACING)) != FALSE, !paragraph);
    }
    if (!c.typed.empty()) test::Type(page, IDC_OTHER_LINE_SPACING, c.typed);
    SendMessageW(sheet.GetSafeHwnd(), PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_EQ(hive.ReadText(kProductPath, u"LineSpacing"), c.storedBack);
  }
}

TEST_F(OptionsSheetTest, OtherPageListsFieldsAndWhatMarksItModified) {
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  hive_.WriteNumber(kProductPath, u"FuncState", 2);
  hive_.WriteNumber(kProductPath, u"LinkPathType", 1);
  hive_.WriteNumber(kProductPath, u"InsertionPointType", 2);
  hive_.WriteText(kProductPath, u"RotationDegree", u"15");
  Open(2);
  HWND page = PageWindow(3);
  CComboBox linkPath(page, IDC_OTHER_LINK_PATH_TYPE), insertion(page, IDC_OTHER_INSERTION_POINT);
  ASSERT_EQ(linkPath.GetCount(), 3);
  EXPECT_EQ(linkPath.GetLBText(2), u"No path");
  ASSERT_EQ(insertion.GetCount(), 4);
  EXPECT_EQ(insertion.GetLBText(3), u"Right Bottom");
  EXPECT_EQ(linkPath.GetCurSel(), 1);
  EXPECT_EQ(insertion.GetCurSel(), 2);
  EXPECT_FALSE(Visible(3, IDC_OTHER_INSERTION_POINT));
  EXPECT_FALSE(Visible(3, IDC_OTHER_EMBED_WORKBOOK));  // FuncState 2 hides Embed Workbook
  EXPECT_EQ(ItemText(page, IDC_OTHER_ROTATION), u"15");
  EXPECT_EQ(ItemText(page, IDC_OTHER_PICTURES_FOLDER), u"C:\\Users\\me\\Documents\\Vellumark Pictures\\");
  EXPECT_EQ(ItemText(page, IDC_OTHER_SHIFT_CHAR), u"gjqpy");
  EXPECT_FALSE(Enabled(3, IDC_OTHER_SHIFT_CHAR));  // Offset Decenders is clear

  EXPECT_FALSE(sheet_.m_otherPage.IsModified());
  for (int id : {IDC_OTHER_ONLY_PRINT_AREA, IDC_OTHER_USE_RANGE_NAME, IDC_OTHER_EMBED_WORKBOOK,
                 IDC_OTHER_PARAGRAPH}) ClickBox(3, id);
  test::Type(page, IDC_OTHER_LINE_SPACING, u"1.5");
  EXPECT_FALSE(sheet_.m_otherPage.IsModified());
  ClickBox(3, IDC_OTHER_OFFSET_DECENDERS);
  EXPECT_TRUE(Enabled(3, IDC_OTHER_SHIFT_CHAR));
  EXPECT_FALSE(sheet_.m_otherPage.IsModified());
  test::Type(page, IDC_OTHER_SHIFT_CHAR, u"  jq ");
  EXPECT_TRUE(sheet_.m_otherPage.IsModified());
  EXPECT_TRUE(ApplyEnabled());

  Press(PSBTN_OK);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"EmbedWorkbook"), 1);  // hidden, stored all the same
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"OnlyPrintArea"), 1);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"LineSpacing"), u"1.5");
  EXPECT_EQ(hive_.ReadText(kProductPath, u"ShiftChar"), u"jq");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"InsertionPointType"), 2);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"PicturesFolder"), u"C:\\Users\\me\\Documents\\Vellumark Pictures\\");
}

TEST_F(OptionsSheetTest, APicturesFolderThatCannotBeMadeIsReportedAndOkStillCloses) {
  TempFolder temp;
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  hive_.WriteText(kProductPath, u"CurDrawingFolder", temp.File(u"gone"));
  Open();
  test::Type(PageWindow(3), IDC_OTHER_PICTURES_FOLDER, u"Pictures");
  test::Type(PageWindow(3), IDC_OTHER_ROTATION, u"30");
  Press(PSBTN_OK);
  EXPECT_TRUE(sheet_.IsEnded());
  ASSERT_EQ(driver_.messageBoxes.size(), 1u);
  EXPECT_EQ(driver_.messageBoxes[0].text, u"Failed to create " + temp.File(u"gone") + u"\\Pictures");
  EXPECT_FALSE(hive_.Read(kProductPath, u"RotationDegree"));
  EXPECT_EQ(hive_.ReadText(kProductPath, u"BorderLayer"), u"*");  // the other made page stored
}

TEST_F(OptionsSheetTest, PagesCarryTheirCaptionsInEitherLanguageWithEnglishListItems) {
  struct Caption {
    int position, id;
    std::u16string english, japanese;
  };
  const Caption captions[] = {
      {2, IDC_OBJECT_ANONYMOUS_BLOCK, u"Anonymous Block", u"\u7121\u540d \u30d6\u30ed\u30c3\u30af"},
      {2, IDC_OBJECT_AUTOCAD_TABLE, u"AutoCAD Table", u"AutoCAD \u8868"},
      {2, IDC_OBJECT_LINE, u"Line", u"\u7dda\u5206"},
      {2, IDC_OBJECT_EXCEL_FONT, u"Excel Font", u"Excel\u306e\u30d5\u30a9\u30f3\u30c8"},
      {2, IDC_OBJECT_SHADING, u"Shading", u"\u30b7\u30a7\u30fc\u30c7\u30a3\u30f3\u30b0"},
      {2, IDC_OBJECT_WHITE_SHADING, u"White Shading", u"\u767d\u3044\u30b7\u30a7\u30fc\u30c7\u30a3\u30f3\u30b0"},
      {2, IDC_OBJECT_FORM_CONTROL, u"Form Control", u"Form Control"},
      {2, IDC_OBJECT_APPLY_TEXT_ALIGN, u"Apply Table Style's Text Alignment", u"Apply Table Style's Text Alignment"},
      {3, IDC_OTHER_OFFSET_DECENDERS, u"Offset Decenders:", u"\u5e73\u884c\u79fb\u52d5\u306e\u6587\u5b57:"},
      {3, IDC_OTHER_ONLY_PRINT_AREA, u"Import the print area only",
       u"\u5370\u5237\u533a\u57df\u3060\u3051\u30a4\u30f3\u30dd\u30fc\u30c8\u3057\u307e\u3059\u3002"},
      {3, IDC_OTHER_EMBED_WORKBOOK, u"Embed Workbook", u"\u30d6\u30c3\u30af\u3092\u57cb\u3081\u8fbc\u3080\u3002"},
      {3, IDC_OTHER_PARAGRAPH, u"Paragraph", u"\u6bb5\u843d"},
      {3, IDC_OTHER_BROWSE, u"...", u"..."},
  };
  for (LANGID language : {kLangEnglish, kLangJapanese}) {
    SCOPED_TRACE(language);
    TestSheet sheet;
    sheet.SetLanguage(language);
    ASSERT_TRUE(sheet.Create());
    sheet.SetActivePage(2);
    sheet.SetActivePage(3);
    for (const Caption& c : captions)
      EXPECT_EQ(ItemText(sheet.GetPage(c.position)->GetSafeHwnd(), c.id), language == kLangEnglish ? c.english : c.japanese)
          << c.id;
    // Every control lies inside its page, and no two shown controls (group boxes aside) overlap.
    for (HWND page : {sheet.m_objectPage.GetSafeHwnd(), sheet.m_otherPage.GetSafeHwnd()}) {
      RECT client{};
      GetClientRect(page, &client);
      std::vector<std::pair<int, RECT>> shown;
      for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
            << GetDlgCtrlID(child);
        const bool groupBox = (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                              GetDlgCtrlID(child) == 0xFFFF;
        if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) && !groupBox) shown.push_back({GetDlgCtrlID(child), r});
      }
      for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j) {
          RECT both{};
          RECT a = shown[i].second, b = shown[j].second;
          EXPECT_FALSE(IntersectRect(&both, &a, &b)) << shown[i].first << " and " << shown[j].first;
        }
    }
    EXPECT_EQ(CComboBox(sheet.m_objectPage.GetSafeHwnd(), IDC_OBJECT_TEXT_OBJECT).GetLBText(0), u"MText");
    EXPECT_EQ(CComboBox(sheet.m_otherPage.GetSafeHwnd(), IDC_OTHER_LINK_PATH_TYPE).GetLBText(1), u"Relative path");
    EXPECT_EQ(CComboBox(sheet.m_otherPage.GetSafeHwnd(), IDC_OTHER_INSERTION_POINT).GetLBText(0), u"Left Top");
  }
}

TEST_F(OptionsSheetTest, BrowsingForThePicturesFolderFillsItsField) {
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  Open();
  const std::u16string before = ItemText(PageWindow(3), IDC_OTHER_PICTURES_FOLDER);
  for (int answer : {IDCANCEL, IDOK}) {
    SCOPED_TRACE(answer);
    UiDriver driver;
    std::u16string title;
    driver.Then([&] {
      PostMessageW(PageWindow(3), WM_COMMAND, MAKEWPARAM(IDC_OTHER_BROWSE, BN_CLICKED), 0);
      return true;
    });
    driver.Then([&] {
      HWND browser = driver.LastDialog();
      if (browser == nullptr || browser == Sheet() || FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr) == nullptr)
        return false;
      for (HWND child = GetWindow(browser, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (test::WindowText(child) == u"Pick a Directory") title = u"Pick a Directory";
      EXPECT_EQ(GetWindow(browser, GW_OWNER), Sheet());  // the page's top-level window
      PostMessageW(browser, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
      return true;
    });
    ASSERT_TRUE(driver.Run());
    // Let the browser's loop end and the page hear of the answer.
    for (int i = 0; i < 20; ++i) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      Sleep(10);
    }
    EXPECT_EQ(title, u"Pick a Directory");
    if (answer == IDCANCEL) {
      EXPECT_EQ(ItemText(PageWindow(3), IDC_OTHER_PICTURES_FOLDER), before);
      EXPECT_FALSE(sheet_.m_otherPage.IsModified());
    } else {
      EXPECT_NE(ItemText(PageWindow(3), IDC_OTHER_PICTURES_FOLDER), before);
      EXPECT_FALSE(ItemText(PageWindow(3), IDC_OTHER_PICTURES_FOLDER).empty());
      EXPECT_TRUE(sheet_.m_otherPage.IsModified());
    }
  }
}

// ---- modal -------------------------------------------------------------------------------

TEST_F(OptionsSheetTest, RunsModallyLikeTheOptionsCommandShowsIt) {
  hive_.WriteNumber(kProductPath, u"ActivePageIndex", 3);
  COptionsSheet sheet(u"Current Vellumark Options");
  sheet.m_nFuncState = 1;
  std::u16string caption;
  driver_.Then([&] {
    HWND window = driver_.LastDialog();
    if (window == nullptr || sheet.m_otherPage.GetSafeHwnd() == nullptr) return false;
    caption = test::WindowText(window);
    test::Type(sheet.m_otherPage.GetSafeHwnd(), IDC_OTHER_ROTATION, u"33");
    PostMessageW(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
    return true;
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_FALSE(driver_.TimedOut());
  EXPECT_EQ(caption, u"Current Vellumark Options");
  EXPECT_EQ(hive_.ReadText(kCurrentOptionsPath, u"RotationDegree"), u"33");
  EXPECT_FALSE(hive_.Read(kProductPath, u"RotationDegree"));
}

}  // namespace
}  // namespace vk

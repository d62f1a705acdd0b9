// The Layer & Color and Scale pages in the Options sheet, through their real controls under
// Wine: what they show from the registry and the CAD state block, their rules, what marks them
// modified, what OK stores and the messages that refuse it, and the size dialogs they open.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <initializer_list>
#include <string>
#include <vector>

#include "options_ui/font_sizes_dialog.h"
#include "options_ui/layer_color_page.h"
#include "options_ui/options_sheet.h"
#include "options_ui/scale_page.h"
#include "options_ui/table_size_dialog.h"
#include "settings/cad_state_block.h"
#include "settings/win32/win32_cad_state_source.h"
#include "test_hive.h"
#include "ui/user_messages.h"
#include "ui/win32/controls.h"
#include "automation/win32/win32_text.h"
#include "win32/published_cad_state.h"
#include "win32/ui_driver.h"

namespace vk {
namespace {

using test::ItemText;
using test::kCurrentOptionsPath;
using test::kProductPath;
using test::TestHive;
using test::UiDriver;
using Texts = std::vector<std::u16string>;

constexpr int kLayerPage = 0, kScalePage = 1;
constexpr int kLayerLists[] = {kBorderLayerId, kTextLayerId, kShapeLayerId, kImageLayerId, kFillLayerId};
constexpr int kPickers[] = {kThinColourId, kThickColourId, kRegularColourId, kBoldColourId};

Texts ListItems(HWND page, int id) {
  CComboBox list(page, id);
  Texts items;
  for (int n = 0; n < list.GetCount(); ++n) items.push_back(list.GetLBText(n));
  return items;
}

// The sheet opened modeless on a fresh profile, with the CAD state block read from a mapping of
// this test's own (publish before opening).
class OptionsPagesTest : public testing::Test {
 protected:
  void Publish(const std::u16string& text) { published_ = std::make_unique<test::PublishedCadState>(cadStateName_, text); }
  void Open(int page = kLayerPage, int32_t funcState = 0, LANGID language = kLangEnglish) {
    hive_.WriteNumber(kProductPath, u"ActivePageIndex", page);
    sheet_.m_nFuncState = funcState;
    sheet_.SetLanguage(language);
    sheet_.m_layerColorPage.SetCadStateSource(&cadState_);
    ASSERT_TRUE(sheet_.Create());
  }
  HWND Page(int position) const { return sheet_.GetPage(position)->GetSafeHwnd(); }
  void Press(int button) { SendMessageW(sheet_.GetSafeHwnd(), PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }
  bool Enabled(int position, int id) const { return IsWindowEnabled(GetDlgItem(Page(position), id)) != FALSE; }
  bool Checked(int position, int id) const { return CButton(Page(position), id).GetCheck() == BST_CHECKED; }
  void ClickRadio(int position, std::initializer_list<int> group, int id) {
    for (int member : group) CButton(Page(position), member).SetCheck(member == id ? BST_CHECKED : BST_UNCHECKED);
    test::Click(Page(position), id);
  }
  void ClickBox(int position, int id) {
    CButton box(Page(position), id);
    box.SetCheck(box.GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    test::Click(Page(position), id);
  }
  // Types into the edit field of a drop-down combo box, as the user does: the box tells the page.
  void TypeLayer(int id, const std::u16string& text) {
    HWND edit = FindWindowExW(GetDlgItem(Page(kLayerPage), id), nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (char16_t c : text) SendMessageW(edit, WM_CHAR, c, 0);
  }

  TestHive hive_;
  UiDriver driver_;
  const std::u16string cadStateName_ = test::UniqueCadStateName("pages");
  std::unique_ptr<test::PublishedCadState> published_;
  CWin32CadStateSource cadState_{cadStateName_};
  COptionsSheet sheet_{u"Options"};
};

// ---- Layer & Color --------------------------------------------------------------------------

TEST_F(OptionsPagesTest, LayerListsAndPalettesComeFromTheCadStateBlock) {
  const std::u16string longName = u"A layer name far wider than the list itself";
  Publish(std::u16string(kCadLayerListMarker) + u"|0|*Walls||Doors|\n" + kCadLayerListMarker + u" \u58C1|" + longName +
          u"\n" + kCadPaletteMarker + u"|255|65280|16711680");
  hive_.WriteNumber(kProductPath, u"ThinColorIndex", 8);
  Open();
  HWND page = Page(kLayerPage);
  const Texts layers = ListItems(page, kBorderLayerId);
  EXPECT_EQ(layers.size(), 5u);
  EXPECT_TRUE(std::is_sorted(layers.begin(), layers.end(), [](const auto& a, const auto& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, W(a), -1, W(b), -1) == CSTR_LESS_THAN;
  }));
  for (const char16_t* name : {u"0", u"Walls", u"Doors", u"\u58C1"})
    EXPECT_NE(std::find(layers.begin(), layers.end(), name), layers.end()) << std::string(name, name + 1);
  for (int id : kLayerLists) EXPECT_EQ(ListItems(page, id), layers) << id;

  // Dropped down, every list is as wide as the Border list's widest name needs.
  CComboBox border(page, kBorderLayerId);
  HDC dc = GetDC(border.GetSafeHwnd());
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(border.Send(WM_GETFONT)));
  SIZE size{};
  GetTextExtentPoint32W(dc, W(longName), static_cast<int>(longName.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(border.GetSafeHwnd(), dc);
  const int expected = size.cx + metrics.tmAveCharWidth + GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE);
  for (int id : kLayerLists) EXPECT_EQ(CComboBox(page, id).GetDroppedWidth(), expected) << id;

  for (int id : kPickers) {
    CColourPickerCB picker;
    picker.Attach(page, id);
    EXPECT_EQ(picker.GetCount(), 257);
    EXPECT_EQ(picker.GetItem(1), (ColourEntry{u"1", RGB(0, 255, 0)}));
    EXPECT_EQ(picker.GetItem(3), (ColourEntry{u"", 0}));
  }
  // A stored 8 is position 7: in a published palette the item "7".
  EXPECT_EQ(CComboBox(page, kThinColourId).GetCurSel(), 7);
  EXPECT_EQ(CComboBox(page, kThickColourId).GetCurSel(), 0);
}

TEST_F(OptionsPagesTest, WithoutACadSideTheListsAreEmptyAndThePickersHoldTheDefaultTable) {
  hive_.WriteNumber(kProductPath, u"ThinColorIndex", 5);
  hive_.WriteNumber(kProductPath, u"BoldColorIndex", 8);
  hive_.WriteText(kProductPath, u"BorderLayer", u"*");
  hive_.WriteText(kProductPath, u"TextLayer", u"Te*xt");
  hive_.WriteText(kProductPath, u"AutoShapeLayer", u"Not listed");
  Open();
  HWND page = Page(kLayerPage);
  for (int id : kLayerLists) EXPECT_EQ(CComboBox(page, id).GetCount(), 0) << id;
  EXPECT_EQ(ItemText(page, kBorderLayerId), u"");
  EXPECT_EQ(ItemText(page, kTextLayerId), u"");
  EXPECT_EQ(ItemText(page, kShapeLayerId), u"Not listed");
  CColourPickerCB thin, bold;
  thin.Attach(page, kThinColourId);
  bold.Attach(page, kBoldColourId);
  EXPECT_EQ(thin.GetCount(), 256);
  EXPECT_EQ(thin.GetItem(thin.GetCurSel()).name, u"Blue");
  EXPECT_EQ(bold.GetItem(bold.GetCurSel()).name, u"8");

  // OK stores what the page shows: an empty layer as "*", colours as positions plus 1.
  Press(PSBTN_OK);
  EXPECT_TRUE(sheet_.IsEnded());
  EXPECT_EQ(hive_.ReadText(kProductPath, u"BorderLayer"), u"*");
  EXPECT_EQ(hive_.ReadText(kProductPath, u"TextLayer"), u"*");
  EXPECT_EQ(hive_.ReadText(kProductPath, u"AutoShapeLayer"), u"Not listed");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ThinColorIndex"), 5);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ThickColorIndex"), 1);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"BoldColorIndex"), 8);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"LineClrOpt"), 1);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ActivePageIndex"), 0);
}

TEST_F(OptionsPagesTest, ColourRulesEnableThePickersOfTheThirdChoice) {
  hive_.WriteNumber(kProductPath, u"LineClrOpt", 0);
  hive_.WriteNumber(kProductPath, u"TextClrOpt", 2);
  Open();
  EXPECT_TRUE(Checked(kLayerPage, kLineByLayerId));
  EXPECT_TRUE(Checked(kLayerPage, kTextByStyleId));
  EXPECT_FALSE(Enabled(kLayerPage, kThinColourId));
  EXPECT_FALSE(Enabled(kLayerPage, kThickColourId));
  EXPECT_TRUE(Enabled(kLayerPage, kRegularColourId));
  EXPECT_TRUE(Enabled(kLayerPage, kBoldColourId));
  EXPECT_TRUE(sheet_.m_layerColorPage.IsModified());  // the rules ran on opening

  ClickRadio(kLayerPage, {kLineByLayerId, kLineAciId, kLineByWeightId}, kLineByWeightId);
  ClickRadio(kLayerPage, {kTextByLayerId, kTextAciId, kTextByStyleId}, kTextAciId);
  EXPECT_TRUE(Enabled(kLayerPage, kThinColourId));
  EXPECT_TRUE(Enabled(kLayerPage, kThickColourId));
  EXPECT_FALSE(Enabled(kLayerPage, kRegularColourId));
  EXPECT_FALSE(Enabled(kLayerPage, kBoldColourId));
  Press(PSBTN_OK);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"LineClrOpt"), 2);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"TextClrOpt"), 1);
}

TEST_F(OptionsPagesTest, WhatMarksTheLayerPageModified) {
  Publish(std::u16string(kCadLayerListMarker) + u"|0|Walls");
  Open();
  HWND page = Page(kLayerPage);
  CLayerColorPage& layer = sheet_.m_layerColorPage;
  struct Case {
    const char* what;
    std::function<void()> act;
    bool marks;
  };
  const Case cases[] = {
      {"thin colour", [&] { test::Choose(page, kThinColourId, 3); }, true},
      {"bold colour", [&] { test::Choose(page, kBoldColourId, 3); }, true},
      {"border list", [&] { test::Choose(page, kBorderLayerId, 1); }, true},
      {"image list", [&] { test::Choose(page, kImageLayerId, 1); }, true},
      {"text typed", [&] { TypeLayer(kTextLayerId, u"Typed"); }, true},
      {"shape typed", [&] { TypeLayer(kShapeLayerId, u"Typed"); }, true},
      {"fill list", [&] { test::Choose(page, kFillLayerId, 1); }, false},
      {"fill typed", [&] { TypeLayer(kFillLayerId, u"Typed"); }, false},
      {"fill by layer", [&] { ClickBox(kLayerPage, kFillColorByLayerId); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    layer.SetModified(false);
    c.act();
    EXPECT_EQ(layer.IsModified(), c.marks);
  }
  // Stored on OK all the same.
  Press(PSBTN_OK);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"FillLayer"), u"Typed");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"FillColorByLayer"), 1);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"TextLayer"), u"Typed");
  EXPECT_EQ(hive_.ReadText(kProductPath, u"BorderLayer"), u"Walls");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ThinColorIndex"), 4);
}

TEST_F(OptionsPagesTest, ATableRelabelsTheLayerPageInEnglishInEitherLanguage) {
  for (LANGID language : {kLangEnglish, kLangJapanese}) {
    SCOPED_TRACE(language);
    TestHive hive;
    hive.WriteNumber(kProductPath, u"TableObjOpt", 1);
    COptionsSheet sheet(u"Options");
    sheet.SetLanguage(language);
    ASSERT_TRUE(sheet.Create());
    HWND page = sheet.m_layerColorPage.GetSafeHwnd();
    EXPECT_EQ(ItemText(page, kFillColorByLayerId), u"Apply Table Style's Fill Color");
    EXPECT_EQ(ItemText(page, kLineByLayerId), u"Table Style");
    EXPECT_EQ(ItemText(page, kTextByLayerId), u"Table Style");
    for (int id : kLayerLists) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, id))) << id;

    // Choosing an anonymous block on the Object & Font Map page turns them back.
    ASSERT_TRUE(sheet.SetActivePage(2));
    HWND object = sheet.m_objectPage.GetSafeHwnd();
    CButton(object, 1002).SetCheck(BST_UNCHECKED);
    CButton(object, 1000).SetCheck(BST_CHECKED);
    test::Click(object, 1000);
    EXPECT_EQ(ItemText(page, kFillColorByLayerId), u"Fill Color By Layer");
    EXPECT_EQ(ItemText(page, kLineByLayerId), u"By Layer");
    EXPECT_EQ(ItemText(page, kTextByLayerId), u"By Layer");
    for (int id : kLayerLists) EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, id))) << id;
  }
}

TEST_F(OptionsPagesTest, AnInvalidLayerNameIsReportedTheSheetClosesAndOnlyThatPageStoresNothing) {
  hive_.WriteText(kProductPath, u"TextLayer", u"Old");
  Open(kScalePage);
  TypeLayer(kTextLayerId, u"Walls, north");
  test::Type(Page(kScalePage), kCellExcelPointsId, u"36");
  Press(PSBTN_OK);
  EXPECT_TRUE(sheet_.IsEnded());
  ASSERT_EQ(driver_.messageBoxes.size(), 1u);
  EXPECT_EQ(driver_.messageBoxes[0].text,
            u"Invalid characters in layer name.\n\nThe following characters are not valid in layer names:\n<>/\":?*|,=`");
  EXPECT_EQ(driver_.messageBoxes[0].caption, MessageCaption());
  EXPECT_EQ(hive_.ReadText(kProductPath, u"TextLayer"), u"Old");
  EXPECT_FALSE(hive_.Read(kProductPath, u"LineClrOpt"));
  EXPECT_EQ(hive_.ReadText(kProductPath, u"CellExcelPoints"), u"36");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ActivePageIndex"), kScalePage);
}

// Every control lies inside its window, and no two shown controls (group boxes aside) overlap.
void ExpectLaidOut(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  std::vector<std::pair<int, RECT>> shown;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom) << GetDlgCtrlID(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const bool groupBox = (style & BS_TYPEMASK) == BS_GROUPBOX && GetDlgCtrlID(child) == 0xFFFF;
    if ((style & WS_VISIBLE) && !groupBox) shown.push_back({GetDlgCtrlID(child), r});
  }
  for (size_t i = 0; i < shown.size(); ++i)
    for (size_t j = i + 1; j < shown.size(); ++j) {
      RECT both{};
      EXPECT_FALSE(IntersectRect(&both, &shown[i].second, &shown[j].second)) << shown[i].first << " and " << shown[j].first;
    }
}

// ---- both languages -------------------------------------------------------------------------

TEST_F(OptionsPagesTest, EveryControlInPlaceInEitherLanguage) {
  const int layerIds[] = {kBorderLayerId, kTextLayerId, kShapeLayerId, kImageLayerId, kFillLayerId, kFillColorByLayerId,
                          kLineByLayerId, kLineAciId, kLineByWeightId, kTextByLayerId, kTextAciId, kTextByStyleId,
                          kThinColourId, kThickColourId, kRegularColourId, kBoldColourId};
  const int scaleIds[] = {kCellAutofitId, kCellScaleId, kCellScaleListId, kCellDrawingUnitsId, kCellExcelPointsId,
                          kDefineCellSizesId, kCellSizesButtonId, kFontAutofitId, kFontScaleId, kFontScaleListId,
                          kFontDrawingUnitsId, kFontExcelPointsId, kDefineFontSizesId, kFontSizesButtonId};
  struct Case {
    LANGID language;
    const char16_t* layerCaption;  // of the third border colour choice
    const char16_t* scaleCaption;  // of "Autofit cell to font height"
  };
  for (const Case& c : {Case{kLangEnglish, u"By Border Lineweight", u"Autofit cell to font height"},
                        Case{kLangJapanese, u"\u7dda\u306e\u592a\u3055\u306b\u3088\u3063\u3066",
                             u"\u30d5\u30a9\u30f3\u30c8\u306e\u9ad8\u3055\u306b\u30bb\u30eb\u3092\u81ea\u52d5\u8abf\u6574"}}) {
    SCOPED_TRACE(c.language);
    TestHive hive;
    COptionsSheet sheet(u"Options");
    sheet.SetLanguage(c.language);
    ASSERT_TRUE(sheet.Create());
    ASSERT_TRUE(sheet.SetActivePage(kScalePage));
    HWND layer = sheet.m_layerColorPage.GetSafeHwnd(), scale = sheet.m_scalePage.GetSafeHwnd();
    for (int id : layerIds) EXPECT_NE(GetDlgItem(layer, id), nullptr) << id;
    for (int id : scaleIds) EXPECT_NE(GetDlgItem(scale, id), nullptr) << id;
    EXPECT_EQ(ItemText(layer, kLineByWeightId), c.layerCaption);
    EXPECT_EQ(ItemText(scale, kCellAutofitId), c.scaleCaption);
    EXPECT_EQ(CComboBox(layer, kBoldColourId).GetCount(), 256);
    EXPECT_EQ(CComboBox(scale, kFontScaleListId).GetCount(), 32);
    ExpectLaidOut(layer);
    ExpectLaidOut(scale);
  }
  // The size dialogs, English only.
  CTableSizeDialog widths(0);
  ASSERT_TRUE(widths.Create());
  ExpectLaidOut(widths.GetSafeHwnd());
  CFontSizesDialog sizes(0);
  ASSERT_TRUE(sizes.Create());
  ExpectLaidOut(sizes.GetSafeHwnd());
}

// ---- Scale ----------------------------------------------------------------------------------

TEST_F(OptionsPagesTest, ScalePageShowsTheStoredScalesAndBothPresetLists) {
  hive_.WriteNumber(kProductPath, u"CellScaleIndex", 40);
  hive_.WriteNumber(kProductPath, u"FontScaleIndex", 17);
  hive_.WriteText(kProductPath, u"FontExcelPoints", u"0.333333333333333333");
  Open(kScalePage);
  HWND page = Page(kScalePage);
  for (int id : {kCellScaleListId, kFontScaleListId}) {
    const Texts items = ListItems(page, id);
    ASSERT_EQ(items.size(), 32u);
    EXPECT_EQ(items[0], u"Custom");
    EXPECT_EQ(items[12], u"2:1");
    EXPECT_EQ(items[17], u"1/128\" = 1'0\"");
    EXPECT_EQ(items[31], u"1'0\" = 1'0\"");
    for (int n = 0; n < 32; ++n) EXPECT_EQ(CComboBox(page, id).GetItemData(n), n);
  }
  EXPECT_TRUE(Checked(kScalePage, kCellScaleId));
  EXPECT_TRUE(Checked(kScalePage, kFontAutofitId));
  EXPECT_EQ(ItemText(page, kCellDrawingUnitsId), u"1");
  EXPECT_EQ(ItemText(page, kCellExcelPointsId), u"72");
  EXPECT_EQ(ItemText(page, kFontExcelPointsId), u"0.333333333333333");
  EXPECT_EQ(CComboBox(page, kCellScaleListId).GetCurSel(), -1);  // 40 is beyond the list
  EXPECT_EQ(CComboBox(page, kFontScaleListId).GetCurSel(), 17);

  test::Type(page, kFontExcelPointsId, u"72");
  Press(PSBTN_OK);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"CellScaleIndex"), 1);  // no selection is stored as 1
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"ActivePageIndex"), kScalePage);
}

TEST_F(OptionsPagesTest, CellAndTextHeightRules) {
  hive_.WriteNumber(kProductPath, u"CellScaleOpt", 0);
  hive_.WriteNumber(kProductPath, u"FontScaleOpt", 1);
  hive_.WriteNumber(kProductPath, u"DefineCellWidthsHeights", 1);
  hive_.WriteNumber(kProductPath, u"DefineFontSizes", 1);
  Open(kScalePage);
  for (int id : {kCellScaleListId, kCellDrawingUnitsId, kCellExcelPointsId, kDefineCellSizesId, kFontAutofitId})
    EXPECT_FALSE(Enabled(kScalePage, id)) << id;
  EXPECT_TRUE(Enabled(kScalePage, kCellSizesButtonId));  // the sizes stay reachable
  for (int id : {kFontScaleListId, kFontDrawingUnitsId, kFontExcelPointsId, kDefineFontSizesId, kFontSizesButtonId,
                 kCellAutofitId})
    EXPECT_TRUE(Enabled(kScalePage, id)) << id;

  // Autofitting the text clears "Set the text heights." but the cell rule leaves its own box.
  ClickRadio(kScalePage, {kCellAutofitId, kCellScaleId}, kCellScaleId);
  ClickRadio(kScalePage, {kFontAutofitId, kFontScaleId}, kFontAutofitId);
  EXPECT_FALSE(Checked(kScalePage, kDefineFontSizesId));
  EXPECT_FALSE(Enabled(kScalePage, kFontSizesButtonId));
  EXPECT_FALSE(Enabled(kScalePage, kDefineFontSizesId));
  EXPECT_FALSE(Enabled(kScalePage, kCellAutofitId));
  EXPECT_TRUE(Checked(kScalePage, kDefineCellSizesId));
  EXPECT_TRUE(Enabled(kScalePage, kFontAutofitId));
  ClickBox(kScalePage, kDefineCellSizesId);
  EXPECT_FALSE(Enabled(kScalePage, kCellSizesButtonId));

  Press(PSBTN_OK);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"CellScaleOpt"), 1);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"FontScaleOpt"), 0);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"DefineFontSizes"), 0);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"DefineCellWidthsHeights"), 0);
}

TEST_F(OptionsPagesTest, PresetsFillTheNumbersAndTypingSelectsCustom) {
  hive_.WriteNumber(kProductPath, u"FontScaleOpt", 1);
  hive_.WriteNumber(kProductPath, u"CellScaleIndex", 3);
  Open(kScalePage);
  HWND page = Page(kScalePage);
  sheet_.m_scalePage.SetModified(false);
  test::Type(page, kCellExcelPointsId, u"2");
  EXPECT_EQ(CComboBox(page, kCellScaleListId).GetCurSel(), 0);
  EXPECT_TRUE(sheet_.m_scalePage.IsModified());

  test::Choose(page, kCellScaleListId, 10);  // 1:50
  EXPECT_EQ(ItemText(page, kCellDrawingUnitsId), u"1");
  EXPECT_EQ(ItemText(page, kCellExcelPointsId), u"50");
  EXPECT_EQ(CComboBox(page, kCellScaleListId).GetCurSel(), 10);  // the chosen preset stays
  test::Choose(page, kFontScaleListId, 15);                       // 10:1
  EXPECT_EQ(ItemText(page, kFontExcelPointsId), u"0.1");
  test::Choose(page, kFontScaleListId, 0);  // Custom changes nothing
  EXPECT_EQ(ItemText(page, kFontExcelPointsId), u"0.1");

  Press(PSBTN_OK);
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"CellScaleIndex"), 10);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"CellDrawingUnits"), u"1");
  EXPECT_EQ(hive_.ReadText(kProductPath, u"CellExcelPoints"), u"50");
  EXPECT_EQ(hive_.ReadNumber(kProductPath, u"FontScaleIndex"), 0);
  EXPECT_EQ(hive_.ReadText(kProductPath, u"FontExcelPoints"), u"0.1");
}

TEST_F(OptionsPagesTest, ScalesThatAreNotPositiveAreRefusedButThePageIsRecorded) {
  struct Case {
    int id;
    const char16_t* text;
    const char16_t* message;
  };
  const Case cases[] = {
      {kCellDrawingUnitsId, u"0", u"Please enter a positive real in drawing units field."},
      {kFontDrawingUnitsId, u"-1", u"Please enter a positive real in drawing units field."},
      {kFontExcelPointsId, u"0.0000001", u"Please enter a positive real in Excel points field."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    TestHive hive;
    hive.WriteNumber(kProductPath, u"ActivePageIndex", kScalePage);
    driver_.messageBoxes.clear();
    COptionsSheet sheet(u"Options");
    ASSERT_TRUE(sheet.Create());
    test::Type(sheet.m_scalePage.GetSafeHwnd(), c.id, c.text);
    SendMessageW(sheet.GetSafeHwnd(), PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_TRUE(sheet.IsEnded());
    ASSERT_EQ(driver_.messageBoxes.size(), 1u);
    EXPECT_EQ(driver_.messageBoxes[0].text, c.message);
    EXPECT_FALSE(hive.Read(kProductPath, u"CellScaleOpt"));
    EXPECT_EQ(hive.ReadNumber(kProductPath, u"ActivePageIndex"), kScalePage);
  }
}

// The column widths dialog opened from the page, modal over the sheet, on the sheet's option key;
// Enter in a cell being edited ends the edit, not the dialog.
TEST_F(OptionsPagesTest, TheSizeButtonsOpenTheirDialogsOnTheSheetsOptionKey) {
  hive_.WriteNumber(kProductPath, u"UseGlobalOption", 0);
  hive_.WriteNumber(kCurrentOptionsPath, u"DefineCellWidthsHeights", 1);
  hive_.WriteText(kCurrentOptionsPath, u"ColumnWidths", u"10;20");
  Open(kScalePage, 1);
  HWND page = Page(kScalePage);
  HWND dialog = nullptr;
  std::u16string caption;
  bool enterKeptTheDialog = false;
  driver_.Then([&] {
    dialog = FindWindowW(L"#32770", L"Set the column widths and row heights");
    if (dialog == nullptr) return false;
    caption = test::WindowText(dialog);
    test::Type(dialog, kSizeTextId, u"30");
    test::Click(dialog, kAddColumnId);
    // Edit the first width in place and press Enter through the dialog's own message loop.
    HWND list = GetDlgItem(dialog, kColumnListId);
    RECT cell{};
    CListCtrl(list).GetSubItemRect(0, 1, LVIR_LABEL, &cell);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    HWND edit = GetDlgItem(list, kListSubEditId);
    if (edit == nullptr || GetFocus() != edit) return true;
    SetWindowTextW(edit, L"11");
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    return true;
  }).Then([&] {
    enterKeptTheDialog = IsWindow(dialog) && !IsWindowVisible(GetDlgItem(GetDlgItem(dialog, kColumnListId), kListSubEditId));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
  });
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(kCellSizesButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, kCellSizesButtonId)));
  ASSERT_TRUE(driver_.Run());
  EXPECT_EQ(caption, u"Set the column widths and row heights");
  EXPECT_TRUE(enterKeptTheDialog);
  EXPECT_EQ(hive_.ReadText(kCurrentOptionsPath, u"ColumnWidths"), u"11;20;30");
  EXPECT_FALSE(hive_.Read(kProductPath, u"ColumnWidths"));

  // The font size map likewise; Cancel stores nothing.
  hive_.WriteText(kCurrentOptionsPath, u"FontSizes", u"8:2*");
  ClickRadio(kScalePage, {kFontAutofitId, kFontScaleId}, kFontScaleId);
  ClickBox(kScalePage, kDefineFontSizesId);
  ASSERT_TRUE(Enabled(kScalePage, kFontSizesButtonId));
  std::u16string rows;
  driver_.Then([&] {
    HWND map = FindWindowW(L"#32770", L"Font Size Map");
    if (map == nullptr) return false;
    test::Type(map, kFontSizeListId, u"9");
    test::Type(map, kTextHeightId, u"3");
    test::Click(map, kAddFontSizeId);
    rows = CListCtrl(GetDlgItem(map, kFontSizeMapListId)).GetItemText(1, 0);
    PostMessageW(map, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return true;
  });
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(kFontSizesButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, kFontSizesButtonId)));
  ASSERT_TRUE(driver_.Run());
  EXPECT_EQ(rows, u"9");
  EXPECT_EQ(hive_.ReadText(kCurrentOptionsPath, u"FontSizes"), u"8:2*");
}

}  // namespace
}  // namespace vk

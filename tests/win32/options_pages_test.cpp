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
#include "resource_ids/object_page_ids.h"
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
constexpr int kLayerLists[] = {IDC_LAYER_BORDER, IDC_LAYER_TEXT, IDC_LAYER_SHAPE, IDC_LAYER_IMAGE, IDC_LAYER_FILL};
constexpr int kPickers[] = {IDC_LAYER_THIN_COLOUR, IDC_LAYER_THICK_COLOUR, IDC_LAYER_REGULAR_COLOUR,
                            IDC_LAYER_BOLD_COLOUR};

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
  void Publish(const std::u16string& text) { published_ = std::make_unique<test::PublishedCadState>(cadStateName_,
                                            text); }
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
  const Texts layers = ListItems(page, IDC_LAYER_BORDER);
  EXPECT_EQ(layers.size(), 5u);
  EXPECT_TRUE(std::is_sorted(layers.begin(), layers.end(), [](const auto& a, const auto& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, W(a), -1, W(b), -1) == CSTR_LESS_THAN;
  }));
  for (const char16_t* name : {u"0", u"Walls", u"Doors", u"\u58C1"})
    EXPECT_NE(std::find(layers.begin(), layers.end(), name), layers.end()) << std::string(name, name + 1);
  for (int id : kLayerLists) EXPECT_EQ(ListItems(page, id), layers) << id;

  // Dropped down, every list is as wide as the Border list's widest name needs.
  CComboBox border(page, IDC_LAYER_BORDER);
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
  EXPECT_EQ(CComboBox(page, IDC_LAYER_THIN_COLOUR).GetCurSel(), 7);
  EXPECT_EQ(CComboBox(page, IDC_LAYER_THICK_COLOUR).GetCurSel(), 0);
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
  EXPECT_EQ(ItemText(page, IDC_LAYER_BORDER), u"");
  EXPECT_EQ(ItemText(page, IDC_LAYER_TEXT), u"");
  EXPECT_EQ(ItemText(page, IDC_LAYER_SHAPE), u"Not listed");
  CColourPickerCB thin, bold;
  thin.Attach(page, IDC_LAYER_THIN_COLOUR);
  bold.Attach(page, IDC_LAYER_BOLD_COLOUR);
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
  EXPECT_TRUE(Checked(kLayerPage, IDC_LAYER_LINE_BY_LAYER));
  EXPECT_TRUE(Checked(kLayerPage, IDC_LAYER_TEXT_BY_STYLE));
  EXPECT_FALSE(Enabled(kLayerPage, IDC_LAYER_THIN_COLOUR));
  EXPECT_FALSE(Enabled(kLayerPage, IDC_LAYER_THICK_COLOUR));
  EXPECT_TRUE(Enabled(kLayerPage, IDC_LAYER_REGULAR_COLOUR));
  EXPECT_TRUE(Enabled(kLayerPage, IDC_LAYER_BOLD_COLOUR));
  EXPECT_TRUE(sheet_.m_layerColorPage.IsModified());  // the rules ran on opening

  ClickRadio(kLayerPage, {IDC_LAYER_LINE_BY_LAYER, IDC_LAYER_LINE_ACI, IDC_LAYER_LINE_BY_WEIGHT},
                          IDC_LAYER_LINE_BY_WEIGHT);
  ClickRadio(kLayerPage, {IDC_LAYER_TEXT_BY_LAYER, IDC_LAYER_TEXT_ACI, IDC_LAYER_TEXT_BY_STYLE}, IDC_LAYER_TEXT_ACI);
  EXPECT_TRUE(Enabled(kLayerPage, IDC_LAYER_THIN_COLOUR));
  EXPECT_TRUE(Enabled(kLayerPage, IDC_LAYER_THICK_COLOUR));
  EXPECT_FALSE(Enabled(kLayerPage, IDC_LAYER_REGULAR_COLOUR));
  EXPECT_FALSE(Enabled(kLayerPage, IDC_LAYER_BOLD_COLOUR));
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
      {"thin colour", [&] { test::Choose(page, IDC_LAYER_THIN_COLOUR, 3); }, true},
      {"bold colour", [&] { test::Choose(page, IDC_LAYER_BOLD_COLOUR, 3); }, true},
      {"border list", [&] { test::Choose(page, IDC_LAYER_BORDER, 1); }, true},
      {"image list", [&] { test::Choose(page, IDC_LAYER_IMAGE, 1); }, true},
      {"text typed", [&] { TypeLayer(IDC_LAYER_TEXT, u"Typed"); }, true},
      {"shape typed", [&] { TypeLayer(IDC_LAYER_SHAPE, u"Typed"); }, true},
      {"fill list", [&] { test::Choose(page, IDC_LAYER_FILL, 1); }, false},
      {"fill typed", [&] { TypeLayer(IDC_LAYER_FILL, u"Typed"); }, false},
      {"fill by layer", [&] { ClickBox(kLayerPage, IDC_LAYER_FILL_BY_LAYER); }, false},
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
    EXPECT_EQ(ItemText(page, IDC_LAYER_FILL_BY_LAYER), u"Apply Table Style's Fill Color");
    EXPECT_EQ(ItemText(page, IDC_LAYER_LINE_BY_LAYER), u"Table Style");
    EXPECT_EQ(ItemText(page, IDC_LAYER_TEXT_BY_LAYER), u"Table Style");
    for (int id : kLayerLists) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, id))) << id;

    // Choosing an anonymous block on the Object & Font Map page turns them back.
    ASSERT_TRUE(sheet.SetActivePage(2));
    HWND object = sheet.m_objectPage.GetSafeHwnd();
    CButton(object, IDC_OBJECT_AUTOCAD_TABLE).SetCheck(BST_UNCHECKED);
    CButton(object, IDC_OBJECT_ANONYMOUS_BLOCK).SetCheck(BST_CHECKED);
    test::Click(object, IDC_OBJECT_ANONYMOUS_BLOCK);
    EXPECT_EQ(ItemText(page, IDC_LAYER_FILL_BY_LAYER), u"Fill Color By Layer");
    EXPECT_EQ(ItemText(page, IDC_LAYER_LINE_BY_LAYER), u"By Layer");
    EXPECT_EQ(ItemText(page, IDC_LAYER_TEXT_BY_LAYER), u"By Layer");
    for (int id : kLayerLists) EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, id))) << id;
  }
}

TEST_F(OptionsPagesTest, AnInvalidLayerNameIsReportedTheSheetClosesAndOnlyThatPageStoresNothing) {
  hive_.WriteText(kProductPath, u"TextLayer", u"Old");
  Open(kScalePage);
  TypeLayer(IDC_LAYER_TEXT, u"Walls, north");
  test::Type(Page(kScalePage), IDC_SCALE_CELL_EXCEL_POINTS, u"36");
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
  const int layerIds[] = {IDC_LAYER_BORDER,         IDC_LAYER_TEXT,           IDC_LAYER_SHAPE,
                          IDC_LAYER_IMAGE,          IDC_LAYER_FILL,           IDC_LAYER_FILL_BY_LAYER,
                          IDC_LAYER_LINE_BY_LAYER,  IDC_LAYER_LINE_ACI,       IDC_LAYER_LINE_BY_WEIGHT,
                          IDC_LAYER_TEXT_BY_LAYER,  IDC_LAYER_TEXT_ACI,       IDC_LAYER_TEXT_BY_STYLE,
                          IDC_LAYER_THIN_COLOUR,    IDC_LAYER_THICK_COLOUR,   IDC_LAYER_REGULAR_COLOUR,
                          IDC_LAYER_BOLD_COLOUR};
  const int scaleIds[] = {IDC_SCALE_CELL_AUTOFIT,       IDC_SCALE_CELL_SCALE,        IDC_SCALE_CELL_LIST,
                          IDC_SCALE_CELL_DRAWING_UNITS, IDC_SCALE_CELL_EXCEL_POINTS, IDC_SCALE_DEFINE_CELL_SIZES,
                          IDC_SCALE_CELL_SIZES_BUTTON,  IDC_SCALE_FONT_AUTOFIT,      IDC_SCALE_FONT_SCALE,
                          IDC_SCALE_FONT_LIST,          IDC_SCALE_FONT_DRAWING_UNITS, IDC_SCALE_FONT_EXCEL_POINTS,
                          IDC_SCALE_DEFINE_FONT_SIZES,  IDC_SCALE_FONT_SIZES_BUTTON};
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
    EXPECT_EQ(ItemText(layer, IDC_LAYER_LINE_BY_WEIGHT), c.layerCaption);
    EXPECT_EQ(ItemText(scale, IDC_SCALE_CELL_AUTOFIT), c.scaleCaption);
    EXPECT_EQ(CComboBox(layer, IDC_LAYER_BOLD_COLOUR).GetCount(), 256);
    EXPECT_EQ(CComboBox(scale, IDC_SCALE_FONT_LIST).GetCount(), 32);
    ExpectLaidOut(layer);
    ExpectLaidOut(scale);
    // The page area is the templates' 260 x 200 units in the pages' own font: the Japanese pages'
    // larger font leaves no blank band under them.
    for (HWND page : {layer, scale}) {
      RECT area{}, units{0, 0, 260, 200};
      GetClientRect(page, &area);
      MapDialogRect(page, &units);
      EXPECT_NEAR(area.right, units.right, 1);
      EXPECT_NEAR(area.bottom, units.bottom, 1);
    }
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
  for (int id : {IDC_SCALE_CELL_LIST, IDC_SCALE_FONT_LIST}) {
    const Texts items = ListItems(page, id);
    ASSERT_EQ(items.size(), 32u);
    EXPECT_EQ(items[0], u"Custom");
    EXPECT_EQ(items[12], u"2:1");
    EXPECT_EQ(items[17], u"1/128\" = 1'0\"");
    EXPECT_EQ(items[31], u"1'0\" = 1'0\"");
    for (int n = 0; n < 32; ++n) EXPECT_EQ(CComboBox(page, id).GetItemData(n), n);
  }
  EXPECT_TRUE(Checked(kScalePage, IDC_SCALE_CELL_SCALE));
  EXPECT_TRUE(Checked(kScalePage, IDC_SCALE_FONT_AUTOFIT));
  EXPECT_EQ(ItemText(page, IDC_SCALE_CELL_DRAWING_UNITS), u"1");
  EXPECT_EQ(ItemText(page, IDC_SCALE_CELL_EXCEL_POINTS), u"72");
  EXPECT_EQ(ItemText(page, IDC_SCALE_FONT_EXCEL_POINTS), u"0.333333333333333");
  EXPECT_EQ(CComboBox(page, IDC_SCALE_CELL_LIST).GetCurSel(), -1);  // 40 is beyond the list
  EXPECT_EQ(CComboBox(page, IDC_SCALE_FONT_LIST).GetCurSel(), 17);

  test::Type(page, IDC_SCALE_FONT_EXCEL_POINTS, u"72");
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
  for (int id : {IDC_SCALE_CELL_LIST, IDC_SCALE_CELL_DRAWING_UNITS, IDC_SCALE_CELL_EXCEL_POINTS,
                 IDC_SCALE_DEFINE_CELL_SIZES, IDC_SCALE_FONT_AUTOFIT})
    EXPECT_FALSE(Enabled(kScalePage, id)) << id;
  EXPECT_TRUE(Enabled(kScalePage, IDC_SCALE_CELL_SIZES_BUTTON));  // the sizes stay reachable
  for (int id : {IDC_SCALE_FONT_LIST, IDC_SCALE_FONT_DRAWING_UNITS, IDC_SCALE_FONT_EXCEL_POINTS,
                 IDC_SCALE_DEFINE_FONT_SIZES, IDC_SCALE_FONT_SIZES_BUTTON,
                 IDC_SCALE_CELL_AUTOFIT})
    EXPECT_TRUE(Enabled(kScalePage, id)) << id;

  // Autofitting the text clears "Set the text heights." but the cell rule leaves its own box.
  ClickRadio(kScalePage, {IDC_SCALE_CELL_AUTOFIT, IDC_SCALE_CELL_SCALE}, IDC_SCALE_CELL_SCALE);
  ClickRadio(kScalePage, {IDC_SCALE_FONT_AUTOFIT, IDC_SCALE_FONT_SCALE}, IDC_SCALE_FONT_AUTOFIT);
  EXPECT_FALSE(Checked(kScalePage, IDC_SCALE_DEFINE_FONT_SIZES));
  EXPECT_FALSE(Enabled(kScalePage, IDC_SCALE_FONT_SIZES_BUTTON));
  EXPECT_FALSE(Enabled(kScalePage, IDC_SCALE_DEFINE_FONT_SIZES));
  EXPECT_FALSE(Enabled(kScalePage, IDC_SCALE_CELL_AUTOFIT));
  EXPECT_TRUE(Checked(kScalePage, IDC_SCALE_DEFINE_CELL_SIZES));
  EXPECT_TRUE(Enabled(kScalePage, IDC_SCALE_FONT_AUTOFIT));
  ClickBox(kScalePage, IDC_SCALE_DEFINE_CELL_SIZES);
  EXPECT_FALSE(Enabled(kScalePage, IDC_SCALE_CELL_SIZES_BUTTON));

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
  test::Type(page, IDC_SCALE_CELL_EXCEL_POINTS, u"2");
  EXPECT_EQ(CComboBox(page, IDC_SCALE_CELL_LIST).GetCurSel(), 0);
  EXPECT_TRUE(sheet_.m_scalePage.IsModified());

  test::Choose(page, IDC_SCALE_CELL_LIST, 10);  // 1:50
  EXPECT_EQ(ItemText(page, IDC_SCALE_CELL_DRAWING_UNITS), u"1");
  EXPECT_EQ(ItemText(page, IDC_SCALE_CELL_EXCEL_POINTS), u"50");
  EXPECT_EQ(CComboBox(page, IDC_SCALE_CELL_LIST).GetCurSel(), 10);  // the chosen preset stays
  test::Choose(page, IDC_SCALE_FONT_LIST, 15);                       // 10:1
  EXPECT_EQ(ItemText(page, IDC_SCALE_FONT_EXCEL_POINTS), u"0.1");
  test::Choose(page, IDC_SCALE_FONT_LIST, 0);  // Custom changes nothing
  EXPECT_EQ(ItemText(page, IDC_SCALE_FONT_EXCEL_POINTS), u"0.1");

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
      {IDC_SCALE_CELL_DRAWING_UNITS, u"0", u"Please enter a positive real in drawing units field."},
      {IDC_SCALE_FONT_DRAWING_UNITS, u"-1", u"Please enter a positive real in drawing units field."},
      {IDC_SCALE_FONT_EXCEL_POINTS, u"0.0000001", u"Please enter a positive real in Excel points field."},
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
    test::Type(dialog, IDC_SIZES_SIZE_TEXT, u"30");
    test::Click(dialog, IDC_SIZES_ADD_COLUMN);
    // Edit the first width in place and press Enter through the dialog's own message loop.
    HWND list = GetDlgItem(dialog, IDC_SIZES_COLUMN_LIST);
    RECT cell{};
    CListCtrl(list).GetSubItemRect(0, 1, LVIR_LABEL, &cell);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    HWND edit = GetDlgItem(list, kListSubEditId);
    if (edit == nullptr || GetFocus() != edit) return true;
    SetWindowTextW(edit, L"11");
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    return true;
  }).Then([&] {
    enterKeptTheDialog =
        IsWindow(dialog) && !IsWindowVisible(GetDlgItem(GetDlgItem(dialog, IDC_SIZES_COLUMN_LIST), kListSubEditId));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
  });
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_SCALE_CELL_SIZES_BUTTON, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_SCALE_CELL_SIZES_BUTTON)));
  ASSERT_TRUE(driver_.Run());
  EXPECT_EQ(caption, u"Set the column widths and row heights");
  EXPECT_TRUE(enterKeptTheDialog);
  EXPECT_EQ(hive_.ReadText(kCurrentOptionsPath, u"ColumnWidths"), u"11;20;30");
  EXPECT_FALSE(hive_.Read(kProductPath, u"ColumnWidths"));

  // The font size map likewise; Cancel stores nothing.
  hive_.WriteText(kCurrentOptionsPath, u"FontSizes", u"8:2*");
  ClickRadio(kScalePage, {IDC_SCALE_FONT_AUTOFIT, IDC_SCALE_FONT_SCALE}, IDC_SCALE_FONT_SCALE);
  ClickBox(kScalePage, IDC_SCALE_DEFINE_FONT_SIZES);
  ASSERT_TRUE(Enabled(kScalePage, IDC_SCALE_FONT_SIZES_BUTTON));
  std::u16string rows;
  driver_.Then([&] {
    HWND map = FindWindowW(L"#32770", L"Font Size Map");
    if (map == nullptr) return false;
    test::Type(map, IDC_FONTMAP_SIZE_LIST, u"9");
    test::Type(map, IDC_FONTMAP_TEXT_HEIGHT, u"3");
    test::Click(map, IDC_FONTMAP_ADD);
    rows = CListCtrl(GetDlgItem(map, IDC_FONTMAP_LIST)).GetItemText(1, 0);
    PostMessageW(map, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return true;
  });
  PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_SCALE_FONT_SIZES_BUTTON, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_SCALE_FONT_SIZES_BUTTON)));
  ASSERT_TRUE(driver_.Run());
  EXPECT_EQ(rows, u"9");
  EXPECT_EQ(hive_.ReadText(kCurrentOptionsPath, u"FontSizes"), u"8:2*");
}

}  // namespace
}  // namespace vk

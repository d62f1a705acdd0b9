#pragma once
#include <cstdint>

#include "settings/scale_page_model.h"
#include "options_ui/options_page.h"

namespace vk {

// Control ids of the Scale page.
inline constexpr int kCellAutofitId = 1029, kCellScaleId = 1030, kCellScaleListId = 1031;
inline constexpr int kCellDrawingUnitsId = 1032, kCellExcelPointsId = 1033;
inline constexpr int kDefineCellSizesId = 270, kCellSizesButtonId = 272;
inline constexpr int kFontAutofitId = 1034, kFontScaleId = 1035, kFontScaleListId = 1037;
inline constexpr int kFontDrawingUnitsId = 1038, kFontExcelPointsId = 1039;
inline constexpr int kDefineFontSizesId = 271, kFontSizesButtonId = 273;

// The Scale page: how the receiver sizes cells and text, by scale presets or custom numbers,
// and the two size dialogs for explicit column widths, row heights and text heights.
class CScalePage : public COptionsPage {
 public:
  CScalePage();

  CScalePageModel m_model;

  // After a file was loaded into m_model: show it and run the two rules.
  void RefreshAfterLoad() override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnApply() override;

 private:
  // Shows the fields without their number texts counting as the user's edits.
  void ShowFields();
  void CellRule();
  void TextHeightRule();
  void ChoosePreset(int listId);
  void NumberEdited(int listId);

  bool m_bShowing = false;
};

}  // namespace vk

#pragma once
#include <cstdint>

namespace vk {

class COptionsArchive;

// The fields behind the Scale page: how the receiver sizes cells and text.
class CScalePageModel {
 public:
  // The page starts with these until the options are loaded (the registry defaults differ).
  int32_t m_nCellScaleOpt = 1;  // 0 Autofit cell to font height, 1 Scale
  int32_t m_nCellScaleIndex = 0;  // position in the scale list, -1 when nothing is selected
  double m_dCellDrawingUnits = 0;
  double m_dCellExcelPoints = 0;
  int32_t m_nDefineCellWidthsHeights = 0;
  int32_t m_nFontScaleOpt = 0;  // 0 Autofit font height to cell, 1 Scale
  int32_t m_nFontScaleIndex = 0;
  double m_dFontDrawingUnits = 0;
  double m_dFontExcelPoints = 0;
  int32_t m_nDefineFontSizes = 0;

  // Choosing a preset in a scale list fills its two numbers (1 drawing unit for the preset's
  // Excel points); choosing "Custom" (position 0) changes nothing but the selection.
  void ChooseCellScale(int32_t position);
  void ChooseFontScale(int32_t position);

  void LoadOptions(int32_t funcState);
  void SaveOptions(int32_t funcState) const;
  // The two positive-real checks, then the fields; the active page is written either way.
  bool Apply(int32_t funcState, int32_t activePage);
  void ExchangeOptions(COptionsArchive& archive, int32_t version);

  friend bool operator==(const CScalePageModel&, const CScalePageModel&) = default;
};

extern const char16_t kDrawingUnitsNotPositiveMessage[];
extern const char16_t kExcelPointsNotPositiveMessage[];

}  // namespace vk

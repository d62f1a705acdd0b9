#include "settings/scale_page_model.h"

#include "settings/list_selection.h"
#include "settings/options_archive.h"
#include "settings/page_option.h"
#include "ui/user_messages.h"
#include "settings/scale_list.h"

namespace vk {

const char16_t kDrawingUnitsNotPositiveMessage[] = u"Please enter a positive real in drawing units field.";
const char16_t kExcelPointsNotPositiveMessage[] = u"Please enter a positive real in Excel points field.";

namespace {

void Choose(int32_t position, int32_t* index, double* drawingUnits, double* excelPoints) {
  *index = SelectedPosition(position, kScaleListCount);
  if (*index >= 1) {
    *drawingUnits = 1;
    *excelPoints = kScaleList[static_cast<size_t>(*index)].excelPoints;
  }
}

}  // namespace

void CScalePageModel::ChooseCellScale(int32_t position) {
  Choose(position, &m_nCellScaleIndex, &m_dCellDrawingUnits, &m_dCellExcelPoints);
}

void CScalePageModel::ChooseFontScale(int32_t position) {
  Choose(position, &m_nFontScaleIndex, &m_dFontDrawingUnits, &m_dFontExcelPoints);
}

void CScalePageModel::LoadOptions(int32_t funcState) {
  using namespace options;
  const std::u16string key = SheetOptionKey(funcState);
  m_nCellScaleOpt = ReadOption(WithDefault(kCellScaleOpt, m_nCellScaleOpt), key);
  const int32_t cellIndex = ReadOption(kCellScaleIndex, key);
  m_nFontScaleOpt = ReadOption(WithDefault(kFontScaleOpt, m_nFontScaleOpt), key);
  const int32_t fontIndex = ReadOption(kFontScaleIndex, key);
  m_dCellDrawingUnits = ReadOption(kCellDrawingUnits, key);
  m_dCellExcelPoints = ReadOption(kCellExcelPoints, key);
  m_dFontDrawingUnits = ReadOption(kFontDrawingUnits, key);
  m_dFontExcelPoints = ReadOption(kFontExcelPoints, key);
  m_nDefineCellWidthsHeights = ReadOption(kDefineCellWidthsHeights, key);
  m_nDefineFontSizes = ReadOption(kDefineFontSizes, key);
  // A negative index selects the first entry; one beyond the list selects nothing.
  m_nCellScaleIndex = SelectedPosition(cellIndex < 0 ? 0 : cellIndex, kScaleListCount);
  m_nFontScaleIndex = SelectedPosition(fontIndex < 0 ? 0 : fontIndex, kScaleListCount);
}

void CScalePageModel::SaveOptions(int32_t funcState) const {
  using namespace options;
  const std::u16string key = SheetOptionKey(funcState);
  WriteOption(kCellScaleOpt, key, m_nCellScaleOpt);
  // A list without selection has always been stored as the first preset.
  WriteOption(kCellScaleIndex, key, m_nCellScaleIndex < 0 ? 1 : m_nCellScaleIndex);
  WriteOption(kFontScaleOpt, key, m_nFontScaleOpt);
  WriteOption(kFontScaleIndex, key, m_nFontScaleIndex < 0 ? 1 : m_nFontScaleIndex);
  WriteOption(kCellDrawingUnits, key, m_dCellDrawingUnits);
  WriteOption(kCellExcelPoints, key, m_dCellExcelPoints);
  WriteOption(kFontDrawingUnits, key, m_dFontDrawingUnits);
  WriteOption(kFontExcelPoints, key, m_dFontExcelPoints);
  WriteOption(kDefineCellWidthsHeights, key, m_nDefineCellWidthsHeights);
  WriteOption(kDefineFontSizes, key, m_nDefineFontSizes);
}

bool CScalePageModel::Apply(int32_t funcState, int32_t activePage) {
  constexpr double kSmallest = 1e-6;
  bool stored = false;
  if (m_dCellDrawingUnits < kSmallest || m_dFontDrawingUnits < kSmallest) {
    ShowWarning(kDrawingUnitsNotPositiveMessage);
  } else if (m_dCellExcelPoints < kSmallest || m_dFontExcelPoints < kSmallest) {
    ShowWarning(kExcelPointsNotPositiveMessage);
  } else {
    SaveOptions(funcState);
    stored = true;
  }
  // Unlike the other pages, this one records its position even when it refused its fields.
  WriteOption(options::kActivePageIndex, activePage);
  return stored;
}

void CScalePageModel::ExchangeOptions(COptionsArchive& ar, int32_t /*version: every version carries it all*/) {
  if (ar.IsStoring()) {
    ar.WriteInt32(m_nCellScaleOpt);
    ar.WriteInt32(m_nCellScaleIndex);
    ar.WriteDouble(m_dCellDrawingUnits);
    ar.WriteDouble(m_dCellExcelPoints);
    ar.WriteInt32(m_nFontScaleOpt);
    ar.WriteInt32(m_nFontScaleIndex);
    ar.WriteDouble(m_dFontDrawingUnits);
    ar.WriteDouble(m_dFontExcelPoints);
    return;
  }
  m_nCellScaleOpt = ar.ReadInt32();
  m_nCellScaleIndex = SelectedPosition(ar.ReadInt32(), kScaleListCount);
  m_dCellDrawingUnits = ar.ReadDouble();
  m_dCellExcelPoints = ar.ReadDouble();
  m_nFontScaleOpt = ar.ReadInt32();
  m_nFontScaleIndex = SelectedPosition(ar.ReadInt32(), kScaleListCount);
  m_dFontDrawingUnits = ar.ReadDouble();
  m_dFontExcelPoints = ar.ReadDouble();
}

}  // namespace vk

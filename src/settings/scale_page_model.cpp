#include "settings/scale_page_model.h"

#include "settings/list_selection.h"
#include "settings/options_archive.h"
#include "settings/scale_list.h"

namespace vk {

const char16_t kDrawingUnitsNotPositiveMessage[] = u"Please enter a positive real in drawing units field.";
const char16_t kExcelPointsNotPositiveMessage[] = u"Please enter a positive real in Excel points field.";

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

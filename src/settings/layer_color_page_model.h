#pragma once
#include <cstdint>
#include <string>

#include "settings/default_colour_table.h"

namespace vk {

class COptionsArchive;

// The fields behind the Layer & Color page and everything it does with them that needs no
// window: loading and storing the options, the apply check and the options file section.
class CLayerColorPageModel {
 public:
  // Layer names as their edit fields show them; an empty field means "no layer chosen".
  std::u16string m_strBorderLayer;
  std::u16string m_strTextLayer;
  std::u16string m_strShapeLayer;
  std::u16string m_strImageLayer;
  std::u16string m_strFillLayer;
  int32_t m_nFillColorByLayer = 0;
  int32_t m_nLineClrOpt = 1;  // radio position: 0 By Layer, 1 Convert to AutoCAD Color, 2 By Border Lineweight
  int32_t m_nTextClrOpt = 1;  // radio position: 0 By Layer, 1 Convert to AutoCAD Color, 2 By Font Style
  // Zero-based positions in the four colour lists.
  int32_t m_nThinColor = 0;
  int32_t m_nThickColor = 0;
  int32_t m_nRegularColor = 0;
  int32_t m_nBoldColor = 0;
  // The table type of the option set, read on loading for the captions; never stored here.
  int32_t m_nTableObjOpt = 0;
  // How many items the colour lists hold: the default table's, or the receiver's palette's once
  // the page has shown one. Positions read from a file are limited to it.
  int32_t m_nColourCount = kDefaultColourCount;

  bool IsAnonymousTable() const { return m_nTableObjOpt != 1; }

  void LoadOptions(int32_t funcState);
  void SaveOptions(int32_t funcState) const;
  // The page's part of the sheet's apply: the layer name check, then the fields and the
  // active page. False when the check refused (its message shown, nothing stored).
  bool Apply(int32_t funcState, int32_t activePage);
  // Appends this page's section (storing) or reads it as the file's version carries it.
  void ExchangeOptions(COptionsArchive& archive, int32_t version);

  friend bool operator==(const CLayerColorPageModel&, const CLayerColorPageModel&) = default;
};

// The apply refusal of the layer fields, shown exactly so.
extern const char16_t kInvalidLayerNameMessage[];

}  // namespace vk

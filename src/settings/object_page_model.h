#pragma once
#include <array>
#include <cstdint>

namespace vk {

class COptionsArchive;

// The fields behind the Object & Font Map page.
class CObjectPageModel {
 public:
  int32_t m_nTableObjOpt = 0;  // 0 Anonymous Block, 1 AutoCAD Table
  int32_t m_nBorderObjOpt = 0;  // 0 Polyline, 1 Line
  int32_t m_nUseFontOpt = 1;  // 0 AutoCAD Font, 1 Excel Font
  int32_t m_nTextObjOpt = 0;  // position in the Text Object list: 0 MText, 1 Text
  // The check box of each ImportObj bit, indexed by bit number (Mask Text, bit 7, is never
  // shown but is kept and stored like the others).
  std::array<int32_t, 11> m_nImportObj = {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
  int32_t m_nTableHasTitle = 1;
  int32_t m_nTableHasHeader = 1;
  int32_t m_nApplyTableStyleTextAlign = 0;

  bool IsAnonymousTable() const { return m_nTableObjOpt != 1; }
  // The mask stored as ImportObj: bit n set when its check box is set.
  int32_t ImportObjMask() const;
  void SetImportObjMask(int32_t mask);

  void LoadOptions(int32_t funcState);
  void SaveOptions(int32_t funcState) const;
  bool Apply(int32_t funcState, int32_t activePage);
  void ExchangeOptions(COptionsArchive& archive, int32_t version);

  friend bool operator==(const CObjectPageModel&, const CObjectPageModel&) = default;
};

}  // namespace vk

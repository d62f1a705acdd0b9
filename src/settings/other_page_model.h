#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vk {

class COptionsArchive;

// The fields behind the Other page.
class COtherPageModel {
 public:
  double m_dRotationDegree = 0;
  int32_t m_nLinkPathType = 0;  // position: 0 Full path, 1 Relative path, 2 No path; -1 none
  std::u16string m_strPicturesFolder;
  int32_t m_nHasShiftChar = 0;
  std::u16string m_strShiftChar = u"gjqpy";
  double m_dShiftPoints = 0;
  int32_t m_nOnlyPrintArea = 0;
  int32_t m_nUseRangeName = 0;
  int32_t m_nEmbedWorkbook = 0;
  // LineSpacing is kept as the field shows it: the spacing text and the "Paragraph" box that
  // the stored sign carries.
  int32_t m_nParagraph = 0;
  std::u16string m_strLineSpacing = u"-1.16";
  int32_t m_nInsertionPointType = 0;  // position: Left Top, Right Top, Left Bottom, Right Bottom; -1 none
  // Whether the Insertion Point list is enabled: set by the sheet from the table type.
  int32_t m_nInsertionPointEnabled = 1;

  void LoadOptions(int32_t funcState);
  void SaveOptions(int32_t funcState) const;
  // The LineSpacing text as stored: the field's spacing, "1.16" when outside 0.5 to 4, with a
  // "-" in front when Paragraph is clear.
  std::u16string StoredLineSpacing() const;
  // The path checks (creating a relative pictures folder below the drawing's folder), then the
  // fields and the active page. False when a check refused: its message shown, nothing stored.
  bool Apply(int32_t funcState, int32_t activePage);
  void ExchangeOptions(COptionsArchive& archive, int32_t version);

  friend bool operator==(const COtherPageModel&, const COtherPageModel&) = default;
};

// ShiftChar as it is stored: without white space at either end.
std::u16string TrimWhiteSpace(std::u16string_view text);

extern const char16_t kInvalidPathMessage[];
// printf-style, with the folder that could not be created.
extern const char16_t kFailedToCreateFormat[];

}  // namespace vk

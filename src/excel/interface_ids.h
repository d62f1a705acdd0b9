#pragma once
#include "automation/guid.h"

namespace vk::excel {

// Excel's interface identifiers for the objects the typed wrappers hold (all end
// -0000-0000-C000-000000000046). A wrapper names its interface so that member names are looked
// up once per interface for the whole process: Excel's DISPIDs are fixed by the interface,
// whichever object implements it.
constexpr Guid ExcelIid(uint32_t data1) { return Guid{data1, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}; }

inline constexpr Guid kIidApplication = ExcelIid(0x000208D5);
inline constexpr Guid kIidWorkbook = ExcelIid(0x000208DA);
inline constexpr Guid kIidWorksheet = ExcelIid(0x000208D8);
inline constexpr Guid kIidPageSetup = ExcelIid(0x000208B4);
inline constexpr Guid kIidName = ExcelIid(0x000208B9);
inline constexpr Guid kIidRange = kIidExcelRange;
inline constexpr Guid kIidFont = ExcelIid(0x0002084D);
inline constexpr Guid kIidInterior = ExcelIid(0x00020870);
inline constexpr Guid kIidBorders = ExcelIid(0x00020855);
inline constexpr Guid kIidBorder = ExcelIid(0x00020854);
inline constexpr Guid kIidCharacters = ExcelIid(0x00020878);
inline constexpr Guid kIidFormatConditions = ExcelIid(0x00024424);
// Colour scales, data bars and icon sets are objects of their own kinds that refuse this one.
inline constexpr Guid kIidFormatCondition = ExcelIid(0x00024425);

}  // namespace vk::excel

#pragma once
#include "automation/guid.h"

namespace vk::excel {

// Excel's and Office's interface identifiers for the objects the typed wrappers hold (all end
// -0000-0000-C000-000000000046; the primary interop assemblies' Guid attributes). A wrapper names its interface so that member names are looked
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

inline constexpr Guid kIidWindow = ExcelIid(0x00020893);
inline constexpr Guid kIidChart = ExcelIid(0x000208D6);
inline constexpr Guid kIidShapes = ExcelIid(0x0002443A);
inline constexpr Guid kIidShape = ExcelIid(0x00024439);
inline constexpr Guid kIidGroupShapes = ExcelIid(0x0002443C);
inline constexpr Guid kIidTextFrame = ExcelIid(0x0002443D);
inline constexpr Guid kIidConnectorFormat = ExcelIid(0x0002443E);
inline constexpr Guid kIidControlFormat = ExcelIid(0x00024440);
inline constexpr Guid kIidOleFormat = ExcelIid(0x00024441);
// Office's drawing interfaces, which Excel's shapes hand out.
inline constexpr Guid kIidAdjustments = ExcelIid(0x000C0310);
inline constexpr Guid kIidColorFormat = ExcelIid(0x000C0312);
inline constexpr Guid kIidFillFormat = ExcelIid(0x000C0314);
inline constexpr Guid kIidLineFormat = ExcelIid(0x000C0317);
inline constexpr Guid kIidTextRange2 = ExcelIid(0x000C0397);
inline constexpr Guid kIidTextFrame2 = ExcelIid(0x000C0398);
inline constexpr Guid kIidParagraphFormat2 = ExcelIid(0x000C0399);
inline constexpr Guid kIidFont2 = ExcelIid(0x000C039A);
inline constexpr Guid kIidBulletFormat2 = ExcelIid(0x000C03B9);

}  // namespace vk::excel

#pragma once
#include <cstdint>

// The values of Excel's and Office's enumerations that the add-in passes or compares, named as
// Excel's type library names them. Excel's "none" (-4142) is the record's too: kXlNone lives
// with the record (link/cell_record.h), which the receiver side reads without Excel.
namespace vk::excel {

// XlReferenceStyle
inline constexpr int32_t kXlA1 = 1;

// XlSearchOrder and XlSearchDirection of Range.Find
inline constexpr int32_t kXlByRows = 1;
inline constexpr int32_t kXlByColumns = 2;
inline constexpr int32_t kXlPrevious = 2;

// XlHAlign and XlVAlign
inline constexpr int32_t kXlGeneral = 1;
inline constexpr int32_t kXlLeft = -4131;
inline constexpr int32_t kXlRight = -4152;
inline constexpr int32_t kXlTop = -4160;
inline constexpr int32_t kXlBottom = -4107;

// XlOrientation
inline constexpr int32_t kXlUpward = -4171;
inline constexpr int32_t kXlDownward = -4170;

// XlBordersIndex of a cell's Borders; a format condition's Borders take xlLeft, xlTop, xlRight
// and xlBottom (the alignment values above) instead and have no diagonals.
inline constexpr int32_t kXlDiagonalDown = 5;
inline constexpr int32_t kXlDiagonalUp = 6;
inline constexpr int32_t kXlEdgeLeft = 7;
inline constexpr int32_t kXlEdgeTop = 8;
inline constexpr int32_t kXlEdgeBottom = 9;
inline constexpr int32_t kXlEdgeRight = 10;

// XlLineStyle and XlBorderWeight
inline constexpr int32_t kXlContinuous = 1;
inline constexpr int32_t kXlThin = 2;

// XlColorIndex
inline constexpr int32_t kXlAutomatic = -4105;

// XlFormatConditionType of the rules the add-in evaluates
inline constexpr int32_t kXlCellValue = 1;
inline constexpr int32_t kXlExpression = 2;
inline constexpr int32_t kXlTextString = 9;
inline constexpr int32_t kXlBlanksCondition = 10;
inline constexpr int32_t kXlNoBlanksCondition = 13;

// MsoTextOrientation
inline constexpr int32_t kMsoTextOrientationHorizontal = 1;

}  // namespace vk::excel

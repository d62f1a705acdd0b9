#pragma once
// Control ids of the Object & Font Map page (both languages). Plain #defines: the page's template
// in resources/options_sheet.rc includes this header too.

#define IDC_OBJECT_ANONYMOUS_BLOCK 1000
#define IDC_OBJECT_AUTOCAD_TABLE 1002
#define IDC_OBJECT_POLYLINE 1003
#define IDC_OBJECT_LINE 1004
#define IDC_OBJECT_AUTOCAD_FONT 205
#define IDC_OBJECT_EXCEL_FONT 203
#define IDC_OBJECT_TEXT_OBJECT 1028
#define IDC_OBJECT_MASK_TEXT 207

// The import object boxes, one per ImportObj bit.
#define IDC_OBJECT_BORDER 1007
#define IDC_OBJECT_TEXT 1008
#define IDC_OBJECT_PATTERN 202
#define IDC_OBJECT_SHADING 1009
#define IDC_OBJECT_AUTOSHAPE 220
#define IDC_OBJECT_PICTURE 230
#define IDC_OBJECT_CHART 231
#define IDC_OBJECT_FORM_CONTROL 263
#define IDC_OBJECT_WHITE_BORDER 264
#define IDC_OBJECT_WHITE_SHADING 265

// The table boxes, in the places of the first import object boxes.
#define IDC_OBJECT_HAS_TITLE_ROW 266
#define IDC_OBJECT_HAS_HEADER_ROW 267
#define IDC_OBJECT_APPLY_TEXT_ALIGN 268

#pragma once
// Control ids of the Scale page (both languages). Plain #defines: the page's template in
// resources/options_pages.rc includes this header too.

// Cell Scale.
#define IDC_SCALE_CELL_AUTOFIT 1029
#define IDC_SCALE_CELL_SCALE 1030
#define IDC_SCALE_CELL_LIST 1031
#define IDC_SCALE_CELL_DRAWING_UNITS 1032
#define IDC_SCALE_CELL_EXCEL_POINTS 1033
#define IDC_SCALE_DEFINE_CELL_SIZES 270
#define IDC_SCALE_CELL_SIZES_BUTTON 272

// Text Height.
#define IDC_SCALE_FONT_AUTOFIT 1034
#define IDC_SCALE_FONT_SCALE 1035
#define IDC_SCALE_FONT_LIST 1037
#define IDC_SCALE_FONT_DRAWING_UNITS 1038
#define IDC_SCALE_FONT_EXCEL_POINTS 1039
#define IDC_SCALE_DEFINE_FONT_SIZES 271
#define IDC_SCALE_FONT_SIZES_BUTTON 273

#pragma once
// The "Font Size Map" dialog: its template number and control ids. Plain #defines: its template
// in resources/options_pages.rc includes this header too.

#define IDD_FONT_SIZES 218

#define IDC_FONTMAP_SIZE_LIST 252  // the Excel size, typed or chosen
#define IDC_FONTMAP_TEXT_HEIGHT 254
#define IDC_FONTMAP_TEXT_WIDTH 261
#define IDC_FONTMAP_ADD 256
#define IDC_FONTMAP_REMOVE 258
#define IDC_FONTMAP_LIST 259

// The labels: a top-level dialog's labels need ids of their own (-1 is a message box's text).
#define IDC_FONTMAP_SIZE_LABEL 1105
#define IDC_FONTMAP_POINTS_LABEL 1106
#define IDC_FONTMAP_HEIGHT_LABEL 1107
#define IDC_FONTMAP_HEIGHT_UNITS_LABEL 1108
#define IDC_FONTMAP_WIDTH_LABEL 1109
#define IDC_FONTMAP_WIDTH_UNITS_LABEL 1110

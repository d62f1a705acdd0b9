#pragma once
// Control ids of the Other page (both languages). Plain #defines: the page's template in
// resources/options_sheet.rc includes this header too.

#define IDC_OTHER_ROTATION 225
#define IDC_OTHER_LINK_PATH_TYPE 232
#define IDC_OTHER_PICTURES_FOLDER 227
#define IDC_OTHER_BROWSE 228
#define IDC_OTHER_OFFSET_DECENDERS 233
#define IDC_OTHER_SHIFT_CHAR 234
#define IDC_OTHER_SHIFT_POINTS 235
#define IDC_OTHER_ONLY_PRINT_AREA 221
#define IDC_OTHER_USE_RANGE_NAME 222
#define IDC_OTHER_EMBED_WORKBOOK 223
#define IDC_OTHER_PARAGRAPH 262
#define IDC_OTHER_LINE_SPACING 211
#define IDC_OTHER_INSERTION_POINT 269

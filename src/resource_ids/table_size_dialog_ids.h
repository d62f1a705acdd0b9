#pragma once
// The "Set the column widths and row heights" dialog: its template number and control ids.
// Plain #defines: its template in resources/options_pages.rc includes this header too.

#define IDD_TABLE_SIZES 217

#define IDC_SIZES_SIZE_TEXT 249
#define IDC_SIZES_COLUMN_LIST 246
#define IDC_SIZES_ADD_COLUMN 253
#define IDC_SIZES_REMOVE_COLUMN 250
#define IDC_SIZES_ROW_LIST 247
#define IDC_SIZES_ADD_ROW 255
#define IDC_SIZES_REMOVE_ROW 251

// The labels: a top-level dialog's labels need ids of their own (-1 is a message box's text).
#define IDC_SIZES_SIZE_LABEL 1101
#define IDC_SIZES_UNITS_LABEL 1102
#define IDC_SIZES_COLUMNS_LABEL 1103
#define IDC_SIZES_ROWS_LABEL 1104

#pragma once
// Control ids of the import's progress window (both languages). Plain #defines: its template in
// resources/link.rc includes this header too.

#define IDC_PROGRESS_TEXT 219  // the static text above the bar
#define IDC_PROGRESS_BAR 201

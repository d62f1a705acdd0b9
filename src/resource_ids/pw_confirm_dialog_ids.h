#pragma once
// The ProjectWise confirmation dialog: its template number and control ids (Check In and Cancel
// are the platform's IDOK and IDCANCEL). Plain #defines: resources/project_wise.rc includes this
// header too.

#define IDD_PW_CONFIRM 215

#define IDC_PW_DOCUMENT 219
#define IDC_PW_UPDATE_SERVER_COPY 238
#define IDC_PW_FREE 240

#pragma once
// The Options sheet's own resources: the text of its Template button and the Template menu with
// its two commands. Plain #defines: resources/options_sheet.rc includes this header too.

#define IDS_OPTIONS_TEMPLATE_BUTTON 2005
#define IDM_OPTIONS_TEMPLATE 216
#define IDM_OPTIONS_LOAD_FROM_FILE 32768
#define IDM_OPTIONS_SAVE_TO_FILE 32769

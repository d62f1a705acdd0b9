#pragma once
// Control ids of the dialog layer's two test pages. Plain #defines: test_pages.rc includes this
// header too.

// Numbers & Boxes
#define IDC_TEST_NUMBER 100
#define IDC_TEST_CHECK 101
#define IDC_TEST_FIRST 102
#define IDC_TEST_SECOND 103
#define IDC_TEST_LIST 104
#define IDC_TEST_COUNT 105

// Text
#define IDC_TEST_TEXT 110

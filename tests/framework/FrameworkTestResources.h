// Ids of the dialog templates that the framework tests run.
#ifndef SKYLOOK_TESTS_FRAMEWORK_RESOURCES_H
#define SKYLOOK_TESTS_FRAMEWORK_RESOURCES_H

#define IDD_FRAMEWORK_TEST 100
#define IDC_TEST_LABEL 1001
#define IDC_TEST_OWNERDRAWN 1002
#define IDC_TEST_EDIT 1003

// The standard controls that the views and item helpers work on.
#define IDD_FRAMEWORK_ITEMS 101
#define IDC_ITEMS_EDIT 1101
#define IDC_ITEMS_CHECK 1102
#define IDC_ITEMS_RADIO_FIRST 1103
#define IDC_ITEMS_RADIO_SECOND 1104
#define IDC_ITEMS_RADIO_THIRD 1105
#define IDC_ITEMS_COMBO 1106
#define IDC_ITEMS_LIST 1107
#define IDC_ITEMS_BUTTON 1108
#define IDC_ITEMS_TABS 1109
// Named by no control of either template.
#define IDC_TEST_MISSING 4242

#endif

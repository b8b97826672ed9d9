// Ids of the dialog template that the framework tests run.
#ifndef SKYLOOK_TESTS_FRAMEWORK_RESOURCES_H
#define SKYLOOK_TESTS_FRAMEWORK_RESOURCES_H

#define IDD_FRAMEWORK_TEST 100
#define IDC_TEST_LABEL 1001
#define IDC_TEST_OWNERDRAWN 1002
#define IDC_TEST_EDIT 1003

#endif

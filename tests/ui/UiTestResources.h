// Resources of the dialog tests, beside the program's own.
#ifndef SKYLOOK_TESTS_UI_RESOURCES_H
#define SKYLOOK_TESTS_UI_RESOURCES_H

// A sub-dialog of the kind the pages open (profile, certificate selection, certificate view).
#define IDD_UI_TEST_SUB 900

#endif

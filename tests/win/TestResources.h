// Resource IDs of the framework tests (apart from the program's own).
#pragma once

#define IDD_TEST_DIALOG 900
#define IDC_TEST_COMBO 901
#define IDC_TEST_COMBO2 902
#define IDC_TEST_CHECK 903
#define IDC_TEST_EDIT 904
#define IDC_TEST_BUTTON 905

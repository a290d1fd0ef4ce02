// Ids of the framework tests' dialogs.
#pragma once

#define IDD_TEST 1000
#define IDD_CHILD 1001

#define IDC_LABEL 1010
#define IDC_EDIT 1011
#define IDC_CHECK 1012
// A radio group whose ids do not follow template order.
#define IDC_RADIO_A 1040
#define IDC_RADIO_B 1039
#define IDC_RADIO_C 1045
#define IDC_RADIO_OTHER 1046
#define IDC_NOTE 1047
#define IDC_LIST 1050
#define IDC_CHILD_LABEL 1060

// Ids of the controls tests' dialog.
#pragma once

#define IDD_BUTTONS 1100

#define IDC_BTN_DEFAULT 1110
#define IDC_BTN_NORMAL 1111
#define IDC_BTN_HOVER 1112
#define IDC_BTN_DISABLED 1113
#define IDC_OPACHECK 1114
#define IDC_FIELD 1115

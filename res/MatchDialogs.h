// Resource ids of the dialogs of match conditions and per-application
// presets: the match condition, the child-window choice, the process and
// child choice, the preset list and one preset.
#pragma once

// Match condition.
#define IDD_MATCHCONDITIONDLG 139
#define IDC_CHECK_PROCESS 1046
#define IDC_CHECK_TITLE 1047
#define IDC_CHECK_TITLEFULL 1048
#define IDC_EDIT_TITLEPART 1049
#define IDC_CHECK_EXTENT 1050
#define IDC_STATIC_EXCLASS 1114
#define IDC_STATIC_EXCTLID 1115
#define IDC_STATIC_EXTEXT 1116
#define IDC_EDIT_EXPART 1117
#define IDC_CHECK_EXFULL 1118
#define IDC_BUTTON_SELECTCHILD 1119
#define IDC_BUTTON_ORGTITLE 1135
#define IDC_BUTTON_ORGEXTEXT 1136

// Child-window choice.
#define IDD_CHILDSELDLG 152
#define IDC_LIST_CHILD 1120
#define IDC_BUTTON_RELOADIMAGE 1121

// Process and child choice.
#define IDD_WINEXSELDLG 159
#define IDC_BUTTON_RELOADWINDOWS 1141
#define IDC_LIST_WINEX 1145

// Preset list.
#define IDD_PRESETMATCHCONDITIONDLG 157
#define IDC_LIST_PRESET 1137
#define IDC_BUTTON_PRESETADD 1138
#define IDC_BUTTON_PRESETCHANGE 1139
#define IDC_BUTTON_PRESETDELETE 1003

// One preset.
#define IDD_PRESETSETTINGDLG 158
#define IDC_EDIT_CONDNAME 1139
#define IDC_CHECK_PRESET_PROCESS 1046
#define IDC_CHECK_PRESET_TITLE 1047
#define IDC_CHECK_PRESET_EXTENT 1048
#define IDC_BUTTON_RUNNINGWINDOW 1147
#define IDC_EDIT_EXENAME 1140
#define IDC_EDIT_EXCLASS 1144
#define IDC_EDIT_EXCTLID 1145

// Resource ids of the program.
#pragma once

#define IDS_APPNAME 1
// The balloon tip of a text field that left out what it cannot save.
#define IDS_UNSTORED_TITLE 2
#define IDS_UNSTORED_TEXT 3

// The program icon: window, notification area, version box.
#define IDR_MAINFRAME 128
// The desktop's entry in the window lists.
#define IDI_DESKTOP 141

// The note window and its two controls.
#define IDD_MEMLETWIN 131
#define IDC_EDIT_MEMLET 1005
#define IDC_STATIC_PICKBAR 1006

// A note's leader line and one of its two handles.
#define IDD_POINTWIN 153
#define IDD_ARROWWIN 154

// The main panel and its controls.
#define IDD_CONTROLDLG 129
#define IDC_LIST_DATA 1002
#define IDC_BUTTON_DELETE 1003
#define IDC_BUTTON_DELETEALL 1004
#define IDC_BUTTON_EXPORTSTACK 3
#define IDC_BUTTON_REPASTE 4
#define IDC_BUTTON_PENDINGLIST 6
#define IDC_EDIT_TEXT 1007
#define IDC_BUTTON_PROPATY 1018
#define IDC_BUTTON_MATCHCONDITION 1019
#define IDC_BUTTON_INITIALMEMLET 1031
#define IDC_BUTTON_PRESET 1032
#define IDC_BUTTON_TELOP 1070
#define IDC_STATIC_COUNT 1097
#define IDC_BUTTON_WINDOWCENTER 1178
#define IDC_BUTTON_MONITORCENTER 1179
#define IDC_BUTTON_EDITTEXT 1186
#define IDC_BUTTON_TELOPCANCEL 1189
#define IDC_RADIO_TITLE 1200
#define IDC_RADIO_TEXT 1201

// The main window, its menu and its version box.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TESSELIN_DIALOG 102
#define IDR_TRAY_MENU 130
#define IDM_ABOUTBOX 0x0010
#define IDC_STATIC_VERSION 1004
#define IDC_BUTTON_INPORTSTACK 1133
#define IDC_SYSLINK_HOME 1151
#define IDC_STATIC_ICON 1155
#define IDC_CHECK_SERCHPANEL 1162
#define ID_MENUITEM_SHOWPANEL 32771
#define ID_MENUITEM_EXIT 32772
#define ID_MENUITEM_PASTEDESKTOP 32782
#define ID_MENUITEM_SELECTPASTE 32789
#define ID_MENUITEM_SAVE 32795
#define ID_MENUITEM_EXPORTSTACK 32798
#define ID_MENUITEM_INPORTSTACK 32803
#define ID_MENUITEM_PENDINGLIST 32804

// The writing window.
#define IDD_WRITEMSG 135
#define IDC_STATIC_MESSAGE 1016

// The window selection dialog and its preview.
#define IDD_WINDOWSELDLG 147
#define IDC_LIST_WINDOW 1098
#define IDC_STATIC_IMAGE 1205

// The dialogs of a note's look and text.
#include "res/NoteDialogs.h"

// The search panel.
#include "res/SearchDialog.h"

// The property, initial-values and initial-size dialogs.
#include "res/PropDialogs.h"

// The export cache, the import cache and the pending list.
#include "res/CacheDialogs.h"
#include "res/NoteMenu.h"
// The dialogs of match conditions and presets.
#include "res/MatchDialogs.h"

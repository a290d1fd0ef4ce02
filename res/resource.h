// Resource ids of the program.
#pragma once

#define IDS_APPNAME 1

// The program icon: window, notification area, version box.
#define IDR_MAINFRAME 128
// The desktop's entry in the window lists.
#define IDI_DESKTOP 141

// The note window and its two controls.
#define IDD_MEMLETWIN 131
#define IDC_EDIT_MEMLET 1005
#define IDC_STATIC_PICKBAR 1006

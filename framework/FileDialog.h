// The system's file dialogs (the newer style) for one file name: filters are
// given as "name|pattern|name|pattern||" (CP932). Paths are the system's
// own (UTF-16): a file of any name can be chosen.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include <string>

struct CFileDialogArgs {
    bool open = true;           // false: the save dialog
    const char* defExt = "";    // added to a name typed without one
    const char* filter = "";
    DWORD flags = 0;            // OFN_* besides the newer style
};

// True with the chosen full path; false when the user cancelled.
bool AppFileDialog(const CFileDialogArgs& args, std::wstring& path);

// Tests answer file dialogs through a hook instead of the screen; null
// restores the real dialog.
using FileDialogHook = bool (*)(const CFileDialogArgs& args, std::wstring& path);
void SetFileDialogHook(FileDialogHook hook);

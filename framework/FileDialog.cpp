#include "framework/FileDialog.h"

#include <commdlg.h>

#include <vector>

#include "framework/App.h"
#include "framework/Text.h"
#include "framework/Trace.h"

static FileDialogHook g_fileDialogHook;

void SetFileDialogHook(FileDialogHook hook) { g_fileDialogHook = hook; }

// "a|b|c|d||" as the system wants it: each part ended by a zero, two at the end.
static std::wstring FilterText(const char* filter) {
    std::wstring w = ToWide(filter ? filter : "");
    for (wchar_t& c : w)
        if (c == L'|')
            c = L'\0';
    w.push_back(L'\0');
    w.push_back(L'\0');
    return w;
}

bool AppFileDialog(const CFileDialogArgs& args, std::wstring& path) {
    if (g_fileDialogHook)
        return g_fileDialogHook(args, path);
    std::wstring filter = FilterText(args.filter);
    std::wstring defExt = ToWide(args.defExt ? args.defExt : "");
    // Long paths of the wide functions, well past MAX_PATH.
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    if (!ofn.hwndOwner)
        ofn.hwndOwner = AppMainWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = (DWORD)file.size();
    ofn.lpstrDefExt = defExt.empty() ? nullptr : defExt.c_str();
    ofn.Flags = args.flags | OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    BOOL ok = args.open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!ok) {
        if (DWORD err = CommDlgExtendedError())
            Trace("file dialog Error=%lu\n", err);
        return false;
    }
    path = file.data();
    return true;
}

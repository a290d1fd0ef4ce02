#include "framework/DataExchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "framework/Text.h"
#include "framework/Window.h"
#include "framework/Wnd.h"

void DDX_Check(CDataExchange& dx, int id, int& value) {
    if (dx.save)
        value = IsDlgButtonChecked(dx.dlg, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(dx.dlg, id, value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_Radio(CDataExchange& dx, int firstId, int& value) {
    HWND first = GetDlgItem(dx.dlg, firstId);
    if (!first)
        return;
    if (dx.save)
        value = -1;
    int position = 0;
    HWND h = first;
    do {
        // Only radio buttons count; anything else in the group is passed over.
        if (SendMessageW(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (dx.save) {
                if (SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED && value == -1)
                    value = position;
            } else {
                SendMessageW(h, BM_SETCHECK, position == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            position++;
        }
        h = GetWindow(h, GW_HWNDNEXT);
    } while (h && !(GetWindowLongW(h, GWL_STYLE) & WS_GROUP));
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    if (dx.save)
        value = GetWindowTextCp932(GetDlgItem(dx.dlg, id));
    else
        SetDlgItemTextW(dx.dlg, id, ToWide(value).c_str());
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
    if (!dx.save) {
        SetDlgItemTextW(dx.dlg, id, std::to_wstring(value).c_str());
        return;
    }
    std::string text = GetWindowTextCp932(GetDlgItem(dx.dlg, id));
    const char* begin = text.c_str();
    while (*begin == ' ')
        begin++;
    char* end = nullptr;
    errno = 0;
    long n = strtol(begin, &end, 10);
    while (end && *end == ' ')
        end++;
    if (end != begin && end && *end == '\0' && errno == 0 && n >= INT_MIN && n <= INT_MAX)
        value = (int)n;
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control) {
    if (!control.m_hWnd)
        control.SubclassDlgItem(id, dx.dlg);
}

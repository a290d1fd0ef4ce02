// The export cache, the import cache and the pending list, each with a few
// notes listed, and the import cache refusing a file of another program.
#include <algorithm>
#include <cstdio>
#include <thread>

#include "dialogs/ExportStackDlg.h"
#include "dialogs/InportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "framework/Pixels.h"
#include "framework/Text.h"
#include "shots/Settle.h"
#include "shots/Sheets.h"

namespace {

CExportStackDlg g_export;
CInportStackDlg g_import;
CPendingDlg g_pending;

CMemletData Note(const char* exe, const char* title, const char* text) {
    CMemletData d;
    d.m_strExeName = exe;
    d.m_strTitle = title;
    d.m_strText = text;
    return d;
}

std::vector<CMemletData> Notes() {
    return {
        Note("NOTEPAD.EXE", "議事録.txt - メモ帳", "来週の定例までに予算案を確認"),
        Note("EXCEL.EXE", "売上報告_2024.xlsx - 表計算", "第３四半期の数字は速報値"),
        Note("DESKTOP", "DESKTOP", "歯医者　木曜 18:30"),
        Note("EXPLORER.EXE", "ドキュメント", "古い資料は月末に整理する"),
    };
}

// The second row chosen, as by a click.
void ChooseRow(CListCtrl& list, int row) {
    list.SetSelectionMark(row);
    list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

RECT Place(CDialog& dlg, CListCtrl& list) {
    ChooseRow(list, 1);
    SetWindowPos(dlg.m_hWnd, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(dlg.m_hWnd);
    dlg.Send(WM_NEXTDLGCTL, (WPARAM)list.m_hWnd, TRUE);
    return dlg.GetWindowRect();
}

// A message box of that thread, once it is shown.
HWND WaitForBox(DWORD thread) {
    for (int i = 0; i < 200; i++) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND h, LPARAM out) {
                if (IsWindowVisible(h)) {
                    *(HWND*)out = h;
                    return FALSE;
                }
                return TRUE;
            },
            (LPARAM)&found);
        if (found)
            return found;
        Sleep(20);
    }
    return nullptr;
}

// A box of another thread can be shown and yet not on the screen for a
// while (seen for seconds under Wine): it is there once its text stands
// dark where the dialog's empty list is white.
bool WaitUntilDrawn(HWND box) {
    DWORD end = GetTickCount() + 20000;
    while ((LONG)(GetTickCount() - end) < 0) {
        Pump(100);
        RECT c;
        GetClientRect(box, &c);
        POINT at{0, 0};
        ClientToScreen(box, &at);
        CPixels pixels(c.right, c.bottom);
        if (c.right > 0 && c.bottom > 0 && pixels.CaptureScreen(at.x, at.y) &&
            InkRows(pixels, 0, RGB(255, 255, 255)) >= 4)
            return true;
    }
    return false;
}

}  // namespace

RECT ShowExportStackSheet() {
    if (!g_export.Create(nullptr))
        return RECT{};
    for (const CMemletData& d : Notes())
        g_export.AddData(d);
    return Place(g_export, g_export.m_ListCtrl);
}

RECT ShowInportStackSheet() {
    if (!g_import.Create(nullptr))
        return RECT{};
    g_import.m_MemletList = Notes();
    g_import.UpdateList();
    return Place(g_import, g_import.m_ListCtrl);
}

RECT ShowPendingSheet() {
    if (!g_pending.Create(nullptr))
        return RECT{};
    std::vector<CMemletData> notes = Notes();
    for (auto it = notes.rbegin(); it != notes.rend(); ++it)
        g_pending.AddData(*it);
    return Place(g_pending, g_pending.m_ListCtrl);
}

// The refusal is the program's own box; it runs its loop on a thread of its
// own, so that this one can take the picture while it is shown.
RECT ShowImportRefusalSheet() {
    if (!g_import.Create(nullptr))
        return RECT{};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static std::string path = std::string(temp) + "corvana-shot-other.qvx";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char other[] = "[SYSTEM]\r\nAPPNAME=Other\r\nSAVEFORMAT=0\r\nMEMLTENUM=1\r\n";
    DWORD written = 0;
    WriteFile(h, other, sizeof other - 1, &written, nullptr);
    CloseHandle(h);
    RECT dlg = Place(g_import, g_import.m_ListCtrl);
    static DWORD boxThread = 0;
    std::thread([] {
        boxThread = GetCurrentThreadId();
        g_import.ReadImportFile(path);
    }).detach();
    while (!boxThread)
        Sleep(10);
    HWND box = WaitForBox(boxThread);
    DeleteFileA(path.c_str());
    if (!box)
        return RECT{};
    // Over the dialog that asked, as the user sees it.
    RECT b;
    GetWindowRect(box, &b);
    int x = (dlg.left + dlg.right) / 2 - (b.right - b.left) / 2;
    int y = (dlg.top + dlg.bottom) / 2 - (b.bottom - b.top) / 2;
    SetWindowPos(box, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE);
    if (!WaitUntilDrawn(box))
        fprintf(stderr, "the refusal box did not reach the screen\n");
    GetWindowRect(box, &b);
    return RECT{std::min(dlg.left, b.left) - 10, std::min(dlg.top, b.top) - 10, std::max(dlg.right, b.right) + 10,
                std::max(dlg.bottom, b.bottom) + 10};
}

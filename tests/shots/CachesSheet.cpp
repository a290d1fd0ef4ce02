// The export cache, the import cache and the pending list, each with a few
// notes listed, and the import cache refusing a file of another program.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

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

// The refusal box runs its loop on this thread, as in the program; the
// picture is taken from inside that loop once the box is over the dialog,
// everything is painted and two pictures in a row are alike, then the box
// is answered.
struct {
    const char* file = nullptr;
    HWND box = nullptr;
    std::unique_ptr<CPixels> last;
    DWORD deadline = 0;
    bool saved = false;
} g_refusal;

HWND FindRefusalBox() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM out) -> BOOL {
            wchar_t title[32] = {};
            GetWindowTextW(h, title, 32);
            if (IsWindowVisible(h) && h != g_import.m_hWnd && lstrcmpW(title, L"Corvana") == 0) {
                *(HWND*)out = h;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&found);
    return found;
}

void CALLBACK OnRefusalTick(HWND, UINT, UINT_PTR id, DWORD) {
    bool late = (LONG)(GetTickCount() - g_refusal.deadline) >= 0;
    RECT dlg = g_import.GetWindowRect();
    if (!g_refusal.box) {
        if (!(g_refusal.box = FindRefusalBox())) {
            if (late)
                KillTimer(nullptr, id);
            return;
        }
        // Over the dialog that asked, as the user sees it.
        RECT b;
        GetWindowRect(g_refusal.box, &b);
        int x = (dlg.left + dlg.right) / 2 - (b.right - b.left) / 2;
        int y = (dlg.top + dlg.bottom) / 2 - (b.bottom - b.top) / 2;
        SetWindowPos(g_refusal.box, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
        return;
    }
    RECT b;
    GetWindowRect(g_refusal.box, &b);
    RECT r{std::min(dlg.left, b.left) - 10, std::min(dlg.top, b.top) - 10, std::max(dlg.right, b.right) + 10,
           std::max(dlg.bottom, b.bottom) + 10};
    auto pixels = std::make_unique<CPixels>(r.right - r.left, r.bottom - r.top);
    if (!pixels->CaptureScreen(r.left, r.top))
        return;
    bool still = g_refusal.last && pixels->SameAs(*g_refusal.last);
    if ((AllPainted() && still) || late) {
        KillTimer(nullptr, id);
        g_refusal.saved = pixels->SaveBmp(g_refusal.file);
        PostMessageW(g_refusal.box, WM_COMMAND, IDOK, 0);
        return;
    }
    g_refusal.last = std::move(pixels);
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

bool ShowImportRefusalSheet(const char* file) {
    if (!g_import.Create(nullptr))
        return false;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "corvana-shot-other.qvx";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char other[] = "[SYSTEM]\r\nAPPNAME=Other\r\nSAVEFORMAT=0\r\nMEMLTENUM=1\r\n";
    DWORD written = 0;
    WriteFile(h, other, sizeof other - 1, &written, nullptr);
    CloseHandle(h);
    Place(g_import, g_import.m_ListCtrl);
    Pump(500);
    g_refusal.file = file;
    g_refusal.deadline = GetTickCount() + 10000;
    SetTimer(nullptr, 0, 200, OnRefusalTick);
    g_import.ReadImportFile(path);
    DeleteFileA(path.c_str());
    if (!g_refusal.saved)
        fprintf(stderr, "the refusal box did not come\n");
    return g_refusal.saved;
}

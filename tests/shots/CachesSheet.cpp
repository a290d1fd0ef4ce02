// The export cache, the import cache and the pending list, each with a few
// notes listed, the import cache refusing a file of another program, and
// the import cache telling of a damaged file over the notes it read.
#include <string>

#include "dialogs/ExportStackDlg.h"
#include "dialogs/InportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "framework/Text.h"
#include "platform/VersionString.h"
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
    bool saved = SaveBoxSheet(file, g_import.m_hWnd, [&] { g_import.ReadImportFile(ToWide(path)); });
    DeleteFileA(path.c_str());
    return saved;
}

bool ShowImportDamageSheet(const char* file) {
    if (!g_import.Create(nullptr))
        return false;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"corvana-shot-議事録メモ.qvx";
    // Four notes counted two, the last text cut short.
    std::string damaged = "[SYSTEM]\r\nAPPNAME=Corvana\r\nVERSION=" + HeaderVersion(GetVersionString()) +
                          "\r\nSAVEFORMAT=0\r\nMEMLTENUM=2\r\n";
    const std::vector<CMemletData> notes = Notes();
    for (size_t i = 0; i < notes.size(); i++) {
        static const char digits[] = "0123456789abcdef";
        std::string hex;
        for (unsigned char c : notes[i].m_strText) {
            hex += digits[c >> 4];
            hex += digits[c & 15];
        }
        if (i + 1 == notes.size())
            hex.resize(hex.size() - 3);
        damaged += "[MEMLETITEM" + std::to_string(i) + "]\r\nEXENAME=" + notes[i].m_strExeName +
                   "\r\nTITLE=" + notes[i].m_strTitle + "\r\nTEXT=" + hex + "\r\n";
    }
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, damaged.data(), (DWORD)damaged.size(), &written, nullptr);
    CloseHandle(h);
    Place(g_import, g_import.m_ListCtrl);
    Pump(500);
    bool saved = SaveBoxSheet(file, g_import.m_hWnd, [&] { g_import.ReadImportFile(path); });
    DeleteFileW(path.c_str());
    return saved;
}

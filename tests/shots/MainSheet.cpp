// The main window with notes in its panel's list (also with a row chosen and
// the notes' texts shown), the version box, the writing window, and the
// start-up's box about files that were not read whole.
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "app/TesselinDlg.h"
#include "app/ProgramFolder.h"
#include "app/UnreadFilesMessage.h"
#include "app/WriteMsgDlg.h"
#include "framework/MessageBox.h"
#include "panel/ControlDlgTestAccess.h"
#include "res/resource.h"
#include "shots/Settle.h"
#include "shots/Sheets.h"

namespace {

CTesselinDlg* g_main;
CAboutDlg g_about;
CWriteMsgDlg g_writing;

CMemletData Note(const char* exe, const char* path, const char* title, int64_t daysAgo) {
    CMemletData d;
    d.m_strExeName = exe;
    d.m_strExePath = path;
    d.m_strTitle = title;
    d.m_tGenDate -= daysAgo * 86400;
    d.m_tAcsDate -= daysAgo * 3600;
    return d;
}

}  // namespace

RECT ShowMainSheet() {
    g_main = new CTesselinDlg;
    if (!g_main->Create(nullptr))
        return RECT{};
    CControlDlg& panel = g_main->m_ControlDlg;
    // The sample notes stay in the list; none opens on the screen.
    KillTimer(panel.m_hWnd, 103);
    const char* notepad = "C:\\windows\\notepad.exe";
    Fields(panel).m_MemletList = {
        Note("NOTEPAD.EXE", notepad, "(無題) - メモ帳", 0),
        Note("DESKTOP", "DESKTOP", "DESKTOP", 1),
        Note("EXPLORER.EXE", "C:\\windows\\explorer.exe", "ドキュメント", 3),
        Note("NOTEPAD.EXE", notepad, "議事録.txt - メモ帳", 12),
        Note("DESKTOP", "DESKTOP", "DESKTOP", 40),
    };
    Fields(panel).m_MemletList[2].m_nFull = 0;
    Fields(panel).m_MemletList[2].m_strPart = "ドキュメント";
    panel.UpdateList();
    g_main->ShowMainWindow(1);
    SetWindowPos(g_main->m_hWnd, HWND_TOP, 40, 20, 0, 0, SWP_NOSIZE);
    return g_main->GetWindowRect();
}

RECT ShowPanelSheet() {
    RECT r = ShowMainSheet();
    if (!g_main || !g_main->IsWindow())
        return r;
    // A closed note chosen, its text shown in the list: the buttons that
    // move an open note are off, the body text's on.
    CControlDlg& panel = g_main->m_ControlDlg;
    Fields(panel).m_MemletList[3].m_strText = "来週の会議の議題をまとめる";
    Fields(panel).m_MemletList[1].m_strText = "デスクトップのメモ";
    CheckRadioButton(panel.m_hWnd, IDC_RADIO_TITLE, IDC_RADIO_TEXT, IDC_RADIO_TEXT);
    panel.Send(WM_COMMAND, MAKEWPARAM(IDC_RADIO_TEXT, BN_CLICKED), (LPARAM)panel.GetDlgItem(IDC_RADIO_TEXT));
    panel.SelectItem(3);
    return r;
}

RECT ShowAboutSheet() {
    if (!g_about.Create(nullptr))
        return RECT{};
    SetWindowPos(g_about.m_hWnd, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    return g_about.GetWindowRect();
}

RECT ShowWritingSheet() {
    if (!g_writing.Create(nullptr))
        return RECT{};
    g_writing.SetMessage("コルヴァナ：書き込み中！");
    SetWindowPos(g_writing.m_hWnd, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE);
    g_writing.ShowMessage();
    return g_writing.GetWindowRect();
}

bool ShowUnreadFilesSheet(const char* file) {
    const std::wstring folder = L"C:\\Users\\山田\\Documents\\Corvana";
    std::vector<CUnreadFile> files(2);
    files[0].m_strPath = folder + L"\\CorvanaData.ini";
    files[0].m_strCopyPath = folder + L"\\CorvanaData_読込不完全_20261210_085312.ini";
    files[0].m_nDamage = kDamageCount | kDamageCutText;
    files[0].m_nNotesRead = 12000;
    files[1].m_strPath = folder + L"\\BriscoPendingList.ini";
    files[1].m_nDamage = kDamageGap | kDamageTwice;
    files[1].m_nNotesRead = 3;
    return SaveBoxSheet(file, nullptr, [&] { AppMessageBox(UnreadFilesMessage(files), MB_OK); });
}

bool ShowUnservedFolderSheet(const char* file) {
    const std::wstring folder = L"D:\\Users\\Jos\u00e9\\Documents\\caf\u00e9\\Corvana";
    return SaveBoxSheet(file, nullptr, [&] { AppMessageBox(UnservedFolderMessage(folder), MB_OK); });
}

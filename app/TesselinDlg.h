// The main window: hidden nearly always, it hosts the main panel, keeps the
// notification-area icon and its tip current, answers the extension
// utility, and saves everything at exit and at the end of a log-on.
#pragma once
#include <windows.h>

#include <shellapi.h>
#include <uxtheme.h>

#include <string>
#include <vector>

#include "app/MFCButtonEx.h"
#include "app/OpaCheck.h"
#include "app/WriteMsgDlg.h"
#include "dialogs/ExportStackDlg.h"
#include "dialogs/InportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "dialogs/SerchDlg.h"
#include "framework/Dialog.h"
#include "panel/ControlDlg.h"
#include "storage/UnreadFileCopy.h"

// The icon's callback message.
constexpr UINT WM_TRAYNOTIFY = WM_USER + 100;
// Posted to itself at the end of its set-up: tells of the files that were
// not read whole, once the program runs.
constexpr UINT WM_TELLUNREADFILES = WM_APP + 1;

class CTesselinDlg : public CDialog {
public:
    CTesselinDlg();
    ~CTesselinDlg() override;

    // The only way the main window is shown or hidden.
    void ShowMainWindow(int show);
    void UpdateTrayTip();
    void AddTrayIcon();
    // Clears the search-panel check box when the search panel closes itself.
    void UncheckSerchPanel();
    bool DestroyWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    HICON m_hIcon;
    HICON m_hTrayIcon;
    std::wstring m_strDataPath;
    std::wstring m_strPropatyPath;
    std::wstring m_strPreSetPath;
    std::wstring m_strPendingPath;
    CControlDlg m_ControlDlg;
    CWriteMsgDlg m_WriteMsgDlg;
    CSerchDlg m_SerchDlg;
    CExportStackDlg m_ExportStackDlg;
    CInportStackDlg m_InportStackDlg;
    CPendingDlg m_PendingDlg;
    HWND m_hWndIcon = nullptr;  // the window the icon was added for
    NOTIFYICONDATAW m_nid{};
    std::string m_strTip;  // the tip now in the icon data
    int m_bShown = 0;
    int m_bComposition = 0;
    MARGINS m_Margins{};
    int m_bOpaCheckSubclassed = 0;
    COpaCheck m_chkOpa;
    int m_nSerchCheck = 0;
    CMFCButtonEx m_btnExportStack, m_btnInportStack, m_btnPendingList;
    // Taken from the store at set-up, emptied when told.
    std::vector<CUnreadFile> m_UnreadFiles;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    // Enter, Esc and the close box only hide the main window.
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND ctl) override;
    bool OnNotify(NMHDR* nm, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    void OnWindowPosChanging(WINDOWPOS* pos) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;
    void OnPaint() override;
    void OnDestroy() override;
    void PostNcDestroy() override;
    // Told to quit from outside: everything written first, as at the end
    // of a session.
    void OnModalQuit() override;

    void OnMenuitemshowpanel();
    void OnMenuitemsave();
    void OnMenuitemexit();
    void OnSysCommand(UINT id);
    void OnTrayNotify(UINT mouseMsg);
    void OnTellUnreadFiles();

    // The search panel: made hidden with the main window, shown and placed
    // over its upper part through check box 1162.
    void CreateSerchPanel();
    void OnCheckSerchPanel();
    void PlaceSerchPanel();
    void OnMove(int x, int y) override;

private:
    // Writes everything, framed by the writing window; 0 when the data
    // file could not be written.
    int SaveSequence();
    void UpdateGlass();
    void SubclassOpaCheck();
    void UnsubclassOpaCheck();
    void SetupButtons();
    // Shows a hidden modeless dialog centred on the desktop; one already
    // shown is left where it is.
    void ShowModeless(CDialog& dlg);
    LRESULT OnExtentUtl(WPARAM wp, LPARAM lp);

    UINT m_msgTaskbarCreated = 0;
    UINT m_msgExtentUtl = 0;
    HFONT m_hMenuFont = nullptr;
};

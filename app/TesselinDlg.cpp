#include "app/TesselinDlg.h"

#include <cstdio>
#include <cwchar>

#include "app/AboutDlg.h"
#include "app/HomePage.h"
#include "app/UnreadFilesMessage.h"
#include "dialogs/HotKeyExCtrl.h"
#include "framework/App.h"
#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "panel/Hub.h"
#include "platform/BindProc.h"
#include "platform/Dwm.h"
#include "platform/InnerRect.h"
#include "platform/MenuFont.h"
#include "platform/OsVersion.h"
#include "platform/WindowRects.h"
#include "res/resource.h"
#include "storage/MemletDataStore.h"

namespace {

constexpr UINT_PTR kTimerTray = 101;
constexpr UINT kTrayMs = 1000;
// Each retry of a shell that is busy waits a second on this thread.
constexpr int kTrayRetries = 3;
constexpr size_t kMaxTip = 127;  // bytes of the icon's tip
constexpr UINT kReplyTimeoutMs = 2000;

// On and usable: the call succeeded and said so.
int CompositionOn() {
    BOOL enabled = FALSE;
    return SUCCEEDED(IsCompositionEnabled(&enabled)) && enabled ? 1 : 0;
}

// From Windows 6.0 on, messages of less privileged programs reach us only
// when allowed; the function is bound at run time, for older systems.
void AllowMessage(UINT msg) {
    if (!IsVistaOrLater())
        return;
    BOOL(WINAPI * change)(UINT, DWORD) = nullptr;
    BindProc(GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilter", change);
    if (change)
        change(msg, 1 /* MSGFLT_ADD */);
}

}  // namespace

CTesselinDlg::CTesselinDlg() : CDialog(IDD_TESSELIN_DIALOG) {
    m_hIcon = LoadIconW(AppInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_hTrayIcon = LoadIconW(AppInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_strDataPath = PathInCurrentDirectory(L"CorvanaData.ini");
    m_strPropatyPath = PathInCurrentDirectory(L"TesselinPropaty.ini");
    m_strPreSetPath = PathInCurrentDirectory(L"TesselinPreset.ini");
    m_strPendingPath = PathInCurrentDirectory(L"BriscoPendingList.ini");
}

CTesselinDlg::~CTesselinDlg() {
    if (g_pTesselinDlg == this)
        SetTesselinDlg(nullptr);
    if (m_hMenuFont)
        DeleteObject(m_hMenuFont);
}

void CTesselinDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IDC_CHECK_SERCHPANEL, m_nSerchCheck);
    DDX_Control(dx, IDC_BUTTON_EXPORTSTACK, m_btnExportStack);
    DDX_Control(dx, IDC_BUTTON_INPORTSTACK, m_btnInportStack);
    DDX_Control(dx, IDC_BUTTON_PENDINGLIST, m_btnPendingList);
}

bool CTesselinDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    std::wstring about(256, L'\0');
    about.resize(LoadStringW(AppInstance(), IDS_ABOUTBOX, about.data(), (int)about.size()));
    if (HMENU sys = GetSystemMenu(m_hWnd, FALSE); sys && !about.empty()) {
        AppendMenuW(sys, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(sys, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }
    Send(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    Send(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    SetTesselinDlg(this);
    AppSetMainWindow(m_hWnd);

    if (m_ControlDlg.Create(m_hWnd)) {
        m_ControlDlg.SetPreSetFilePath(m_strPreSetPath);
        m_ControlDlg.SetPropatyFilePath(m_strPropatyPath);
        m_ControlDlg.SetDataFilePath(m_strDataPath);
        m_ControlDlg.ShowWindow(SW_SHOW);
    }
    m_WriteMsgDlg.Create(m_hWnd);
    m_ExportStackDlg.Create(m_hWnd);
    m_InportStackDlg.Create(m_hWnd);
    CreateSerchPanel();
    if (m_PendingDlg.Create(m_hWnd)) {
        m_PendingDlg.Initialize(m_strPendingPath);
        m_PendingDlg.ShowWindow(SW_HIDE);
    }

    CenterWindow();
    UpdateTrayTip();
    AddTrayIcon();
    ShowMainWindow(0);
    m_bComposition = CompositionOn();
    GetInnerMargins(m_hWnd, m_ControlDlg.m_hWnd, &m_Margins);
    UpdateGlass();
    SetupButtons();
    SetTimer(kTimerTray, kTrayMs);
    if (g_pMemletDataStore && !g_pMemletDataStore->m_UnreadFiles.empty()) {
        m_UnreadFiles = std::move(g_pMemletDataStore->m_UnreadFiles);
        g_pMemletDataStore->m_UnreadFiles.clear();
        PostMessageW(m_hWnd, WM_TELLUNREADFILES, 0, 0);
    }
    return true;
}

void CTesselinDlg::OnTellUnreadFiles() {
    if (m_UnreadFiles.empty())
        return;
    std::wstring text = UnreadFilesMessage(m_UnreadFiles);
    m_UnreadFiles.clear();
    AppMessageBox(text, MB_OK);
}

void CTesselinDlg::SetupButtons() {
    if (!m_hMenuFont)
        m_hMenuFont = CreateMenuFont();
    for (CMFCButton* b : {&m_btnExportStack, &m_btnInportStack, &m_btnPendingList}) {
        b->SetMouseCursorHand();
        if (m_hMenuFont)
            b->SetFont(m_hMenuFont, true);
    }
}

void CTesselinDlg::ShowMainWindow(int show) {
    m_bShown = show;
    ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (show) {
        ShowWindow(SW_SHOWNORMAL);
        return;
    }
    m_nSerchCheck = 0;
    if (m_SerchDlg.m_hWnd)
        m_SerchDlg.ShowWindow(SW_HIDE);
    ::CheckDlgButton(m_hWnd, IDC_CHECK_SERCHPANEL, BST_UNCHECKED);
}

void CTesselinDlg::OnWindowPosChanging(WINDOWPOS* pos) {
    Default();
    // Hidden until the user asks: not even the modal loop's first show.
    if (m_bShown)
        pos->flags |= SWP_SHOWWINDOW;
    else
        pos->flags &= ~SWP_SHOWWINDOW;
}

void CTesselinDlg::OnOK() { ShowMainWindow(0); }
void CTesselinDlg::OnCancel() { ShowMainWindow(0); }

void CTesselinDlg::OnMenuitemshowpanel() {
    if (!m_bShown) {
        // The visible frame in the bottom-right corner of the work area.
        RECT f, w, area{};
        GetWindowRects(m_hWnd, f, w);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        int fw = f.right - f.left, fh = f.bottom - f.top;
        int x = area.right - fw + (fw - (w.right - w.left)) / 2;
        int y = area.bottom - fh + (fh - (w.bottom - w.top)) / 2;
        SetWindowPos(m_hWnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
        ShowMainWindow(1);
    }
    if (IsIconic(m_hWnd))
        ShowWindow(SW_RESTORE);
    SetForegroundWindow(m_hWnd);
}

void CTesselinDlg::UpdateTrayTip() {
    char buf[512];
    snprintf(buf, sizeof buf, "%s\r\nWindowに貼付け[%s]\r\nDesktopに貼付け[%s]", "コルヴァナ",
             CHotKeyExCtrl::GetRegHotKeyName(m_ControlDlg.HkPastModifiers(), m_ControlDlg.HkPastKey()).c_str(),
             CHotKeyExCtrl::GetRegHotKeyName(m_ControlDlg.HkPastDtModifiers(), m_ControlDlg.HkPastDtKey())
                 .c_str());
    // Cut on a character, so that an unchanged tip compares equal.
    std::string tip = MbCut(buf, kMaxTip);
    if (m_nid.cbSize && tip == m_strTip)
        return;
    m_strTip = tip;
    m_nid = NOTIFYICONDATAW{};
    m_nid.cbSize = sizeof m_nid;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = 0;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = WM_TRAYNOTIFY;
    m_nid.hIcon = m_hTrayIcon;
    std::wstring w = ToWide(tip);
    wcsncpy(m_nid.szTip, w.c_str(), sizeof m_nid.szTip / sizeof m_nid.szTip[0] - 1);
    m_hWndIcon = m_hWnd;
}

void CTesselinDlg::AddTrayIcon() {
    if (Shell_NotifyIconW(NIM_ADD, &m_nid))
        return;
    // A busy shell: try a few times, then leave it to the next tick.
    for (int i = 0; i < kTrayRetries && GetLastError() == ERROR_TIMEOUT; i++) {
        if (Shell_NotifyIconW(NIM_MODIFY, &m_nid))
            return;
        Sleep(1000);
        if (Shell_NotifyIconW(NIM_ADD, &m_nid))
            return;
    }
    Trace("通知領域にアイコンを登録できませんでした。 err=%lu\n", GetLastError());
}

void CTesselinDlg::OnTimer(UINT_PTR id) {
    if (id == kTimerTray) {
        UpdateTrayTip();
        if (!Shell_NotifyIconW(NIM_MODIFY, &m_nid))
            AddTrayIcon();
    }
    CDialog::OnTimer(id);
}

void CTesselinDlg::OnTrayNotify(UINT mouseMsg) {
    if (mouseMsg == WM_LBUTTONDBLCLK) {
        OnMenuitemshowpanel();
        return;
    }
    if (mouseMsg != WM_RBUTTONUP)
        return;
    SetForegroundWindow(m_hWnd);
    HMENU menu = LoadMenuW(AppInstance(), MAKEINTRESOURCEW(IDR_TRAY_MENU));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    POINT pt;
    GetCursorPos(&pt);
    HWND self = m_hWnd;
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, 0, self, nullptr);
    DestroyMenu(menu);
}

bool CTesselinDlg::OnCommand(int id, int code, HWND ctl) {
    switch (id) {
    case ID_MENUITEM_PASTEDESKTOP:
        m_ControlDlg.PasteToDesktop(0);
        return true;
    case ID_MENUITEM_SELECTPASTE:
        m_ControlDlg.SelectWindowAndPaste();
        return true;
    case ID_MENUITEM_SHOWPANEL:
        OnMenuitemshowpanel();
        return true;
    case ID_MENUITEM_SAVE:
        OnMenuitemsave();
        return true;
    case ID_MENUITEM_EXIT:
        OnMenuitemexit();
        return true;
    case IDC_CHECK_SERCHPANEL:
        if (code != BN_CLICKED)
            break;
        OnCheckSerchPanel();
        return true;
    case IDC_BUTTON_EXPORTSTACK:
    case ID_MENUITEM_EXPORTSTACK:
        ShowModeless(m_ExportStackDlg);
        return true;
    case IDC_BUTTON_INPORTSTACK:
    case ID_MENUITEM_INPORTSTACK:
        ShowModeless(m_InportStackDlg);
        return true;
    case IDC_BUTTON_PENDINGLIST:
    case ID_MENUITEM_PENDINGLIST:
        ShowModeless(m_PendingDlg);
        return true;
    }
    return CDialog::OnCommand(id, code, ctl);
}

bool CTesselinDlg::OnNotify(NMHDR* nm, LRESULT& result) {
    if (nm->idFrom == IDC_SYSLINK_HOME && (nm->code == NM_CLICK || nm->code == NM_RETURN)) {
        OpenHomePage();
        result = 0;
        return true;
    }
    return false;
}

int CTesselinDlg::SaveSequence() {
    m_WriteMsgDlg.SetMessage("コルヴァナ：書き込み中！");
    m_WriteMsgDlg.ShowMessage();
    m_WriteMsgDlg.PumpMessages();
    int ok = m_ControlDlg.SaveAll();
    // A failed save is not announced as done.
    if (ok) {
        m_WriteMsgDlg.SetMessage("コルヴァナ：書き込み完了！");
        m_WriteMsgDlg.ShowMessage();
        m_WriteMsgDlg.PumpMessages();
        Sleep(100);
    }
    m_WriteMsgDlg.HideMessage();
    return ok;
}

void CTesselinDlg::ShowModeless(CDialog& dlg) {
    if (!dlg.m_hWnd || dlg.IsWindowVisible())
        return;
    dlg.CenterWindow(GetDesktopWindow());
    dlg.ShowWindow(SW_SHOW);
}

void CTesselinDlg::OnMenuitemsave() { SaveSequence(); }

void CTesselinDlg::OnMenuitemexit() {
    ShowMainWindow(0);
    // Changes that could not be written are lost at exit: the user decides.
    if (!SaveSequence() && AppMessageBox("データを保存できませんでした。このまま終了しますか？", MB_YESNO) != IDYES)
        return;
    CDialog::OnOK();
}

void CTesselinDlg::OnModalQuit() { SaveSequence(); }

void CTesselinDlg::OnSysCommand(UINT id) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    Default();
}

void CTesselinDlg::UpdateGlass() {
    if (m_bComposition) {
        ExtendFrameIntoClientArea(m_hWnd, &m_Margins);
        SubclassOpaCheck();
    } else {
        UnsubclassOpaCheck();
    }
    Invalidate(true);
}

void CTesselinDlg::SubclassOpaCheck() {
    if (m_bOpaCheckSubclassed)
        return;
    m_bOpaCheckSubclassed = m_chkOpa.SubclassDlgItem(IDC_CHECK_SERCHPANEL, m_hWnd) ? 1 : 0;
}

void CTesselinDlg::UnsubclassOpaCheck() {
    if (!m_bOpaCheckSubclassed)
        return;
    m_chkOpa.Unsubclass();
    m_bOpaCheckSubclassed = 0;
}

HBRUSH CTesselinDlg::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    HBRUSH brush = CDialog::OnCtlColor(dc, ctl, ctlType);
    if (!m_bComposition)
        return brush;
    // Black is drawn as glass.
    SetBkMode(dc, TRANSPARENT);
    return (HBRUSH)GetStockObject(BLACK_BRUSH);
}

void CTesselinDlg::OnPaint() {
    if (!IsIconic(m_hWnd)) {
        Default();
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    Send(WM_ICONERASEBKGND, (WPARAM)dc);
    RECT r = GetClientRect();
    int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (r.right - cx + 1) / 2, (r.bottom - cy + 1) / 2, m_hIcon);
    EndPaint(m_hWnd, &ps);
}

void CTesselinDlg::OnDestroy() {
    Default();
    m_ControlDlg.DestroyWindow();
    m_WriteMsgDlg.DestroyWindow();
    m_ExportStackDlg.DestroyWindow();
    m_InportStackDlg.DestroyWindow();
    // The search panel and the pending list go with the main window they belong to.
}

void CTesselinDlg::PostNcDestroy() {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = m_hWndIcon;
    nid.uID = 0;
    Shell_NotifyIconW(NIM_DELETE, &nid);
    if (AppMainWindow() == m_hWndIcon)
        AppSetMainWindow(nullptr);
}

bool CTesselinDlg::DestroyWindow() {
    UnsubclassOpaCheck();
    return CDialog::DestroyWindow();
}

LRESULT CTesselinDlg::OnExtentUtl(WPARAM wp, LPARAM lp) {
    switch (wp) {
    case 0: {
        // Who asks gets our handle; an asker that hangs cannot stop us.
        HWND asker = (HWND)lp;
        if (::IsWindow(asker)) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(asker, m_msgExtentUtl, 1, (LPARAM)m_hWnd, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                                kReplyTimeoutMs, &ignored);
        }
        Trace("RECIEVE QUERY_WINDOWHANDLE from=0x%08x\n", (unsigned)(UINT_PTR)asker);
        return 0;
    }
    case 2:
        return CControlDlg::IsPasteTarget((HWND)lp);
    case 3:
        return 1;
    }
    return Default();
}

LRESULT CTesselinDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        m_msgTaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
        m_msgExtentUtl = RegisterWindowMessageW(L"CorvanaExtentUtl");
        AllowMessage(m_msgTaskbarCreated);
        AllowMessage(m_msgExtentUtl);
        break;
    case WM_ENDSESSION:
        // Windows ends the process after this: save, and nothing else.
        if (wp || (lp & ENDSESSION_LOGOFF))
            SaveSequence();
        return 0;
    case WM_COPYDATA: {
        auto* cds = (const COPYDATASTRUCT*)lp;
        Trace("RECIEVE WM_COPYDATA\n");
        Trace("RECIEVE WM_COPYDATA size=%d\n", cds ? (int)cds->cbData : 0);
        m_ControlDlg.PasteFromCopyData(cds);
        return Default();
    }
    case WM_TRAYNOTIFY: {
        UINT mouse = (UINT)lp;
        if (mouse == WM_LBUTTONDBLCLK || mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONDOWN ||
            mouse == WM_RBUTTONUP) {
            OnTrayNotify(mouse);
            return 0;
        }
        return Default();
    }
    case WM_SYSCOMMAND:
        OnSysCommand((UINT)wp);
        return 0;
    case WM_QUERYDRAGICON:
        return (LRESULT)m_hIcon;
    case WM_TELLUNREADFILES:
        OnTellUnreadFiles();
        return 0;
    case WM_DWMCOMPOSITIONCHANGED:
        m_bComposition = CompositionOn();
        UpdateGlass();
        return Default();
    }
    if (msg && msg == m_msgTaskbarCreated) {
        AddTrayIcon();
        return Default();
    }
    if (msg && msg == m_msgExtentUtl)
        return OnExtentUtl(wp, lp);
    return CDialog::WindowProc(msg, wp, lp);
}

#include "panel/ControlDlg.h"

#include <ctime>

#include "framework/MessageBox.h"
#include "framework/Trace.h"
#include "panel/Hub.h"
#include "panel/PanelTimers.h"
#include "platform/MenuFont.h"
#include "platform/OsVersion.h"
#include "res/resource.h"
#include "storage/ListFilePair.h"
#include "storage/MemletDataStore.h"
#include "storage/VolumeSerial.h"

CControlDlg::CControlDlg() : CDialog(IDD_CONTROLDLG) {
    m_nMinWidth = 50;
    m_nMinHeight = 20;
    m_nMaxWidth = 600;
    m_nMaxHeight = 400;
    g_pPropatyData = this;
    m_brGrey = CreateSolidBrush(RGB(230, 230, 230));
    m_brPale = CreateSolidBrush(RGB(240, 240, 200));
    SetControlDlg(this);
}

CControlDlg::~CControlDlg() {
    if (g_pPropatyData == this)
        g_pPropatyData = nullptr;
    if (g_pControlDlg == this)
        SetControlDlg(nullptr);
    DeleteObject(m_brGrey);
    DeleteObject(m_brPale);
    // The list view shares the cache's images: it goes before them.
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
    if (m_hMenuFont)
        DeleteObject(m_hMenuFont);
}

void CControlDlg::SetPreSetFilePath(const std::wstring& path) {
    m_strPreSetPath = path;
    PreSetReadFile();
}

void CControlDlg::SetPropatyFilePath(const std::wstring& path) {
    m_strPropatyPath = path;
    PropatyReadFile();
    RegisterHotKeys();
}

void CControlDlg::RegisterHotKeys() {
    // Both are tried: a combination another program holds costs only its own key.
    if (!RegisterHotKey(m_hWnd, IDHOT_PAST, m_nHkPastModifiers, m_nHkPastKey)) {
        Trace("RegisterHotKey() Error=%lu\n", GetLastError());
        AppMessageBox("Windowへの貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.");
    }
    if (!RegisterHotKey(m_hWnd, IDHOT_PASTDT, m_nHkPastDtModifiers, m_nHkPastDtKey)) {
        Trace("RegisterHotKey() Error=%lu\n", GetLastError());
        AppMessageBox("DeskTopへの貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.");
    }
}

void CControlDlg::SetDataFilePath(const std::wstring& path) {
    m_strDataPath = path;
    m_nVolumeSerial = (int)GetVolumeSerialNumberOf(path);
    TakeLoadedData();
    m_bInit = 1;
    int64_t now = _time64(nullptr);
    for (CMemletData& data : m_MemletList)
        data.m_reserve.CheckTime(now);
    UpdateList();
    SetTimer(kTimerTracking, kFirstTrackingMs);
    SetTimer(kTimerHotKeyRelease, kHotKeyReleaseMs);
}

bool CControlDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    DWORD ex = LVS_EX_FULLROWSELECT;
    if (IsVistaOrLater())
        ex |= LVS_EX_GRIDLINES;
    m_ListCtrl.SetExtendedStyle(ex);
    m_ListCtrl.InsertColumn(0, "ProgramName", LVCFMT_LEFT, 110);
    m_ListCtrl.InsertColumn(1, "WindowTitle/付箋Text", LVCFMT_LEFT, 300);
    m_ListCtrl.InsertColumn(2, "最終参照", LVCFMT_LEFT, 120);
    m_ListCtrl.InsertColumn(3, "作成", LVCFMT_LEFT, 110);
    m_ListCtrl.InsertColumn(4, "  ", LVCFMT_LEFT, 10);
    m_ImageList.AttachTo(m_ListCtrl);
    m_btnWindowCenter.EnableWindow(false);
    m_btnMonitorCenter.EnableWindow(false);
    SetupButtons();
    return true;
}

void CControlDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_LIST_DATA, m_ListCtrl);
    DDX_Radio(dx, IDC_RADIO_TITLE, m_nListMode);
    DDX_Control(dx, IDC_BUTTON_TELOPCANCEL, m_btnTelopCancel);
    DDX_Control(dx, IDC_BUTTON_TELOP, m_btnTelop);
    DDX_Control(dx, IDC_BUTTON_INITIALMEMLET, m_btnInitialMemlet);
    DDX_Control(dx, IDC_BUTTON_PRESET, m_btnPreSet);
    DDX_Control(dx, IDC_BUTTON_PROPATY, m_btnPropaty);
    DDX_Control(dx, IDC_BUTTON_EDITTEXT, m_btnEditText);
    DDX_Control(dx, IDC_BUTTON_MATCHCONDITION, m_btnMatchCondition);
    DDX_Control(dx, IDC_BUTTON_REPASTE, m_btnRepaste);
    DDX_Control(dx, IDC_BUTTON_EXPORTSTACK, m_btnExportStack);
    DDX_Control(dx, IDC_BUTTON_PENDINGLIST, m_btnPendingList);
    DDX_Control(dx, IDC_BUTTON_WINDOWCENTER, m_btnWindowCenter);
    DDX_Control(dx, IDC_BUTTON_MONITORCENTER, m_btnMonitorCenter);
    DDX_Control(dx, IDC_BUTTON_DELETE, m_btnDelete);
    DDX_Control(dx, IDC_BUTTON_DELETEALL, m_btnDeleteAll);
}

void CControlDlg::SetupButtons() {
    if (!m_hMenuFont)
        m_hMenuFont = CreateMenuFont();
    for (CMFCButton* b : {&m_btnTelopCancel, &m_btnTelop, &m_btnInitialMemlet, &m_btnPreSet, &m_btnPropaty,
                          &m_btnEditText, &m_btnMatchCondition, &m_btnRepaste, &m_btnExportStack, &m_btnPendingList,
                          &m_btnWindowCenter, &m_btnMonitorCenter, &m_btnDelete, &m_btnDeleteAll}) {
        b->SetMouseCursorHand();
        if (m_hMenuFont)
            b->SetFont(m_hMenuFont, true);
    }
}

bool CControlDlg::OnCommand(int id, int code, HWND ctl) {
    if (code != BN_CLICKED)
        return CDialog::OnCommand(id, code, ctl);
    switch (id) {
    case IDC_BUTTON_DELETE:
        OnButtonDelete();
        return true;
    case IDC_BUTTON_DELETEALL:
        OnButtonDeleteAll();
        return true;
    case IDC_BUTTON_EXPORTSTACK:
        OnButtonExportStack();
        return true;
    case IDC_BUTTON_PENDINGLIST:
        OnButtonPendingList();
        return true;
    case IDC_BUTTON_REPASTE:
        OnButtonRepaste();
        return true;
    case IDC_BUTTON_WINDOWCENTER:
        OnButtonWindowCenter();
        return true;
    case IDC_BUTTON_MONITORCENTER:
        OnButtonMonitorCenter();
        return true;
    case IDC_BUTTON_EDITTEXT:
        OnButtonEditText();
        return true;
    case IDC_BUTTON_MATCHCONDITION:
        OnButtonMatchCondition();
        return true;
    case IDC_RADIO_TITLE:
    case IDC_RADIO_TEXT:
        OnRadioTitle();
        return true;
    case IDC_BUTTON_PROPATY:
        OnButtonPropaty();
        return true;
    case IDC_BUTTON_INITIALMEMLET:
        OnButtonInitialMemlet();
        return true;
    case IDC_BUTTON_PRESET:
        OnButtonPreSet();
        return true;
    case IDC_BUTTON_TELOP:
    case IDC_BUTTON_TELOPCANCEL:
        return true;  // hidden, and nothing to do
    }
    return CDialog::OnCommand(id, code, ctl);
}

void CControlDlg::OnTimer(UINT_PTR id) {
    if (id == kTimerTracking)
        OnTrackingTick();
    else if (id == kTimerHotKeyRelease)
        OnHotKeyReleaseTick();
    CDialog::OnTimer(id);
}

// One step of the hot-key guard: the key up for five ticks in a row ends
// the press. Modifiers do not count.
static void ReleaseStep(unsigned key, int& busy, int& count) {
    if (GetAsyncKeyState((int)key) < 0) {
        count = 0;
        return;
    }
    if (++count < 5)
        return;
    count = 0;
    if (busy) {
        busy = 0;
        Trace("KEY 解除");
    }
}

void CControlDlg::OnHotKeyReleaseTick() {
    ReleaseStep(m_nHkPastKey, m_bPastBusy, m_nPastReleaseCount);
    ReleaseStep(m_nHkPastDtKey, m_bPastDtBusy, m_nPastDtReleaseCount);
}

bool CControlDlg::DestroyWindow() {
    Trace("CControlDlg::DestroyWindow() \n");
    UnregisterHotKey(m_hWnd, IDHOT_PAST);
    UnregisterHotKey(m_hWnd, IDHOT_PASTDT);
    KillTimer(kTimerTracking);
    KillTimer(kTimerHotKeyRelease);
    return CDialog::DestroyWindow();
}

void CControlDlg::TakeLoadedData() {
    if (!g_pMemletDataStore)
        return;
    m_MemletList = std::move(g_pMemletDataStore->m_MemletList);
    g_pMemletDataStore->m_MemletList.clear();
    for (CMemletData& data : m_MemletList)
        data.m_nSerial = CMemletData::NewSerial();
    m_DataFileSerials = SerialsOf(m_MemletList);
}

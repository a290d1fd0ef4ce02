#include "dialogs/WinExSelDlg.h"

#include <algorithm>

#include "dialogs/ChildList.h"
#include "dialogs/ChildPreview.h"
#include "dialogs/ListRows.h"
#include "dialogs/WindowCapture.h"
#include "framework/MessageBox.h"
#include "framework/Trace.h"
#include "panel/Hub.h"
#include "res/resource.h"

CWinExSelDlg::CWinExSelDlg() : CDialog(IDD_WINEXSELDLG) {}

CWinExSelDlg::~CWinExSelDlg() {
    // The window list borrows the cache's images: the window goes first.
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
}

std::vector<CWinInf> CWinExSelDlg::FetchWindowList() { return GetWindowList(); }

void CWinExSelDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_LIST_CHILD, m_ChildListCtrl);
    DDX_Control(dx, IDC_LIST_WINEX, m_WinListCtrl);
}

bool CWinExSelDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetListStyle(m_WinListCtrl);
    m_WinListCtrl.InsertColumn(0, "Title", LVCFMT_LEFT, 400);
    m_WinListCtrl.InsertColumn(1, "ProcessName", LVCFMT_LEFT, 100);
    m_WinListCtrl.InsertColumn(2, "Handle", LVCFMT_LEFT, 0);
    m_ImageList.AttachTo(m_WinListCtrl);
    OnButtonReload();
    SetListStyle(m_ChildListCtrl);
    InsertChildColumns(m_ChildListCtrl, 150, 80, 80);
    SelectDefaultWindow();
    Invalidate(true);
    return true;
}

void CWinExSelDlg::OnButtonReload() {
    m_WinInfList = FetchWindowList();
    RemoveWinInf(GetDesktopWindow());
    UpdateWindowList();
}

void CWinExSelDlg::RemoveWinInf(HWND hwnd) {
    std::erase_if(m_WinInfList, [hwnd](const CWinInf& w) { return w.m_hWnd == hwnd; });
}

void CWinExSelDlg::UpdateWindowList() {
    int mark = m_WinListCtrl.GetSelectionMark();
    std::string kept = mark >= 0 ? m_WinListCtrl.GetItemText(mark, 2) : std::string();
    m_WinListCtrl.SetRedraw(false);
    m_WinListCtrl.DeleteAllItems();
    for (size_t i = 0; i < m_WinInfList.size(); i++) {
        const CWinInf& w = m_WinInfList[i];
        int image = m_ImageList.GetIconIndex(w.m_strPath);
        int row = m_WinListCtrl.InsertItem((int)i, w.m_strTitle, image >= 0 ? image : -1);
        m_WinListCtrl.SetItemText(row, 1, w.m_strProcessName);
        m_WinListCtrl.SetItemText(row, 2, HandleText(w.m_hWnd));
    }
    if (mark >= 0) {
        int row = FindRowByText(m_WinListCtrl, 2, kept);
        if (row >= 0) {
            SelectListRow(m_WinListCtrl, row);
        } else {
            m_WinListCtrl.SetSelectionMark(-1);
            Invalidate(true);
        }
    }
    m_WinListCtrl.SetRedraw(true);
}

void CWinExSelDlg::SelectDefaultWindow() {
    if (m_WinInfList.empty())
        return;
    if (!m_strProcessName.empty()) {
        // Each of the program's windows is chosen in turn and the last one
        // stays: only that one is drawn and its children read, as every
        // other picture and list would be replaced at once.
        int last = -1;
        for (size_t i = 0; i < m_WinInfList.size(); i++) {
            if (m_WinInfList[i].m_strProcessName != m_strProcessName)
                continue;
            SelectListRow(m_WinListCtrl, (int)i);
            last = (int)i;
        }
        if (last >= 0)
            ChooseWindow(last);
    } else {
        SelectListRow(m_WinListCtrl, 0);
        m_strProcessName = m_WinInfList[0].m_strProcessName;
        ChooseWindow(0);
    }
    SelectCondChild();
}

void CWinExSelDlg::ChooseWindow(int row) {
    m_hWndSelect = m_WinInfList[row].m_hWnd;
    CaptureImage();
    update();
}

void CWinExSelDlg::CaptureImage() {
    HDC dc = ::GetDC(m_hWnd);
    // A window gone or not answering shows no picture rather than the last
    // window's.
    if (!CaptureWindowSnapshot(m_hWndSelect, dc, GetSysColorBrush(COLOR_BTNFACE), CCaptureOptions{},
                               CSnapshot{m_bmpImage, m_nWidth, m_nHeight})) {
        m_bmpImage.DeleteObject();
        m_nWidth = m_nHeight = 0;
    }
    ::ReleaseDC(m_hWnd, dc);
    Invalidate(true);
}

void CWinExSelDlg::update() {
    int mark = m_ChildListCtrl.GetSelectionMark();
    std::string kept = mark >= 0 ? m_ChildListCtrl.GetItemText(mark, 3) : std::string();
    m_ChildList = ListChildWindows(m_hWndSelect);
    FillChildRows(m_ChildListCtrl, m_ChildList);
    if (mark >= 0) {
        int row = FindRowByText(m_ChildListCtrl, 3, kept);
        if (row >= 0)
            SelectListRow(m_ChildListCtrl, row);
    }
    Invalidate(true);
}

void CWinExSelDlg::SelectCondChild() {
    int row = FindChildRow(m_ChildList, m_strClass, m_nCtlId);
    if (row < 0) {
        m_rectChild = RECT{};
        return;
    }
    SelectListRow(m_ChildListCtrl, row);
    SelectChild(row);
}

void CWinExSelDlg::SelectChild(int row) {
    if (row < 0 || row >= (int)m_ChildList.size())
        return;
    m_hWndChild = m_ChildList[row].m_hWnd;
    m_rectChild = ChildFrame(m_hWndChild, m_hWndSelect, m_rectChild);
    InvalidatePreview(m_hWnd, kImageOrigin, kImageSize);
}

bool CWinExSelDlg::OnCommand(int id, int code, HWND ctl) {
    if (id == IDC_BUTTON_RELOADWINDOWS && code == BN_CLICKED) {
        OnButtonReload();
        return true;
    }
    return CDialog::OnCommand(id, code, ctl);
}

bool CWinExSelDlg::OnNotify(NMHDR* nm, LRESULT& result) {
    if (nm->code == NM_CLICK && nm->idFrom == IDC_LIST_WINEX) {
        OnClickListWindow(nm, result);
        return true;
    }
    if (nm->code == NM_CLICK && nm->idFrom == IDC_LIST_CHILD) {
        OnClickListChild(nm, result);
        return true;
    }
    return CDialog::OnNotify(nm, result);
}

void CWinExSelDlg::OnClickListWindow(NMHDR*, LRESULT& result) {
    result = 0;
    int mark = m_WinListCtrl.GetSelectionMark();
    if (mark == -1) {
        AppMessageBox("ウィンドウを一覧で選択してください");
        return;
    }
    if (mark < 0 || mark >= (int)m_WinInfList.size())
        return;
    m_strProcessName = m_WinInfList[mark].m_strProcessName;
    ChooseWindow(mark);
    SelectCondChild();
}

void CWinExSelDlg::OnClickListChild(NMHDR*, LRESULT& result) {
    SelectChild(m_ChildListCtrl.GetSelectionMark());
    result = 0;
}

void CWinExSelDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    if (m_WinListCtrl.GetSelectionMark() >= 0)
        PaintPreview(dc, kImageOrigin, kImageSize, m_bmpImage.GetSafeHandle(), m_nWidth, m_nHeight, m_rectChild);
    EndPaint(m_hWnd, &ps);
}

void CWinExSelDlg::OnOK() {
    const CChildWinInf* chosen = AcceptChildRow(m_ChildList, m_ChildListCtrl.GetSelectionMark());
    if (!chosen)
        return;
    m_strClass = chosen->m_strClass;
    m_nCtlId = chosen->m_nCtlId;
    TraceChildChoice(m_strClass, m_nCtlId, "");
    EndDialog(IDOK);
}

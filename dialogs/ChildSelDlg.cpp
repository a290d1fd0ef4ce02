#include "dialogs/ChildSelDlg.h"

#include "dialogs/ChildList.h"
#include "dialogs/ChildPreview.h"
#include "dialogs/ListRows.h"
#include "dialogs/WindowCapture.h"
#include "res/resource.h"

CChildSelDlg::CChildSelDlg() : CDialog(IDD_CHILDSELDLG) {}

CChildSelDlg::~CChildSelDlg() {
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
}

void CChildSelDlg::DoDataExchange(CDataExchange& dx) { DDX_Control(dx, IDC_LIST_CHILD, m_ListCtrl); }

bool CChildSelDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetListStyle(m_ListCtrl);
    InsertChildColumns(m_ListCtrl, 80, 60, 300);
    CaptureImage();
    update();
    int row = FindChildRow(m_ChildList, m_strClass, m_nCtlId);
    if (row >= 0) {
        SelectListRow(m_ListCtrl, row);
        SelectChild(row);
    }
    Invalidate(true);
    return true;
}

void CChildSelDlg::CaptureImage() {
    HDC dc = ::GetDC(m_hWnd);
    HBRUSH background = GetSysColorBrush(COLOR_BTNFACE);
    CSnapshot out{m_bmpImage, m_nWidth, m_nHeight};
    // A target gone or not answering keeps the picture it had.
    if (m_hWndTarget == GetDesktopWindow()) {
        CaptureDesktopSnapshot(m_hWndTarget, dc, background, out);
    } else {
        CCaptureOptions options;
        options.needNormalSize = true;
        options.restoreBothStyles = true;
        CaptureWindowSnapshot(m_hWndTarget, dc, background, options, out);
    }
    ::ReleaseDC(m_hWnd, dc);
    Invalidate(true);
}

void CChildSelDlg::update() {
    m_ChildList = ListChildWindows(m_hWndTarget);
    FillChildRows(m_ListCtrl, m_ChildList);
    Invalidate(true);
}

void CChildSelDlg::SelectChild(int row) {
    if (row < 0 || row >= (int)m_ChildList.size())
        return;
    m_hWndChild = m_ChildList[row].m_hWnd;
    m_rectChild = ChildFrame(m_hWndChild, m_hWndTarget, m_rectChild);
    InvalidatePreview(m_hWnd, kImageOrigin, kImageSize);
}

bool CChildSelDlg::OnNotify(NMHDR* nm, LRESULT& result) {
    if (nm->idFrom == IDC_LIST_CHILD && nm->code == NM_CLICK) {
        OnClickListChild(nm, result);
        return true;
    }
    return CDialog::OnNotify(nm, result);
}

void CChildSelDlg::OnClickListChild(NMHDR*, LRESULT& result) {
    SelectChild(m_ListCtrl.GetSelectionMark());
    result = 0;
}

bool CChildSelDlg::OnCommand(int id, int code, HWND ctl) {
    if (id == IDC_BUTTON_RELOADIMAGE && code == BN_CLICKED) {
        OnButtonReloadImage();
        return true;
    }
    return CDialog::OnCommand(id, code, ctl);
}

void CChildSelDlg::OnButtonReloadImage() { CaptureImage(); }

void CChildSelDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    PaintPreview(dc, kImageOrigin, kImageSize, m_bmpImage.GetSafeHandle(), m_nWidth, m_nHeight, m_rectChild);
    EndPaint(m_hWnd, &ps);
}

void CChildSelDlg::OnOK() {
    const CChildWinInf* chosen = AcceptChildRow(m_ChildList, m_ListCtrl.GetSelectionMark());
    if (!chosen)
        return;
    m_strClass = chosen->m_strClass;
    m_strText = chosen->m_strText;
    m_nCtlId = chosen->m_nCtlId;
    TraceChildChoice(m_strClass, m_nCtlId, m_strText);
    EndDialog(IDOK);
}

#include "dialogs/WindowSelDlg.h"

#include <algorithm>

#include "dialogs/ListRows.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

namespace {

const char kSelectWindow[] = "付箋を貼り付けるウィンドウを一覧で選択してください";

}  // namespace

CWindowSelDlg::CWindowSelDlg() : CDialog(IDD_WINDOWSELDLG) {}

CWindowSelDlg::~CWindowSelDlg() {
    // The list view shares the cache's images and the preview draws on the
    // dialog: the window goes before the members.
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
}

void CWindowSelDlg::SetWinInfList(const std::vector<CWinInf>& list) { m_WinInfList = list; }

void CWindowSelDlg::RemoveWinInf(HWND hwnd) {
    std::erase_if(m_WinInfList, [hwnd](const CWinInf& w) { return w.m_hWnd == hwnd; });
}

void CWindowSelDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_LIST_WINDOW, m_ListCtrl);
    DDX_Control(dx, IDC_STATIC_IMAGE, m_stcImage);
}

bool CWindowSelDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetListStyle(m_ListCtrl);
    m_ListCtrl.InsertColumn(0, "Title", LVCFMT_LEFT, 170);
    m_ListCtrl.InsertColumn(1, "ProcessName", LVCFMT_LEFT, 100);
    m_ListCtrl.InsertColumn(2, "Handle", LVCFMT_LEFT, 0);
    m_ImageList.AttachTo(m_ListCtrl);
    UpdateList();
    SelectFirstWindow();
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return true;
}

void CWindowSelDlg::UpdateList() {
    m_ListCtrl.SetRedraw(false);
    m_ListCtrl.DeleteAllItems();
    for (size_t i = 0; i < m_WinInfList.size(); i++) {
        const CWinInf& w = m_WinInfList[i];
        int row = (int)i;
        int image = m_ImageList.GetIconIndex(w.m_strPath);
        m_ListCtrl.InsertItem(row, w.m_strTitle, image >= 0 ? image : -1);
        m_ListCtrl.SetItemText(row, 1, w.m_strProcessName);
        m_ListCtrl.SetItemText(row, 2, HandleText(w.m_hWnd));
    }
    m_ListCtrl.SetRedraw(true);
}

void CWindowSelDlg::SelectFirstWindow() {
    if (m_WinInfList.empty())
        return;
    SelectListRow(m_ListCtrl, 0);
    ShowImage(m_WinInfList[0].m_hWnd);
}

void CWindowSelDlg::ShowImage(HWND hwnd) {
    m_stcImage.m_hDestWnd = m_hWnd;
    m_stcImage.SetTarget(hwnd);
    Invalidate(true);
}

bool CWindowSelDlg::OnNotify(NMHDR* nm, LRESULT& result) {
    if (nm->idFrom == IDC_LIST_WINDOW && nm->code == NM_CLICK) {
        OnClickListWindow(nm, result);
        return true;
    }
    return CDialog::OnNotify(nm, result);
}

void CWindowSelDlg::OnClickListWindow(NMHDR*, LRESULT& result) {
    int mark = m_ListCtrl.GetSelectionMark();
    if (mark == -1)
        AppMessageBox(kSelectWindow);
    else if (mark >= 0 && mark < (int)m_WinInfList.size())
        ShowImage(m_WinInfList[mark].m_hWnd);
    result = 0;
}

void CWindowSelDlg::OnOK() {
    int mark = m_ListCtrl.GetSelectionMark();
    if (mark < 0 || mark >= (int)m_WinInfList.size()) {
        AppMessageBox(kSelectWindow);
        return;
    }
    m_WinInf = m_WinInfList[mark];
    EndDialog(IDOK);
}

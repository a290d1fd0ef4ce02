#include "dialogs/SerchDlg.h"

#include <cstdio>
#include <ctime>

#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "model/MemletData.h"
#include "panel/ControlDlg.h"
#include "panel/Hub.h"
#include "res/resource.h"

namespace {

constexpr int kMinDays = 5;
constexpr int kMaxDays = 1000;
constexpr int kDefaultDays = 90;
constexpr int64_t kSecondsPerDay = 86400;

// Containment, upper-casing both sides unless the case is to count.
bool Contains(const std::string& text, const std::string& query, int caseSensitive) {
    if (caseSensitive)
        return MbContains(text, query);
    return MbContains(MbUpper(text), MbUpper(query));
}

}  // namespace

CSerchDlg::CSerchDlg() : CDialog(IDD_SERCHDLG) {
    m_brNoResult = CreateSolidBrush(RGB(255, 255, 180));
    m_brResult = CreateSolidBrush(RGB(0, 255, 0));
}

CSerchDlg::~CSerchDlg() {
    DeleteObject(m_brNoResult);
    DeleteObject(m_brResult);
}

void CSerchDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IDC_CHECK_SERCH_BODY, m_nBodyCheck);
    DDX_Text(dx, IDC_EDIT_SERCH_BODY, m_strBody);
    DDX_Text(dx, IDC_STATIC_SERCH_RESULT, m_strResult);
    DDX_Check(dx, IDC_CHECK_SERCH_TITLE, m_nTitleCheck);
    DDX_Check(dx, IDC_CHECK_SERCH_PROGRAM, m_nProgramCheck);
    DDX_Text(dx, IDC_EDIT_SERCH_TITLE, m_strTitle);
    DDX_Text(dx, IDC_EDIT_SERCH_PROGRAM, m_strProgram);
    DDX_Check(dx, IDC_CHECK_SERCH_BODYCASE, m_nBodyCase);
    DDX_Check(dx, IDC_CHECK_SERCH_TITLECASE, m_nTitleCase);
    DDX_Control(dx, IDC_SPIN_SERCH_DAYS, m_spinDays);
    DDX_Check(dx, IDC_CHECK_SERCH_LASTREF, m_nLastRefCheck);
    DDX_Check(dx, IDC_CHECK_SERCH_SHOWNONLY, m_nShownOnlyCheck);
}

void CSerchDlg::Initialize() {
    m_nCurrent = -1;
    m_spinDays.SetRange32(kMinDays, kMaxDays);
    m_spinDays.SetPos32(kDefaultDays);
    UpdateResultLabel();
}

void CSerchDlg::OnButtonSearch() {
    UpdateData(true);
    if (!m_nBodyCheck && !m_nTitleCheck && !m_nProgramCheck && !m_nLastRefCheck && !m_nShownOnlyCheck) {
        AppMessageBox("検索条件がいずれも選択されていません");
        return;
    }
    if (m_nBodyCheck && m_strBody.empty()) {
        AppMessageBox("本文テキスト条件がチェックされていますが,検索文字列が設定されていません.");
        return;
    }
    if (m_nTitleCheck && m_strTitle.empty()) {
        AppMessageBox("WindowTitle条件がチェックされていますが,検索文字列が設定されていません");
        return;
    }
    if (m_nProgramCheck && m_strProgram.empty()) {
        AppMessageBox("ProgramName条件がチェックされていますが,検索文字列が設定されていません");
        return;
    }
    m_nActiveBody = m_nBodyCheck;
    m_nActiveTitle = m_nTitleCheck;
    m_nActiveProgram = m_nProgramCheck;
    m_nActiveLastRef = m_nLastRefCheck;
    m_nActiveShownOnly = m_nShownOnlyCheck;
    m_strActiveBody = m_strBody;
    m_strActiveTitle = m_strTitle;
    m_strActiveProgram = MbUpper(m_strProgram);
    m_nActiveDays = m_spinDays.GetPos32();
    Search();
    UpdateResultLabel();
    SelectCurrent();
    if (m_pControlDlg)
        m_pControlDlg->SetRefreshListener(m_hWnd, WM_SERCH_UPDATE);
}

bool CSerchDlg::IsMatch(CMemletData& data, int64_t now) const {
    if (m_nActiveBody) {
        std::string text;
        data.GetText(&text);
        if (!Contains(text, m_strActiveBody, m_nBodyCase))
            return false;
    }
    if (m_nActiveTitle && (data.m_nTitleFlag != 1 || !Contains(data.m_strTitle, m_strActiveTitle, m_nTitleCase)))
        return false;
    // The program name is kept in upper case.
    if (m_nActiveProgram && (data.m_nProcessFlag != 1 || !MbContains(data.m_strExeName, m_strActiveProgram)))
        return false;
    if (m_nActiveLastRef && (now - data.m_tAcsDate) / kSecondsPerDay < m_nActiveDays)
        return false;
    if (m_nActiveShownOnly && data.m_bAttached != 1)
        return false;
    return true;
}

void CSerchDlg::Search() {
    if (!m_pControlDlg)
        return;
    std::vector<CMemletData>* list = m_pControlDlg->GetDataList();
    m_Results.clear();
    const int64_t now = _time64(nullptr);
    for (size_t i = 0; list && i < list->size(); i++) {
        CMemletData data = (*list)[i];
        if (IsMatch(data, now))
            m_Results.push_back((int)i);
    }
    m_nCurrent = m_Results.empty() ? -1 : 0;
}

void CSerchDlg::UpdateResultLabel() {
    if (m_nCurrent == -1) {
        m_strResult = "該当データなし";
    } else {
        char text[64];
        snprintf(text, sizeof text, "%d件中 %d番目のデータ", (int)m_Results.size(), m_nCurrent + 1);
        m_strResult = text;
    }
    // Only the label: every other control keeps what the user has typed
    // since the last search.
    SetDlgText(IDC_STATIC_SERCH_RESULT, m_strResult);
    InvalidateRect(GetDlgItem(IDC_STATIC_SERCH_RESULT), nullptr, TRUE);
}

void CSerchDlg::SelectCurrent() {
    if (m_nCurrent >= 0)
        SelectListItem(m_Results[m_nCurrent]);
}

void CSerchDlg::OnButtonPrev() {
    if (m_nCurrent == -1 || m_Results.size() < 2)
        return;
    m_nCurrent = m_nCurrent == 0 ? (int)m_Results.size() - 1 : m_nCurrent - 1;
    UpdateResultLabel();
    SelectCurrent();
}

void CSerchDlg::OnButtonNext() {
    if (m_nCurrent == -1 || m_Results.size() < 2)
        return;
    m_nCurrent = m_nCurrent == (int)m_Results.size() - 1 ? 0 : m_nCurrent + 1;
    UpdateResultLabel();
    SelectCurrent();
}

void CSerchDlg::ReSearch() {
    // A search that found nothing stops the searching again.
    if (m_nCurrent == -1)
        return;
    Search();
    UpdateResultLabel();
    SelectCurrent();
}

HBRUSH CSerchDlg::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    HBRUSH brush = CDialog::OnCtlColor(dc, ctl, ctlType);
    if (ctl != GetDlgItem(IDC_STATIC_SERCH_RESULT))
        return brush;
    SetBkMode(dc, TRANSPARENT);
    return m_nCurrent == -1 ? m_brNoResult : m_brResult;
}

void CSerchDlg::OnCancel() {
    ShowWindow(SW_HIDE);
    UncheckSerchPanel();
}

void CSerchDlg::OnNcLButtonDown(UINT hitTest, LPARAM lp) {
    // The panel is placed by the main window: a drag of its caption moves
    // the main window, whose move loop has ended with the drag. A move of
    // the panel's own, started then with the button up, would follow the
    // mouse until the next click.
    HWND main = ::GetWindow(m_hWnd, GW_OWNER);
    if (hitTest == HTCAPTION && main) {
        SendMessageW(main, WM_NCLBUTTONDOWN, HTCAPTION, lp);
        return;
    }
    Default();
}

bool CSerchDlg::OnCommand(int id, int code, HWND ctl) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_BUTTON_SERCH:
            OnButtonSearch();
            return true;
        case IDC_BUTTON_SERCH_PREV:
            OnButtonPrev();
            return true;
        case IDC_BUTTON_SERCH_NEXT:
            OnButtonNext();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, ctl);
}

LRESULT CSerchDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SERCH_UPDATE)
        ReSearch();
    if (msg == WM_NCLBUTTONDOWN) {
        OnNcLButtonDown((UINT)wp, lp);
        return 0;
    }
    return CDialog::WindowProc(msg, wp, lp);
}

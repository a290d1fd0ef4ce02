#include "dialogs/PropatyDlg.h"

#include "framework/MessageBox.h"
#include "framework/Trace.h"
#include "res/resource.h"

namespace {

// The id of the trial registration; the panel's keys are 1000 and 1002.
constexpr int kTrialHotKeyId = 1001;

const char kPastTaken[] =
    "ウィンドウへの貼り付け設定は既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
const char kPastDtTaken[] =
    "デスクトップへの貼り付け設定は既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
const char kTaken[] = "このキーの組み合わせは既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
// The system registers modifiers alone, but nobody could press such a key.
const char kNoKey[] = "キーが設定されていません。修飾キーと組み合わせるキーを押してください。";

}  // namespace

CPropatyDlg::CPropatyDlg() : CDialog(IDD_PROPATYDLG) {}

void CPropatyDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, IDC_RADIO_SAVETIMING_END, m_nSaveTiming);
    DDX_Radio(dx, IDC_RADIO_FORMAT_PLAIN, m_nSaveFormat);
    DDX_Control(dx, IDC_HOTKEY_PAST, m_hkPast);
    DDX_Control(dx, IDC_HOTKEY_PASTDT, m_hkPastDt);
    DDX_Radio(dx, IDC_RADIO_PERIOD_10, m_nPosInterval);
}

bool CPropatyDlg::OnInitDialog() {
    m_nGivenSaveTiming = m_nSaveTiming;
    m_nGivenSaveFormat = m_nSaveFormat;
    m_nGivenPosInterval = m_nPosInterval;
    CDialog::OnInitDialog();
    m_hkPast.SetRegHotKey(m_nHkPastKey, m_nHkPastModifiers);
    m_hkPastDt.SetRegHotKey(m_nHkPastDtKey, m_nHkPastDtModifiers);
    return true;
}

bool CPropatyDlg::CheckHotKey(UINT modifiers, UINT key) {
    Trace("Modifiers=%d\n", (int)modifiers);
    Trace("HotKey = %d\n", (int)key);
    bool ok = RegisterHotKey(m_hWnd, kTrialHotKeyId, modifiers, key) != 0;
    UnregisterHotKey(m_hWnd, kTrialHotKeyId);
    return ok;
}

const char* CPropatyDlg::Refusal(const CHotKeyExCtrl& field, UINT storedModifiers, UINT storedKey,
                                 const char* takenText, bool& unchanged) {
    UINT key, modifiers;
    field.GetRegHotKey(key, modifiers);
    unchanged = key == storedKey && modifiers == storedModifiers;
    if (unchanged)
        return nullptr;
    if (!key)
        return kNoKey;
    return CheckHotKey(modifiers, key) ? nullptr : takenText;
}

void CPropatyDlg::OnButtonOk() {
    bool unchanged;
    if (const char* refusal = Refusal(m_hkPast, m_nHkPastModifiers, m_nHkPastKey, kPastTaken, unchanged)) {
        AppMessageBox(refusal);
        return;
    }
    if (!unchanged)
        m_hkPast.GetRegHotKey(m_nHkPastKey, m_nHkPastModifiers);
    const char* refusal = Refusal(m_hkPastDt, m_nHkPastDtModifiers, m_nHkPastDtKey, kPastDtTaken, unchanged);
    UINT key, modifiers;
    m_hkPastDt.GetRegHotKey(key, modifiers);
    // Both trials pass for one new pair, but the panel can hold it only once.
    if (!refusal && !unchanged && key == m_nHkPastKey && modifiers == m_nHkPastModifiers)
        refusal = kPastDtTaken;
    if (refusal) {
        AppMessageBox(refusal);
        return;
    }
    m_nHkPastDtKey = key;
    m_nHkPastDtModifiers = modifiers;
    OnOK();
}

void CPropatyDlg::OnOK() {
    if (!UpdateData(true))
        return;
    if (m_nSaveTiming == -1)
        m_nSaveTiming = m_nGivenSaveTiming;
    if (m_nSaveFormat == -1)
        m_nSaveFormat = m_nGivenSaveFormat;
    if (m_nPosInterval == -1)
        m_nPosInterval = m_nGivenPosInterval;
    EndDialog(IDOK);
}

// The answer of 重複確認 for a field; other is the other field.
static const char* CheckAnswer(CPropatyDlg& dlg, const CHotKeyExCtrl& field, const CHotKeyExCtrl& other,
                               UINT storedModifiers, UINT storedKey) {
    UINT key, modifiers;
    field.GetRegHotKey(key, modifiers);
    if (key == storedKey && modifiers == storedModifiers)
        return "現在の設定です。";
    if (!key)
        return kNoKey;
    UINT otherKey, otherModifiers;
    other.GetRegHotKey(otherKey, otherModifiers);
    if (key == otherKey && modifiers == otherModifiers)
        return kTaken;
    return dlg.CheckHotKey(modifiers, key) ? "設定可能です." : kTaken;
}

void CPropatyDlg::OnButtonCheckWindow() {
    AppMessageBox(CheckAnswer(*this, m_hkPast, m_hkPastDt, m_nHkPastModifiers, m_nHkPastKey));
}

void CPropatyDlg::OnButtonCheckDesktop() {
    AppMessageBox(CheckAnswer(*this, m_hkPastDt, m_hkPast, m_nHkPastDtModifiers, m_nHkPastDtKey));
}

bool CPropatyDlg::OnCommand(int id, int code, HWND ctl) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDOK:
            OnButtonOk();
            return true;
        case IDC_BUTTON_CHECK_PAST:
            OnButtonCheckWindow();
            return true;
        case IDC_BUTTON_CHECK_PASTDT:
            OnButtonCheckDesktop();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, ctl);
}

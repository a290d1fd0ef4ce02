// The panel's two settings buttons: the properties (hot keys, save format,
// follow period) and the initial values of new notes.
#include "dialogs/InitialMemletDlg.h"
#include "dialogs/PropatyDlg.h"
#include "framework/MessageBox.h"
#include "framework/Trace.h"
#include "panel/ControlDlg.h"

namespace {

// The follow period's radio and its milliseconds.
const int kPeriods[] = {10, 20, 50};

int PeriodIndex(int ms) { return ms == 10 ? 0 : ms == 20 ? 1 : 2; }

// The new values stay in use; only the file did not take them.
void WritePropaty(CControlDlg& panel) {
    if (!panel.PropatyWriteFile())
        AppMessageBox("設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。");
}

}  // namespace

bool CControlDlg::ReRegisterHotKey(int id, unsigned modifiers, unsigned key) {
    UnregisterHotKey(m_hWnd, id);
    if (RegisterHotKey(m_hWnd, id, modifiers, key))
        return true;
    Trace("RegisterHotKey() Error=%lu\n", GetLastError());
    return false;
}

void CControlDlg::OnButtonPropaty() {
    CPropatyDlg dlg;
    dlg.m_nSaveTiming = m_nSaveTiming;
    dlg.m_nSaveFormat = m_nSaveFormat;
    dlg.m_nHkPastModifiers = m_nHkPastModifiers;
    dlg.m_nHkPastKey = m_nHkPastKey;
    dlg.m_nHkPastDtModifiers = m_nHkPastDtModifiers;
    dlg.m_nHkPastDtKey = m_nHkPastDtKey;
    dlg.m_nPosInterval = PeriodIndex(m_nPosInterval);
    if (dlg.DoModal() != IDOK)
        return;
    m_nSaveTiming = dlg.m_nSaveTiming;
    m_nSaveFormat = dlg.m_nSaveFormat;
    // The pairs are kept even when they cannot be registered: the next start
    // tries them again. Each failure has its box, so that both are known.
    m_nHkPastModifiers = dlg.m_nHkPastModifiers;
    m_nHkPastKey = dlg.m_nHkPastKey;
    if (!ReRegisterHotKey(IDHOT_PAST, m_nHkPastModifiers, m_nHkPastKey))
        AppMessageBox("ウィンドウ貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.");
    m_nHkPastDtModifiers = dlg.m_nHkPastDtModifiers;
    m_nHkPastDtKey = dlg.m_nHkPastDtKey;
    if (!ReRegisterHotKey(IDHOT_PASTDT, m_nHkPastDtModifiers, m_nHkPastDtKey))
        AppMessageBox("DeskTop貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.");
    int index = dlg.m_nPosInterval;
    m_nPosInterval = index >= 0 && index < 3 ? kPeriods[index] : m_nPosInterval;
    WritePropaty(*this);
}

void CControlDlg::OnButtonInitialMemlet() {
    CInitialMemletDlg dlg;
    dlg.m_MemletData = m_MemletTemplate;
    dlg.m_nIniHeight = g_nIniHeight;
    dlg.m_nIniWidth = g_nIniWidth;
    if (dlg.DoModal() != IDOK)
        return;
    m_MemletTemplate = dlg.m_MemletData;
    g_nIniHeight = dlg.m_nIniHeight;
    g_nIniWidth = dlg.m_nIniWidth;
    // What the file keeps for the next start holds from now on.
    g_nArrowLineWidth = m_MemletTemplate.m_nArLineWidth;
    WritePropaty(*this);
}

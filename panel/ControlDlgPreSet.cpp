// The panel's preset button: the per-application presets edited in their
// dialog and written to the preset file.
#include "dialogs/PreSetMatchConditionDlg.h"
#include "framework/MessageBox.h"
#include "panel/ControlDlg.h"

void CControlDlg::OnButtonPreSet() {
    CPreSetMatchConditionDlg dlg;
    dlg.m_PreSetList = m_PreSetList;
    if (dlg.DoModal() != IDOK)
        return;
    m_PreSetList = dlg.GetPreSetList();
    // The edited presets stay in use; the user can try again.
    if (!PreSetWriteFile())
        AppMessageBox("設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。", MB_OK);
}

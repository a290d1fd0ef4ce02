// A record going onto a window takes the first preset of its program, if
// that window has the preset's child window.
#include "panel/ControlDlg.h"

int CControlDlg::FindPreSetCond(std::string exeName, CPreSetCondData& out) {
    for (const CPreSetCondData& preset : m_PreSetList) {
        if (preset.m_strExeName == exeName) {
            out = preset;
            return 1;
        }
    }
    return 0;
}

void CControlDlg::ApplyPreSetCond(HWND hwnd, CMemletData& data) {
    CPreSetCondData preset;
    if (!FindPreSetCond(data.m_strExeName, preset))
        return;
    CWinInf inf;
    inf.m_hWnd = hwnd;
    inf.EnumChild();
    CChildWinInf child;
    // Without the preset's child window the record keeps its own condition.
    if (!inf.FindChild(preset.m_strExClass, preset.m_nExCtlId, child))
        return;
    data.m_nTitleFlag = preset.m_nTitleFlag;
    data.m_nProcessFlag = preset.m_nProcessFlag;
    data.m_nExtentFlag = preset.m_nExtentFlag;
    data.m_strExText = child.m_strText;
    data.m_strExClass = preset.m_strExClass;
    data.m_nExCtlId = preset.m_nExCtlId;
}

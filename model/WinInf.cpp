#include "model/WinInf.h"

void CWinInf::EnumChild() {
    if (m_bEnumChild || !IsWindow(m_hWnd))
        return;
    EnumChildWindows(m_hWnd, EnumChildProc, (LPARAM)this);
    m_bEnumChild = 1;
}

BOOL CALLBACK CWinInf::EnumChildProc(HWND child, LPARAM owner) noexcept {
    CWinInf& inf = *(CWinInf*)owner;
    CChildWinInf ci;
    if (!ReadListedChildText(child, ci.m_strText))
        return TRUE;
    ci.m_hWnd = child;
    ci.m_WindowInfo = {};
    ci.m_WindowInfo.cbSize = sizeof ci.m_WindowInfo;
    GetWindowInfo(child, &ci.m_WindowInfo);
    ci.m_strClass = ReadChildClass(child);
    ci.m_nCtlId = GetDlgCtrlID(child);
    inf.m_ChildList.push_back(ci);
    return TRUE;
}

int CWinInf::FindChildText(const std::string& className, int ctlId, std::string& text) {
    if (m_bEnumChild) {
        CChildWinInf ci;
        if (!FindChild(className, ctlId, ci))
            return 0;
        text = ci.m_strText;
        return 1;
    }
    return m_ChildScan.FindText(m_hWnd, className, ctlId, text) ? 1 : 0;
}

int CWinInf::FindChild(const std::string& className, int ctlId, CChildWinInf& out) const {
    for (const CChildWinInf& ci : m_ChildList) {
        if (ci.m_nCtlId == ctlId && ci.m_strClass == className) {
            out = ci;
            return 1;
        }
    }
    return 0;
}

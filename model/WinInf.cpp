#include "model/WinInf.h"

#include "framework/Text.h"

// A window that does not answer within this time is taken to have no text:
// the tracking timer must not wait on a hung program.
static const UINT kGetTextTimeoutMs = 200;
static const size_t kMaxChildText = 511;

void CWinInf::EnumChild() {
    if (m_bEnumChild || !IsWindow(m_hWnd))
        return;
    EnumChildWindows(m_hWnd, EnumChildProc, (LPARAM)this);
    m_bEnumChild = 1;
}

BOOL CALLBACK CWinInf::EnumChildProc(HWND child, LPARAM owner) {
    CWinInf& inf = *(CWinInf*)owner;
    if (!IsWindowVisible(child) || !IsWindowEnabled(child))
        return TRUE;

    char buf[kMaxChildText + 1] = {};
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutA(child, WM_GETTEXT, sizeof buf, (LPARAM)buf, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kGetTextTimeoutMs, &len))
        return TRUE;
    buf[kMaxChildText] = '\0';
    if (buf[0] == '\0')
        return TRUE;

    CChildWinInf ci;
    ci.m_hWnd = child;
    ci.m_strText = MbCut(buf, kMaxChildText);
    ci.m_WindowInfo = {};
    ci.m_WindowInfo.cbSize = sizeof ci.m_WindowInfo;
    GetWindowInfo(child, &ci.m_WindowInfo);
    char cls[kMaxChildText + 1] = {};
    GetClassNameA(child, cls, sizeof cls);
    ci.m_strClass = MbCut(cls, kMaxChildText);
    ci.m_nCtlId = GetDlgCtrlID(child);
    inf.m_ChildList.push_back(ci);
    return TRUE;
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

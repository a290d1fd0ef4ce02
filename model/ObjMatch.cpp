// Matching a record's condition against the window list: plain comparisons
// on what the list already holds; only a child-window condition reads the
// children of an entry, each at most once per entry.
#include <ctime>

#include "framework/Text.h"
#include "model/ObjData.h"

void CObjData::FindMatch(std::vector<CWinInf>& windows) {
    if (m_bAttached == 0) {
        for (CWinInf& w : windows) {
            if (IsMatch(w)) {
                OnMatch(w.m_hWnd);
                return;
            }
        }
    } else if (m_bAttached == 1) {
        for (CWinInf& w : windows) {
            if (w.m_hWnd == m_hWndTarget && IsMatch(w))
                return;
        }
        OnLost();
    }
}

int CObjData::IsMatch(CWinInf& window) {
    if (m_nProcessFlag) {
        if (m_strExeName != window.m_strProcessName)
            return 0;
        m_strExePath = window.m_strPath;
    }
    if (m_nTitleFlag) {
        // A part of a title starts on a character boundary.
        bool ok = m_nFull ? m_strTitle == window.m_strTitle : MbContains(window.m_strTitle, m_strPart);
        if (!ok)
            return 0;
    }
    if (!m_nExtentFlag)
        return 1;
    std::string text;
    if (!window.FindChildText(m_strExClass, m_nExCtlId, text))
        return 0;
    return (m_nExFullFlag ? text == m_strExText : MbContains(text, m_strExPart)) ? 1 : 0;
}

void CObjData::OnMatch(HWND) {}

void CObjData::OnLost() {
    if (m_bAttached)
        m_tAcsDate = _time64(nullptr);
}

// Absorbing: the one other open note that lies on the calling note, on the
// same window, gives it its text and goes.
#include "note/MemletWin.h"
#include "panel/ControlDlg.h"

int CControlDlg::notifyComposition(CMemletWin* win) {
    if (!win || m_MemletList.empty())
        return 0;
    RECT mine{};
    ::GetWindowRect(win->m_hWnd, &mine);
    HWND target = win->m_hWndTarget;
    int own = -1, other = -1, count = 0;
    for (size_t i = 0; i < m_MemletList.size(); i++) {
        const CMemletData& d = m_MemletList[i];
        if (d.m_bAttached != 1 || !d.m_pMemletWin || d.m_pMemletWin->m_hWndTarget != target)
            continue;
        RECT r{}, overlap;
        ::GetWindowRect(d.m_pMemletWin->m_hWnd, &r);
        if (!IntersectRect(&overlap, &mine, &r))
            continue;
        if (d.m_pMemletWin->m_hWnd == win->m_hWnd) {
            own = (int)i;
        } else {
            count++;
            other = (int)i;
        }
    }
    // A note without a record of its own has nothing to take the text into.
    if (own < 0)
        return 0;
    if (count != 1)
        return count;
    std::string text, otherText;
    m_MemletList[own].GetText(&text);
    m_MemletList[other].GetText(&otherText);
    text += otherText;
    if (text.size() > kMemletTextLimit)
        return -1;
    m_MemletList[own].SetText(text);
    // The absorbed note's look, condition and leader line go with it.
    CMemletWin* absorbed = m_MemletList[other].m_pMemletWin;
    RemoveAt(other);
    absorbed->DestroyWindow();
    UpdateList();
    SaveOnChange();
    return 1;
}

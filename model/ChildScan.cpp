#include "model/ChildScan.h"

#include "framework/Text.h"

// A window that does not answer within this time is taken to have no text:
// the tracking timer must not wait on a hung program.
static const UINT kGetTextTimeoutMs = 200;
static const size_t kMaxChildText = 511;

bool ReadListedChildText(HWND child, std::string& text) {
    if (!IsWindowVisible(child) || !IsWindowEnabled(child))
        return false;
    char buf[kMaxChildText + 1] = {};
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutA(child, WM_GETTEXT, sizeof buf, (LPARAM)buf, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kGetTextTimeoutMs, &len))
        return false;
    buf[kMaxChildText] = '\0';
    if (buf[0] == '\0')
        return false;
    text = MbCut(buf, kMaxChildText);
    // The data file keeps a line break as a space: a condition taken from
    // a multi-line child must still match after it has been stored.
    // Neither byte can be the second byte of a double-byte character.
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return true;
}

std::string ReadChildClass(HWND child) {
    char cls[kMaxChildText + 1] = {};
    GetClassNameA(child, cls, sizeof cls);
    return MbCut(cls, kMaxChildText);
}

BOOL CALLBACK CChildScan::Collect(HWND child, LPARAM self) noexcept {
    Child c;
    c.hwnd = child;
    c.ctlId = GetDlgCtrlID(child);
    ((CChildScan*)self)->m_children.push_back(c);
    return TRUE;
}

bool CChildScan::FindText(HWND top, const std::string& className, int ctlId, std::string& text) {
    if (!m_bTaken) {
        if (!IsWindow(top))
            return false;
        EnumChildWindows(top, Collect, (LPARAM)this);
        m_bTaken = true;
    }
    for (Child& c : m_children) {
        if (c.ctlId != ctlId)
            continue;
        if (!c.classRead) {
            c.className = ReadChildClass(c.hwnd);
            c.classRead = true;
        }
        if (c.className != className)
            continue;
        if (!c.textRead) {
            c.listed = ReadListedChildText(c.hwnd, c.text);
            c.textRead = true;
        }
        if (c.listed) {
            text = c.text;
            return true;
        }
    }
    return false;
}

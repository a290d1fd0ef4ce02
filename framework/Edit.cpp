#include "framework/Edit.h"

#include "framework/Text.h"

void CEdit::SetSel(int start, int end, bool noScroll) {
    Send(EM_SETSEL, start, end);
    if (!noScroll)
        Send(EM_SCROLLCARET);
}

void CEdit::GetSel(int& start, int& end) const {
    DWORD s = 0, e = 0;
    Send(EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    start = (int)s;
    end = (int)e;
}

void CEdit::ReplaceSel(const std::string& text, bool canUndo) {
    Send(EM_REPLACESEL, canUndo, (LPARAM)ToWide(text).c_str());
}

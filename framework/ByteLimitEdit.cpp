#include "framework/ByteLimitEdit.h"

#include "framework/EditByteLimit.h"
#include "framework/Text.h"

namespace {

std::wstring WideText(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring w(n > 0 ? n + 1 : 1, L'\0');
    n = GetWindowTextW(hwnd, w.data(), (int)w.size());
    w.resize(n > 0 ? n : 0);
    return w;
}

}  // namespace

void CByteLimitEdit::SetLimitedText(const std::string& text) {
    std::string cut = m_nByteLimit ? MbCut(text, m_nByteLimit) : text;
    m_bTrimming = true;  // the new text is the baseline, not a change to trim
    SetText(cut);
    m_bTrimming = false;
    m_accepted = WideText(m_hWnd);
}

void CByteLimitEdit::EnforceByteLimit() {
    if (!m_nByteLimit || m_bTrimming)
        return;
    std::wstring now = WideText(m_hWnd);
    DWORD selStart = 0, selEnd = 0;
    Send(EM_GETSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
    size_t start = 0, count = 0;
    if (FindOverflow(m_accepted, now, selEnd, m_nByteLimit, start, count)) {
        m_bTrimming = true;
        Send(EM_SETSEL, start, start + count);
        Send(EM_REPLACESEL, FALSE, (LPARAM)L"");
        m_bTrimming = false;
        now = WideText(m_hWnd);
    }
    m_accepted = std::move(now);
}

LRESULT CByteLimitEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The dialog manager selects an edit's whole text when it gives it the
    // focus; a key typed then would replace all of it.
    if (msg == WM_GETDLGCODE)
        return CEdit::WindowProc(msg, wp, lp) & ~DLGC_HASSETSEL;
    return CEdit::WindowProc(msg, wp, lp);
}

bool CByteLimitEdit::OnReflectCommand(int code) {
    if (code == EN_UPDATE || code == EN_CHANGE)
        EnforceByteLimit();
    return false;
}

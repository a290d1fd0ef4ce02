#include "framework/ByteLimitEdit.h"

#include "framework/EditByteLimit.h"
#include "framework/Text.h"

void CByteLimitEdit::SetLimitedText(const std::string& text) {
    std::string cut = m_nByteLimit ? MbCut(text, m_nByteLimit) : text;
    m_bReplacing = true;  // the new text is the baseline, not a change to trim
    SetText(cut);
    m_bReplacing = false;
    m_accepted = GetWindowTextWide(m_hWnd);
}

void CByteLimitEdit::EnforceByteLimit() {
    if (!m_nByteLimit || m_bReplacing)
        return;
    std::wstring now = GetWindowTextWide(m_hWnd);
    DWORD selStart = 0, selEnd = 0;
    Send(EM_GETSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
    size_t start = 0, count = 0;
    if (FindOverflow(m_accepted, now, selEnd, m_nByteLimit, start, count)) {
        ReplaceRun(start, count, L"");
        now = GetWindowTextWide(m_hWnd);
    }
    m_accepted = std::move(now);
}

LRESULT CByteLimitEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The dialog manager selects an edit's whole text when it gives it the
    // focus; a key typed then would replace all of it.
    if (msg == WM_GETDLGCODE)
        return CStoredTextEdit::WindowProc(msg, wp, lp) & ~DLGC_HASSETSEL;
    return CStoredTextEdit::WindowProc(msg, wp, lp);
}

bool CByteLimitEdit::OnReflectCommand(int code) {
    // What CP932 cannot hold goes first, then what is over the limit.
    CStoredTextEdit::OnReflectCommand(code);
    if (code == EN_UPDATE || code == EN_CHANGE)
        EnforceByteLimit();
    return false;
}

#include "framework/StoredTextEdit.h"

#include <utility>

#include "framework/App.h"
#include "framework/StoredText.h"
#include "framework/Text.h"
#include "res/resource.h"

namespace {

std::wstring ResourceText(UINT id) {
    wchar_t buf[512];
    int n = LoadStringW(AppInstance(), id, buf, 512);
    return std::wstring(buf, n > 0 ? n : 0);
}

}  // namespace

LRESULT CStoredTextEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CHAR:
        // A read-only edit takes no text, only its commands (Ctrl+C).
        if (GetStyle() & ES_READONLY)
            break;
        OnChar(wp, lp);
        return 0;
    case WM_SETTEXT: {
        std::wstring given = lp ? (const wchar_t*)lp : L"";
        std::wstring text = StoredForm(given);
        bool refused = text != given;
        LRESULT result = DefaultProc(msg, wp, (LPARAM)text.c_str());
        if (refused)
            ShowRefusal();
        return result;
    }
    case WM_KILLFOCUS:
        m_highSurrogate = 0;
        [[fallthrough]];
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        m_tip.Hide();
        break;
    }
    return CEdit::WindowProc(msg, wp, lp);
}

void CStoredTextEdit::OnChar(WPARAM wp, LPARAM lp) {
    wchar_t c = (wchar_t)wp;
    wchar_t high = std::exchange(m_highSurrogate, 0);
    bool refused = high && !IsLowSurrogate(c);  // a half without its other
    if (IsHighSurrogate(c)) {
        m_highSurrogate = c;
    } else {
        std::wstring typed = high && !refused ? std::wstring{high, c} : std::wstring{c};
        std::wstring stored = StoredForm(typed);
        // Never a surrogate: CP932 reads back none.
        for (wchar_t unit : stored)
            DefaultProc(WM_CHAR, unit, lp);
        refused = refused || stored != typed;
    }
    if (refused)
        ShowRefusal();
}

bool CStoredTextEdit::OnReflectCommand(int code) {
    if (code == EN_UPDATE || code == EN_CHANGE)
        TakeChange();
    return false;
}

void CStoredTextEdit::TakeChange() {
    if (m_bReplacing)
        return;
    std::wstring now = GetWindowTextWide(m_hWnd);
    DWORD selStart = 0, selEnd = 0;
    Send(EM_GETSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
    CStoredSpan span;
    if (!FindUnstoredSpan(now, selEnd, span))
        return;
    ReplaceRun(span.start, span.count, span.text);
    Send(EM_SETSEL, span.caret, span.caret);
    ShowRefusal();
}

void CStoredTextEdit::ReplaceRun(size_t start, size_t count, const std::wstring& with) {
    m_bReplacing = true;
    Send(EM_SETSEL, start, start + count);
    Send(EM_REPLACESEL, FALSE, (LPARAM)with.c_str());
    m_bReplacing = false;
}

void CStoredTextEdit::ShowRefusal() {
    // A field nobody sees has nobody to tell.
    if (IsWindowVisible())
        m_tip.Show(m_hWnd, ResourceText(IDS_UNSTORED_TITLE), ResourceText(IDS_UNSTORED_TEXT));
}

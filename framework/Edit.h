// An edit control; texts are CP932, positions are the control's (characters).
#pragma once
#include "framework/Wnd.h"

class CEdit : public CWnd {
public:
    // The most the control takes, counted in characters by the control.
    void LimitText(int limit) { Send(EM_LIMITTEXT, limit); }
    void SetSel(int start, int end, bool noScroll = false);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const std::string& text, bool canUndo = false);
    void SetMargins(int left, int right) { Send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(left, right)); }
    bool SetReadOnly(bool readOnly = true) { return Send(EM_SETREADONLY, readOnly) != 0; }
};

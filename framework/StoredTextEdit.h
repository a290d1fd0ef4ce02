// An edit whose text the program keeps in CP932: it takes only what CP932
// holds. Whatever goes in, typed, composed, pasted or set, goes in as it
// will be saved (StoredForm): a character with a best fit as that, one
// without any left out while the rest goes in; and a balloon tip tells the
// user why.
#pragma once
#include <string>

#include "framework/BalloonTip.h"
#include "framework/Edit.h"

class CStoredTextEdit : public CEdit {
public:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    // Takes EN_UPDATE and EN_CHANGE: what a change put in, as it is stored.
    // (A multi-line edit tells of no change at WM_SETTEXT: that is taken in
    // WindowProc.)
    bool OnReflectCommand(int code) override;

    // [start, start + count) of the text replaced by ours, not taken as a
    // change; the caret after it.
    void ReplaceRun(size_t start, size_t count, const std::wstring& with);
    bool m_bReplacing = false;  // a change of ours is under way

private:
    void OnChar(WPARAM wp, LPARAM lp);
    void TakeChange();
    void ShowRefusal();

    CBalloonTip m_tip;
    wchar_t m_highSurrogate = 0;  // typed; its other half decides
};

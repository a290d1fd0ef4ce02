// The body text of a closed note, edited in a larger field than the note's
// own: at most as many bytes as a note holds; Enter makes a new line.
// Runs modal on the caller's stack; the caller sets the text, and after
// IDOK reads it back.
#pragma once
#include <string>

#include "framework/ByteLimitEdit.h"
#include "framework/Dialog.h"

class CEditDlg : public CDialog {
public:
    // The most bytes a note's text holds (CP932).
    static constexpr int kTextLimit = 4000;

    CEditDlg();

    std::string m_strText;
    CByteLimitEdit m_editText;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND ctl) override;

    void OnButtonOk();
    // Whenever the text gets the focus the caret goes after its end, so that
    // the user goes on writing where the note ends.
    void OnSetfocusEditText();

private:
    void CaretToEnd();
};

// The search panel's controls as the user works them, and what it shows.
#pragma once
#include <windows.h>

#include <string>

#include "dialogs/SerchDlg.h"

class SearchControls {
public:
    explicit SearchControls(CSerchDlg& dlg) : m_dlg(dlg) {}

    void Tick(int id, bool on = true);
    bool Ticked(int id) const;
    void Type(int id, const std::string& text);
    std::string Text(int id) const;
    // A click on a button, as the button reports it.
    void Press(int id);
    void Search();
    std::string Label() const;
    // Every check box unticked and every query empty.
    void Clear();
    // A key pressed in a control, through our message loop.
    void Key(int id, WPARAM vk);

private:
    CSerchDlg& m_dlg;
};

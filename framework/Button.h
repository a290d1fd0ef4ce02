// A push button, check box or radio button.
#pragma once
#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const { return (int)Send(BM_GETCHECK); }  // BST_*
    void SetCheck(int check) { Send(BM_SETCHECK, check); }
};

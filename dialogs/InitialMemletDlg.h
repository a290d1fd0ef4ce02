// The initial values of new notes: a summary of the template note and the
// initial size, with one 変更 for each group, which opens the dialog of
// that group on the dialog's own copy. Runs modal on the caller's stack;
// the caller takes the copy and the size back only after IDOK.
#pragma once
#include <windows.h>

#include "framework/Dialog.h"
#include "model/MemletData.h"

class CInitialMemletDlg : public CDialog {
public:
    CInitialMemletDlg();
    ~CInitialMemletDlg() override;

    CMemletData m_MemletData;  // the template note's copy
    int m_nIniHeight = 0;
    int m_nIniWidth = 0;

    // The font chooser: true with font changed when the user chose one.
    // The system's by default; tests put their own in its place.
    using ChooseFontProc = bool (*)(HWND owner, LOGFONTA& font);
    static ChooseFontProc s_chooseFont;
    static bool ChooseScreenFont(HWND owner, LOGFONTA& font);

    void ShowValues();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND ctl) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;

    void OnButtonColor();
    void OnButtonSizeFrame();
    void OnButtonFont();
    void OnButtonTrans();
    void OnButtonInitSize();

private:
    // The summary's background, the pick-bar colours, the backgrounds, the
    // text colours.
    static constexpr int kBrushes = 15;
    HBRUSH m_brush[kBrushes];
};

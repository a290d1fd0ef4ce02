// The colours and the leader line of a note, or of the template every new
// note copies: the pick bar's colour and side, background and text colours,
// the gradation and its pattern, the leader line and its width. Every
// value is a row index of the note's tables. Runs modal on the caller's
// stack; the caller sets the members, and after IDOK reads them back.
#pragma once
#include <windows.h>

#include "framework/Dialog.h"
#include "model/MemletLook.h"

class CColorSettingDlg : public CDialog {
public:
    CColorSettingDlg();
    ~CColorSettingDlg() override;

    int m_nColor = -1;     // pick-bar colour: 赤 緑 青 橙 黒
    int m_nPickPos = 0;    // pick-bar side: 右 上 左 下
    int m_nBkColor = -1;   // background: 白 赤 緑 青 橙 灰
    int m_nTxColor = 0;    // text: 黒 赤 青
    int m_nArwFlag = -1;   // leader line: なし あり
    // 1: OK is a cancel once the target window is gone (an open note's).
    int m_nTargetCheck = 0;
    HWND m_hTargetWnd = nullptr;
    int m_nGraFlg = 0;       // gradation on
    int m_nGraPtn = 0;       // gradation pattern 0..7
    int m_nArLineWidth = 0;  // leader-line width: 細い 標準 太い

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND ctl) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;

    void OnCheckGradation();
    void EnableGradationPattern();

private:
    // The samples' brushes: the pick-bar colours, then the backgrounds.
    HBRUSH m_brSample[kPickBarRows + kBackRows];
    // The radio groups' values as the caller gave them: a group with no
    // radio checked (a stored index out of its range) gives them back.
    struct Given {
        int color, pickPos, bkColor, txColor, arwFlag, graPtn, arLineWidth;
    } m_given{};
};

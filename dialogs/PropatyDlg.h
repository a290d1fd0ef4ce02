// The properties: the two paste hot keys, the save timing and format, the
// follow period of note windows. A changed hot key is tried by registering
// it for a moment before OK takes it. Runs modal on the caller's stack; the
// caller sets the members, and after IDOK reads them back.
#pragma once
#include <windows.h>

#include "dialogs/HotKeyExCtrl.h"
#include "framework/Dialog.h"

class CPropatyDlg : public CDialog {
public:
    CPropatyDlg();

    int m_nSaveTiming = -1;  // 終了時に一括, 付箋ウィンドウ終了毎 (carried through)
    int m_nSaveFormat = -1;  // 暗号化せずに保存, メディア固有の情報で暗号化
    UINT m_nHkPastModifiers = 0, m_nHkPastKey = 0;      // stored form
    UINT m_nHkPastDtModifiers = 0, m_nHkPastDtKey = 0;  // stored form
    CHotKeyExCtrl m_hkPast;
    CHotKeyExCtrl m_hkPastDt;
    int m_nPosInterval = 0;  // 10ms, 20ms, 50ms

    // Whether the pair can be registered now (tried and let go at once).
    bool CheckHotKey(UINT modifiers, UINT key);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND ctl) override;

    void OnButtonOk();
    void OnButtonCheckWindow();
    void OnButtonCheckDesktop();

private:
    // The reason a field's changed pair cannot be taken, or null when it can.
    const char* Refusal(const CHotKeyExCtrl& field, UINT storedModifiers, UINT storedKey,
                        const char* takenText, bool& unchanged);
    // The radio groups' values as the caller gave them: a group with none
    // checked (a value out of its range) gives them back.
    int m_nGivenSaveTiming = -1, m_nGivenSaveFormat = -1, m_nGivenPosInterval = -1;
};

// A dialog from a resource template: modal (DoModal, its own message loop),
// modeless (Create with an owner) or a child (a DS_CONTROL template). The
// window is bound to the object while it is being created, so a dialog sees
// WM_NCCREATE and WM_CREATE like any window; all its messages then pass
// through WindowProc before the system's dialog procedure.
#pragma once
#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    // A modal dialog has no parent: its owner is the main window's last
    // active popup, disabled while the dialog runs, as the system does.
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}
    ~CDialog() override;

    // Runs the dialog until EndDialog and returns its code; -1 when the
    // dialog could not be created, IDCANCEL when it was destroyed from
    // outside or the loop met WM_QUIT (which is posted again).
    INT_PTR DoModal();
    // A modeless dialog owned by parent (it gets IsDialogMessage in our
    // loops), or a child of parent for a DS_CONTROL template.
    bool Create(HWND parent);
    // Ends a modal loop with result; a modeless dialog is only hidden.
    void EndDialog(INT_PTR result);
    bool IsModal() const { return m_modal; }
    // The modal dialog whose loop runs innermost, or null.
    static HWND InnermostModal();

    // save true: controls to members; false: members to controls.
    bool UpdateData(bool save = true);

    UINT TemplateId() const { return m_templateId; }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    // The base fills the controls from the members (UpdateData(false)).
    // True lets the system put the focus on the first control.
    virtual bool OnInitDialog();
    // The base takes the controls into the members and ends with IDOK.
    virtual void OnOK();
    // The base ends with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& dx);
    // The modal loop met WM_QUIT and ends after this, the dialog and every
    // window still there; the quit is posted again afterwards.
    virtual void OnModalQuit() {}

    bool OnCommand(int id, int code, HWND ctl) override;

private:
    // Calls from the system, as CWnd's: nothing is thrown out of them.
    static INT_PTR CALLBACK StaticDlgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    static LRESULT CALLBACK CbtHook(int code, WPARAM wp, LPARAM lp) noexcept;
    bool CreateFromTemplate(HWND parent);

    UINT m_templateId;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_result = -1;
};

#include "framework/Dialog.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "framework/App.h"
#include "framework/Trace.h"

// The dialog whose window is being created: the CBT hook binds it to the
// first window the creation makes, before that window's WM_NCCREATE.
static CDialog* g_creating;
// The windows of the modal loops that run, the innermost last.
static std::vector<HWND> g_modalLoops;

static bool IsImeWindow(HWND hwnd) {
    // The thread's IME window can be made during the first creation of a
    // window; it must not take the dialog's object.
    if (GetClassLongW(hwnd, GCL_STYLE) & CS_IME)
        return true;
    wchar_t name[8];
    return GetClassNameW(hwnd, name, 8) && lstrcmpiW(name, L"IME") == 0;
}

LRESULT CALLBACK CDialog::CbtHook(int code, WPARAM wp, LPARAM lp) noexcept {
    if (code == HCBT_CREATEWND && g_creating && !IsImeWindow((HWND)wp)) {
        CDialog* dlg = g_creating;
        g_creating = nullptr;
        if (dlg->BindBySubclass((HWND)wp, true))
            SetWindowLongPtrW((HWND)wp, GWLP_USERDATA, (LONG_PTR)dlg);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

INT_PTR CALLBACK CDialog::StaticDlgProc(HWND hwnd, UINT msg, WPARAM, LPARAM lp) noexcept {
    // Everything else reached the object in WindowProc before it came here.
    if (msg != WM_INITDIALOG)
        return FALSE;
    auto* dlg = (CDialog*)lp;
    if (!dlg)
        return TRUE;
    // Without the hook's binding (it could not be set), bind now.
    if (!dlg->IsBound()) {
        if (!dlg->BindBySubclass(hwnd, true))
            return TRUE;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)dlg);
    }
    // The return value here tells the system whether to set the focus.
    try {
        return dlg->OnInitDialog();
    } catch (const std::exception& e) {
        Trace("OnInitDialog: exception \"%s\"\n", e.what());
    } catch (...) {
        Trace("OnInitDialog: exception\n");
    }
    return TRUE;
}

CDialog::~CDialog() {
    if (IsBound())
        AppRemoveDialog(m_hWnd);
}

bool CDialog::CreateFromTemplate(HWND parent) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    if (!hook)
        Trace("SetWindowsHookEx() Error=%lu\n", GetLastError());
    CDialog* outer = g_creating;
    g_creating = this;
    HWND h = CreateDialogParamW(AppInstance(), MAKEINTRESOURCEW(m_templateId), parent, StaticDlgProc, (LPARAM)this);
    DWORD error = GetLastError();
    g_creating = outer;
    if (hook)
        UnhookWindowsHookEx(hook);
    if (!h)
        Trace("CreateDialogParam(%u) Error=%lu\n", m_templateId, error);
    // The caller may want to know why.
    SetLastError(error);
    return h != nullptr;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd)
        return -1;
    HWND owner = nullptr;
    HWND main = AppMainWindow();
    if (main && ::IsWindow(main))
        owner = GetLastActivePopup(main);
    bool ownerDisabled = false;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        ownerDisabled = true;
    }
    m_modal = true;
    m_ended = false;
    m_result = -1;
    if (!CreateFromTemplate(owner)) {
        if (ownerDisabled)
            ::EnableWindow(owner, TRUE);
        m_modal = false;
        return -1;
    }
    HWND h = m_hWnd;
    AppAddDialog(h);
    g_modalLoops.push_back(h);
    if (!m_ended && !::IsWindowVisible(h))
        ::ShowWindow(h, SW_SHOWNORMAL);
    // m_hWnd goes null when the window is destroyed from outside (its owner
    // went); the object itself lives on the caller's stack.
    while (!m_ended && m_hWnd) {
        int exitCode = 0;
        if (!AppPumpMessage(exitCode)) {
            OnModalQuit();
            PostQuitMessage(exitCode);
            break;
        }
    }
    if (!m_ended)
        m_result = IDCANCEL;
    AppRemoveDialog(h);
    g_modalLoops.erase(std::find(g_modalLoops.begin(), g_modalLoops.end(), h));
    // The owner is enabled before the dialog goes, so that it gets the
    // activation back.
    if (ownerDisabled)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        if (owner && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(owner);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::DestroyWindow(m_hWnd);
    }
    m_modal = false;
    return m_result;
}

HWND CDialog::InnermostModal() { return g_modalLoops.empty() ? nullptr : g_modalLoops.back(); }

bool CDialog::Create(HWND parent) {
    if (m_hWnd)
        return false;
    m_modal = false;
    // A dialog destroyed while it was being created may have deleted its
    // object: nothing of it is touched then.
    if (!CreateFromTemplate(parent))
        return false;
    if (!(GetStyle() & WS_CHILD))
        AppAddDialog(m_hWnd);
    return true;
}

void CDialog::EndDialog(INT_PTR result) {
    m_result = result;
    m_ended = true;
    if (!m_hWnd)
        return;
    if (m_modal)
        PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
    else
        ShowWindow(SW_HIDE);
}

bool CDialog::UpdateData(bool save) {
    if (!m_hWnd)
        return false;
    CDataExchange dx{m_hWnd, save};
    DoDataExchange(dx);
    return true;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCDESTROY)
        AppRemoveDialog(m_hWnd);
    return CWnd::WindowProc(msg, wp, lp);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED)
        return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

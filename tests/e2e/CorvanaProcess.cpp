#include "e2e/CorvanaProcess.h"

#include "e2e/CorvanaWindows.h"

namespace {

constexpr UINT kAnswerMs = 10000;

}  // namespace

UINT ExtentUtlMessage() {
    static UINT msg = RegisterWindowMessageW(L"CorvanaExtentUtl");
    return msg;
}

bool NoCorvanaRunning() {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"__CORVANA_TAMBERLO__");
    if (!mutex)
        return true;
    CloseHandle(mutex);
    return false;
}

bool CCorvana::Start(const std::wstring& currentDir) {
    m_hWndMain = nullptr;
    return m_process.Start(m_folder.Exe(), {}, currentDir.empty() ? m_folder.Path() : currentDir);
}

bool CCorvana::WaitReady(DWORD timeoutMs) {
    // The main window exists before its set-up is done; it answers once its
    // loop runs.
    return WaitFor(
        [this] {
            if (!m_process.Running())
                return false;
            if (!m_hWndMain)
                m_hWndMain = FindMainWindow(Pid());
            return m_hWndMain && Alive();
        },
        timeoutMs);
}

LRESULT CCorvana::Ask(WPARAM wp, LPARAM lp) const {
    DWORD_PTR answer = 0;
    if (!m_hWndMain ||
        !SendMessageTimeoutW(m_hWndMain, ExtentUtlMessage(), wp, lp, SMTO_NORMAL, kAnswerMs, &answer))
        return -1;
    return (LRESULT)answer;
}

bool CCorvana::Command(UINT id) const {
    return m_hWndMain && PostMessageW(m_hWndMain, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

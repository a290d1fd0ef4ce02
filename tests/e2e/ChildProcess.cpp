#include "e2e/ChildProcess.h"

namespace {

// One job for every program the tests start, closed only with our process.
HANDLE TestJob() {
    static HANDLE job = [] {
        HANDLE h = CreateJobObjectW(nullptr, nullptr);
        if (h) {
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION info{};
            info.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            SetInformationJobObject(h, JobObjectExtendedLimitInformation, &info, sizeof info);
        }
        return h;
    }();
    return job;
}

}  // namespace

CChildProcess::~CChildProcess() { Kill(); }

bool CChildProcess::Start(const std::wstring& exe, const std::wstring& args, const std::wstring& currentDir) {
    Kill();
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!args.empty())
        cmd += L" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        currentDir.empty() ? nullptr : currentDir.c_str(), &si, &m_pi)) {
        m_pi = PROCESS_INFORMATION{};
        return false;
    }
    // Without a job (a system that refuses nested jobs) the kill by handle
    // still ends it.
    if (HANDLE job = TestJob())
        AssignProcessToJobObject(job, m_pi.hProcess);
    ResumeThread(m_pi.hThread);
    return true;
}

void CChildProcess::Kill() {
    if (!m_pi.hProcess)
        return;
    if (WaitForSingleObject(m_pi.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, kWaitMs);
    }
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
    m_pi = PROCESS_INFORMATION{};
}

bool CChildProcess::Running() const {
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

bool CChildProcess::WaitEnd(DWORD timeoutMs) const {
    return m_pi.hProcess && WaitForProcess(m_pi.hProcess, timeoutMs);
}

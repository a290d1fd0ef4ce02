// A program a test starts. Each one is put into a job that ends it when the
// test program ends, whichever way; the object itself kills it by its
// handle when it goes, so that no instance outlives its test.
#pragma once
#include <windows.h>

#include <string>

#include "e2e/Waiting.h"

class CChildProcess {
public:
    CChildProcess() = default;
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    // exe is a full path; an empty currentDir keeps ours.
    bool Start(const std::wstring& exe, const std::wstring& args = {}, const std::wstring& currentDir = {});
    // Ends it at once (if it still runs), waits for the end, lets it go.
    void Kill();
    bool Running() const;
    bool WaitEnd(DWORD timeoutMs = kWaitMs) const;
    HANDLE Handle() const { return m_pi.hProcess; }
    DWORD Pid() const { return m_pi.dwProcessId; }

private:
    PROCESS_INFORMATION m_pi{};
};

#include "e2e/Waiting.h"

#include <algorithm>

namespace {

constexpr DWORD kPollMs = 25;

DWORD Elapsed(DWORD start) { return GetTickCount() - start; }

}  // namespace

void PumpOwnMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        PumpOwnMessages();
        if (done())
            return true;
        DWORD spent = Elapsed(start);
        if (spent >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min(kPollMs, timeoutMs - spent), QS_ALLINPUT);
    }
}

bool WaitForProcess(HANDLE process, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD spent = Elapsed(start);
        DWORD left = spent >= timeoutMs ? 0 : timeoutMs - spent;
        DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0)
            return true;
        if (r != WAIT_OBJECT_0 + 1 || left == 0)
            return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        PumpOwnMessages();
    }
}

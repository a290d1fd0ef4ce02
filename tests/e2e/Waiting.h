// Waiting for what another process does. The condition is polled while the
// messages of our own windows are dispatched, since the other process may
// be sending to them meanwhile, until it holds or the time is up.
#pragma once
#include <windows.h>

#include <functional>

// Generous: under Wine every cross-process call is a server round trip, and
// a start takes seconds on a loaded machine.
constexpr DWORD kWaitMs = 30000;

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs);

// True when the process has ended in time.
bool WaitForProcess(HANDLE process, DWORD timeoutMs = kWaitMs);

// Dispatches what is queued for our windows, sent messages included.
void PumpOwnMessages();

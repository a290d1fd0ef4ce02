// What the window tests share: a watchdog that breaks every message loop
// of ours when a test would otherwise wait for ever, and a pump.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// While it lives, a stuck test ends all our loops (WM_QUIT) after a few
// seconds and is reported as failed.
class Watchdog {
public:
    Watchdog();
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    UINT_PTR m_timer;
};

// Runs our message loop until done() holds; false when the watchdog broke it.
bool PumpUntil(const std::function<bool()>& done);

// Runs our message loop for ms milliseconds, for what must not happen.
void PumpFor(DWORD ms);

// Dispatches what is already queued.
void PumpPending();

// The text on the clipboard, as a program puts it there.
bool PutOnClipboard(HWND owner, const std::wstring& text);

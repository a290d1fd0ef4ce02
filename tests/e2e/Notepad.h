// The system's notepad: a real window of another program to put notes on.
#pragma once
#include <windows.h>

#include <string>

#include "e2e/ChildProcess.h"

// Where the tests put notepad's window.
constexpr RECT kNotepadRect{100, 100, 700, 500};

class CNotepad {
public:
    // Started, and its window shown at the place given; with a file, its
    // title names the file.
    bool Start(const RECT& place = kNotepadRect, const std::wstring& file = {});
    HWND Window() const { return m_hWnd; }
    DWORD Pid() const { return m_process.Pid(); }
    // Closed as its user closes it; an unchanged text asks nothing.
    bool Close();
    void Kill() { m_process.Kill(); }

private:
    CChildProcess m_process;
    HWND m_hWnd = nullptr;
};

// The title of an untitled notepad, CP932.
std::string NotepadTitle(HWND notepad);

// Which top-level windows may take a note, and what the window list keeps
// of them. Tracking and pasting use the one filter.
#pragma once
#include <windows.h>

#include <map>
#include <string>

#include "model/WinInf.h"

// Titles are read into 260 bytes (at most 259 of title), as they are stored.
constexpr size_t kMaxTitle = 259;

// A top-level window's title as the system keeps it: no message reaches a
// window of another process, so a hung program cannot stop us.
std::string ReadWindowTitle(HWND hwnd);

// The program name (upper case) and path of each process, asked once: the
// window list is rebuilt twice a second, and one program has many windows.
class CProcessNames {
public:
    // False when the process cannot be opened or named.
    bool Lookup(DWORD pid, std::string& name, std::string& path);

private:
    struct Entry {
        std::string name, path;
    };
    std::map<DWORD, Entry> m_names;
};

// True when a note may be pasted on the window: a visible, enabled window
// with a title other than the desktop shell's "Program Manager", of a
// program that can be named and is not this one, with a size, at least
// partly on a monitor. out gets the window, its title, program name and
// path; rect its window rectangle.
bool ReadCandidateWindow(HWND hwnd, CProcessNames& names, CWinInf& out, RECT& rect);

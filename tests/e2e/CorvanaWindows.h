// Finding a process's windows from outside, as another program sees them.
// Texts come back as the program keeps them: CP932.
#pragma once
#include <windows.h>

#include <iosfwd>
#include <string>
#include <vector>

std::vector<HWND> TopLevelWindows(DWORD pid);
std::wstring ClassOf(HWND hwnd);
// By WM_GETTEXT, which also reads the fields of other processes.
std::string TextOf(HWND hwnd);
// The same as the window holds it, for texts CP932 cannot hold (paths).
std::wstring WideTextOf(HWND hwnd);

// The main window: the hidden dialog captioned "コルヴァナ".
HWND FindMainWindow(DWORD pid);

// A note: a visible top-level dialog of the process holding a note's text
// field. The writing window and the message boxes hold none.
bool IsNoteWindow(HWND hwnd);
std::vector<HWND> NoteWindows(DWORD pid);
// The note owned by the target, or null.
HWND NoteOwnedBy(DWORD pid, HWND target);
// The desktop notes: notes without an owner.
std::vector<HWND> DesktopNotes(DWORD pid);
HWND NoteField(HWND note);
std::string NoteTextOf(HWND note);

// The visible message boxes of the process, while none of its own dialogs is
// shown: its visible dialogs holding a button that are neither its main
// window nor a note (the writing window holds none).
std::vector<HWND> MessageBoxes(DWORD pid);
// A visible message box of the process showing text, or null.
HWND FindMessageBox(DWORD pid, const std::string& text);
HWND FindMessageBox(DWORD pid, const std::wstring& text);
// Answers it as its button would.
bool AnswerMessageBox(HWND box, int id);
// Waits for the box showing text and answers it.
bool AnswerMessageBox(DWORD pid, const std::string& text, int id);

// A visible top-level dialog of the process with this caption, or null (the
// modeless ones are there, hidden, from the start).
HWND FindDialog(DWORD pid, const std::string& caption);
// Waits for it.
HWND WaitForDialog(DWORD pid, const std::string& caption);
// A popup menu of the process is open.
bool IsMenuOpen(DWORD pid);
// The main panel: the main window's child dialog holding the note list.
HWND FindPanel(HWND main);
// BM_CLICK, posted: the button does what a click does, and a dialog it
// opens holds nobody but its user.
bool PressButton(HWND button);
bool IsChecked(HWND button);

RECT WindowRect(HWND hwnd);
bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& os, const RECT& r);

// Not a test: the hand on the keyboard for scripts/run. Waits for Corvana
// and a notepad on the screen, pastes a note on notepad with Win+S as its
// user would, clicks into the note and types the text given, so that the
// screenshot shows the program at work.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "e2e/CorvanaWindows.h"
#include "e2e/Input.h"
#include "e2e/Waiting.h"
#include "framework/Text.h"

namespace {

constexpr RECT kNotepadPlace{220, 120, 860, 560};

int Fail(const char* what) {
    fprintf(stderr, "corvana_drive: %s\n", what);
    return 1;
}

HWND FindCorvana() {
    const UINT ask = RegisterWindowMessageW(L"CorvanaExtentUtl");
    HWND main = nullptr;
    WaitFor([&] {
        main = FindWindowW(L"#32770", L"コルヴァナ");
        DWORD_PTR alive = 0;
        return main && SendMessageTimeoutW(main, ask, 3, 0, SMTO_NORMAL, 5000, &alive) && alive == 1;
    });
    return main;
}

HWND FindNotepad() {
    HWND notepad = nullptr;
    WaitFor([&] { return (notepad = FindWindowW(L"Notepad", nullptr)) != nullptr && IsWindowVisible(notepad); });
    return notepad;
}

}  // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring text = argc > 1 ? argv[1] : L"";

    HWND main = FindCorvana();
    if (!main)
        return Fail("Corvana's main window does not answer");
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HWND notepad = FindNotepad();
    if (!notepad)
        return Fail("no notepad window");
    const RECT p = kNotepadPlace;
    SetWindowPos(notepad, nullptr, p.left, p.top, p.right - p.left, p.bottom - p.top, SWP_NOZORDER);
    if (!BringToFront(notepad))
        return Fail("notepad does not come to the front");

    // Over the upper right of notepad's text, clear of its menu.
    if (!MoveCursorTo(POINT{p.right - 190, p.top + 150}) || !PressKeys({VK_LWIN, 'S'}))
        return Fail("the keys could not be sent");
    HWND note = nullptr;
    if (!WaitFor([&] { return (note = NoteOwnedBy(pid, notepad)) != nullptr && IsWindowEnabled(note); }))
        return Fail("no note opened on notepad");

    if (!text.empty()) {
        if (!ClickInto(NoteField(note)) || !TypeText(text))
            return Fail("the text could not be typed");
        if (!WaitFor([&] { return NoteTextOf(note) == FromWide(text); }))
            return Fail("the note did not take the text");
    }
    // Out of the way of the picture; the note painted as it now is.
    MoveCursorTo(POINT{p.right + 120, p.bottom + 80});
    RedrawWindow(note, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT n = WindowRect(note);
    printf("note on notepad at %ld,%ld %ldx%ld\n", n.left, n.top, n.right - n.left, n.bottom - n.top);
    return 0;
}

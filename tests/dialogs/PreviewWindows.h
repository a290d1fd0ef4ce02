// Windows for the preview to show: the test's own, which paint one colour
// (in WM_PAINT and in WM_PRINTCLIENT, all that Wine's PrintWindow draws)
// and say how they were while being drawn; one whose thread stops taking
// messages; another program's. And what the preview shows on the screen.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>

#include "framework/RectChecks.h"
#include "framework/Wnd.h"

// The test's own popup of one colour.
class CColourWnd : public CWnd {
public:
    bool Open(const RECT& r, COLORREF colour);

    // How the window was when it was last drawn through WM_PRINTCLIENT.
    struct Drawn {
        int count = 0;
        bool iconic = false;
        RECT rect{};
        bool layered = false;
        bool attributesRead = false;
        BYTE alpha = 0;
        DWORD flags = 0;
    };
    Drawn m_drawn;
    // PrintWindow's own WM_PRINT, told apart from the WM_PRINTCLIENT alone
    // by which themed child buttons ask for their parent's background.
    int m_nPrinted = 0;
    bool m_bPrintedIconic = false;
    COLORREF m_colour = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }

private:
    void Fill(HDC dc);
};

// A window of a thread of its own that stops taking messages once it is
// up, until Release or, failing that, a few seconds later.
class CHungWindow {
public:
    CHungWindow(const RECT& r, COLORREF colour, bool minimised);
    ~CHungWindow();
    CHungWindow(const CHungWindow&) = delete;
    CHungWindow& operator=(const CHungWindow&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    // Lets the thread take its messages again and waits until it has
    // taken every one sent meanwhile.
    void Release();
    // The thread was let go by Release, not by its own time limit.
    bool ReleasedInTime() const { return m_releasedInTime; }
    // Messages that came to it while or after it did not answer.
    bool Printed() const { return m_printed; }
    bool Touched() const { return m_touched; }

private:
    static DWORD WINAPI ThreadProc(void* self);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Run();

    RECT m_rect;
    COLORREF m_colour;
    bool m_minimised;
    HANDLE m_ready = nullptr;
    HANDLE m_release = nullptr;
    HANDLE m_thread = nullptr;
    HWND m_hwnd = nullptr;
    std::atomic<bool> m_releasedInTime{false};
    std::atomic<bool> m_printed{false};
    std::atomic<bool> m_touched{false};
};

// Another program with a window of its own (the system's notepad).
class COtherProgram {
public:
    COtherProgram();
    ~COtherProgram();
    COtherProgram(const COtherProgram&) = delete;
    COtherProgram& operator=(const COtherProgram&) = delete;
    // Its visible top-level window, null when there is none.
    HWND Window() const { return m_hwnd; }

private:
    PROCESS_INFORMATION m_pi{};
    HWND m_hwnd = nullptr;
};

// What a preview control shows now: the box, from its top-left corner, of
// the pixels that are not its background, and the colour in the middle
// of that box.
struct Shown {
    int cx = 0, cy = 0;
    COLORREF middle = 0;
    bool empty() const { return cx == 0 && cy == 0; }
};
Shown ShownPicture(HWND preview);
// The colour of the preview at a point of its client area.
COLORREF ShownAt(HWND preview, int x, int y);

// Whether PrintWindow draws anything of the window into a bitmap of its size.
bool PrintWindowDraws(HWND hwnd);

// What the match tests share: a window of the test's own with children of
// every kind a child condition meets, dialogs run by their captions, rows
// chosen where a click would choose them, and scripted message boxes.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Wnd.h"

// Captions of the dialogs.
extern const char kMatchCaption[];
extern const char kChildSelCaption[];
extern const char kWinExSelCaption[];
extern const char kPreSetListCaption[];
extern const char kPreSetCaption[];

// The long child's text: 300 double-byte characters, 600 bytes.
std::string LongText();

// The test's own popup of one colour, drawn alike on the screen and by
// PrintWindow (WM_PRINTCLIENT); it notes whether it was minimised then.
class CColourWnd : public CWnd {
public:
    bool Open(const RECT& r, COLORREF colour);
    int m_nPrinted = 0;
    bool m_bPrintedIconic = false;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }

private:
    void Fill(HDC dc);
    COLORREF m_colour = 0;
};

// A window of a thread of its own that takes no message for a few seconds.
class CStuckWindow {
public:
    CStuckWindow();
    ~CStuckWindow();
    HWND Hwnd() const { return m_hwnd; }

private:
    static DWORD WINAPI Run(void* self);
    HANDLE m_ready, m_thread;
    HWND m_hwnd = nullptr;
};

// A popup of one colour with these children, in creation order:
//   Button 101 "了解"; Static 102 hidden; Edit 103 disabled; Static 104
//   empty; Static 105 "枠" holding Edit 201 "孫"; Button 106 "同じ一" and
//   Button 106 "同じ二"; multi-line Edit 107 "一行目\r\n二行目"; Static 108
//   with LongText().
class CChildTarget {
public:
    bool Open(const RECT& r, DWORD exStyle = 0);
    void Destroy();
    HWND Hwnd() const { return m_top.m_hWnd; }
    HWND Child(int id) const;  // the first child (or grandchild) of that id
    CColourWnd m_top;
};

// Runs the dialog; the script runs once the window of that caption is up.
INT_PTR RunDialog(CDialog& dlg, const char* caption, std::function<void(HWND)> script);
// Starts a dialog from inside a script (a button of an open dialog) and
// runs the script in the dialog it opens; false when none opened.
bool OpenNested(const char* caption, std::function<void()> open, std::function<void(HWND)> script);

void PressButton(HWND dlg, int id);
// The row becomes the list's selection, and the list tells its dialog of
// a click, as a click on the row does.
void ClickRow(HWND dlg, int listId, int row);
std::vector<std::string> RowTexts(HWND dlg, int listId, int column);
int Mark(HWND dlg, int listId);
std::string ItemText(HWND dlg, int id);

// Message boxes answered from a queue (IDYES, IDNO; OK boxes need none):
// a Yes/No box without an answer left says No.
void AnswerBoxes(std::vector<int> answers);
std::vector<std::string> TakeShownBoxes();

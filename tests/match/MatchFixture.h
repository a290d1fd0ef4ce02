// What the match tests share: a window of the test's own with children of
// every kind a child condition meets, dialogs run by their captions, rows
// chosen where a click would choose them, and scripted message boxes.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/PreviewWindows.h"
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

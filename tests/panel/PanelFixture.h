// The main panel as the main window will hold it: a child of a window of
// the test's own, its three files in a fresh folder, and target windows of
// another process (corvana_targets.exe, started once for the executable).
#pragma once
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "framework/RectChecks.h"
#include "framework/TargetProcess.h"
#include "framework/Wnd.h"
#include "panel/ControlDlg.h"
#include "storage/StorageTestFiles.h"

// The panel with a count of the hot-key messages it received.
class TestPanel : public CControlDlg {
public:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    int m_nHotKeys = 0;
};

// The program name of the helper's windows in the window list.
constexpr const char* kTargetsExeName = "CORVANA_TARGETS.EXE";

class PanelTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the panel in the host and makes the three path calls in the
    // main window's order; the panel's own timers are stopped again, so that
    // the tests give the ticks (SetUp does it unless m_openInSetUp is false).
    void OpenPanel();
    // One tick of the tracking timer (103) / the hot-key release timer (105),
    // as the timer gives it; the timer stays stopped.
    void Tick();
    void ReleaseTick();

    // The shared helper process, and a window of it that TearDown closes.
    static CTargetProcess& Targets();
    HWND Target(const std::string& title, int x = 300, int y = 200, int cx = 400, int cy = 300);
    HWND Target(const TargetArgs& args);
    // The window list's entry of a window, or null.
    const CWinInf* Listed(HWND hwnd) const;
    // A record that matches the helper's windows of this title exactly.
    static CMemletData NoteFor(const std::string& title);

    // The message boxes shown since the last call.
    static std::vector<std::string> TakeBoxes();

    std::wstring PropatyPath() const { return m_folder.File(L"TesselinPropaty.ini"); }
    std::wstring PreSetPath() const { return m_folder.File(L"TesselinPreset.ini"); }
    std::wstring DataPath() const { return m_folder.File(L"CorvanaData.ini"); }

    bool m_openInSetUp = true;
    TempFolder m_folder;
    CWnd m_host;
    TestPanel m_panel;
    std::vector<HWND> m_targets;
};

// Every note window of this thread closed, a record holding it or not
// (one a failed test left behind).
void CloseNoteWindows();

// Puts the mouse pointer there and waits until it reads back so.
bool MoveCursor(int x, int y);

RECT WindowRect(HWND hwnd);

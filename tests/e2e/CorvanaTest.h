// What every end-to-end test has: a program folder of its own, the
// Corvana.exe started from it, a notepad to put notes on, and, whatever
// happens in the test, neither left running after it.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "e2e/CorvanaProcess.h"
#include "e2e/CorvanaWindows.h"
#include "e2e/DataFile.h"
#include "e2e/Notepad.h"
#include "e2e/ProgramFolder.h"
#include "e2e/Waiting.h"

class CorvanaTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts it and waits until its main window answers.
    void StartCorvana(const std::wstring& currentDir = {});
    void StartNotepad(const RECT& place = kNotepadRect);
    // The note that opens on the target.
    HWND WaitForNoteOn(HWND target);
    // The desktop note, once there is one and no other; null if none came.
    HWND WaitForOnlyDesktopNote();
    // "手動保存", and the data file it writes.
    CIniText Save();
    // "終了", and the program's end.
    void Exit();
    // "終了" while the data file cannot be written: the writer's error box,
    // the pending list's when it cannot be written either, then the question
    // whether to end all the same, answered.
    void ExitAnsweringTheFailedSave(int answer, bool pendingListToo = false);
    std::wstring DataFile() const { return m_folder.File(L"CorvanaData.ini"); }
    std::wstring PendingFile() const { return m_folder.File(L"BriscoPendingList.ini"); }
    bool WaitForFile(const std::wstring& path);

    CProgramFolder m_folder;
    CCorvana m_corvana{m_folder};
    CNotepad m_notepad;
};

// Text in a note's field, as another program (or the keyboard) puts it there.
bool SetNoteText(HWND note, const std::string& text);

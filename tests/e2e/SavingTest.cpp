// Notes outlive the program: the end of a session writes every one of them,
// a restart brings them back on their windows, and a data file that cannot
// be written at "終了" loses nothing unless the user says so.
#include "e2e/CorvanaTest.h"
#include "e2e/ExtentUtl.h"
#include "e2e/Input.h"
#include "e2e/ListView.h"
#include "framework/Text.h"
#include "res/resource.h"

namespace {

bool UnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Under Wine, wineboot's end of the session: every process with a top-level
// window gets the end-session messages and is ended after them. Elsewhere
// the main window gets the messages as at a log-off.
bool EndSession(HWND main) {
    if (!UnderWine()) {
        DWORD_PTR r = 0;
        return SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000, &r) &&
               SendMessageTimeoutW(main, WM_ENDSESSION, 1, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000, &r);
    }
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    CChildProcess wineboot;
    return wineboot.Start(std::wstring(system) + L"\\wineboot.exe", L"--end-session") && wineboot.WaitEnd();
}

using Saving = CorvanaTest;

TEST_F(Saving, EndOfSessionWritesEveryNote) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    CUtilityWindow utility;
    ASSERT_TRUE(SendRecord(m_corvana.MainWindow(), utility.Handle(), CNoteRecord(m_notepad.Window(), {400, 300})));
    ASSERT_TRUE(m_corvana.Command(kCommandPasteDesktop));
    HWND onNotepad = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(onNotepad, nullptr);
    HWND onDesktop = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        auto notes = DesktopNotes(m_corvana.Pid());
        onDesktop = notes.empty() ? nullptr : notes.front();
        return onDesktop != nullptr;
    })) << "no desktop note";
    ASSERT_TRUE(SetNoteText(onNotepad, "メモ帳の付箋"));
    ASSERT_TRUE(SetNoteText(onDesktop, "デスクトップの付箋"));
    ASSERT_FALSE(GetFileAttributesW(DataFile().c_str()) != INVALID_FILE_ATTRIBUTES) << "written before the end";

    // This program's utility window is a message-only one, so that the end
    // of the session does not end the test with the others.
    if (UnderWine()) {
        ASSERT_TRUE(TopLevelWindows(GetCurrentProcessId()).empty()) << "wineboot would end the test too";
    }
    ASSERT_TRUE(EndSession(m_corvana.MainWindow())) << "the end of the session did not run";
    ASSERT_TRUE(WaitForFile(DataFile())) << "nothing written at the end of the session";
    CIniText data = CIniText::Load(DataFile());
    ASSERT_EQ(data.NoteCount(), 2);
    // The newest note comes first.
    EXPECT_EQ(data.NoteText(0), "デスクトップの付箋");
    EXPECT_EQ(data.Note(0, "EXENAME"), "DESKTOP");
    EXPECT_EQ(data.NoteText(1), "メモ帳の付箋");
    EXPECT_EQ(data.Note(1, "EXENAME"), "NOTEPAD.EXE");
}

// The end-session message as Windows sends it: the log-on really ends, the
// user logs off, or the end was called off.
TEST_F(Saving, EndSessionMessageWritesOnlyWhenTheSessionEnds) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_TRUE(m_corvana.Command(kCommandPasteDesktop));
    ASSERT_TRUE(WaitFor([&] { return DesktopNotes(m_corvana.Pid()).size() == 1; }));
    const struct {
        const char* what;
        WPARAM ending;
        LPARAM flags;
        bool writes;
    } cases[] = {
        {"called off", 0, 0, false},
        {"ending", 1, 0, true},
        {"logging off", 0, (LPARAM)ENDSESSION_LOGOFF, true},
    };
    for (const auto& c : cases) {
        DeleteFileW(DataFile().c_str());
        DWORD_PTR answer = 1;
        // Handled, the save with it, before the send returns.
        ASSERT_TRUE(SendMessageTimeoutW(m_corvana.MainWindow(), WM_ENDSESSION, c.ending, c.flags, SMTO_NORMAL,
                                        kWaitMs, &answer))
            << c.what;
        EXPECT_EQ(answer, 0u) << c.what;
        EXPECT_EQ(GetFileAttributesW(DataFile().c_str()) != INVALID_FILE_ATTRIBUTES, c.writes) << c.what;
        if (c.writes) {
            EXPECT_EQ(CIniText::Load(DataFile()).NoteCount(), 1) << c.what;
        }
        EXPECT_TRUE(m_corvana.Alive()) << c.what;
    }
}

TEST_F(Saving, RestartBringsTheNoteBackOnceNotepadIsOpenAgain) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    CUtilityWindow utility;
    ASSERT_TRUE(SendRecord(m_corvana.MainWindow(), utility.Handle(), CNoteRecord(m_notepad.Window(), {400, 300})));
    HWND note = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(note, nullptr);
    ASSERT_TRUE(SetNoteText(note, "再起動しても残る"));
    const RECT was = WindowRect(note);
    ASSERT_NO_FATAL_FAILURE(Exit());
    ASSERT_EQ(CIniText::Load(DataFile()).NoteCount(), 1);
    ASSERT_TRUE(m_notepad.Close());

    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    // Elsewhere this time: the note keeps its place on the window.
    const int dx = 60, dy = 35;
    ASSERT_NO_FATAL_FAILURE(StartNotepad(RECT{kNotepadRect.left + dx, kNotepadRect.top + dy,
                                              kNotepadRect.right + dx, kNotepadRect.bottom + dy}));
    note = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(note, nullptr) << "the note did not come back on the new notepad";
    EXPECT_EQ(NoteTextOf(note), "再起動しても残る");
    EXPECT_EQ(NoteWindows(m_corvana.Pid()).size(), 1u);
    const RECT moved{was.left + dx, was.top + dy, was.right + dx, was.bottom + dy};
    EXPECT_TRUE(WaitFor([&] { return WindowRect(note) == moved; })) << WindowRect(note) << " not " << moved;
}

// A window title is read as the code page gives it, at the paste as after
// the restart: a character CP932 lacks matches the same way both times.
TEST_F(Saving, NoteOnATitleOutsideTheCodePageComesBackOnItAfterARestart) {
    const std::wstring title = L"予定😀.txt - メモ帳";
    auto retitle = [this](const std::wstring& t) {
        DWORD_PTR r = 0;
        return SendMessageTimeoutW(m_notepad.Window(), WM_SETTEXT, 0, (LPARAM)t.c_str(), SMTO_NORMAL, 10000, &r) &&
               WaitFor([&] { return ToWide(NotepadTitle(m_notepad.Window())) == ToWide(FromWide(t)); });
    };
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    ASSERT_TRUE(retitle(title));
    CUtilityWindow utility;
    ASSERT_TRUE(SendRecord(m_corvana.MainWindow(), utility.Handle(), CNoteRecord(m_notepad.Window(), {400, 300})));
    HWND note = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(note, nullptr);
    ASSERT_TRUE(SetNoteText(note, "予定の付箋"));
    ASSERT_NO_FATAL_FAILURE(Exit());
    CIniText data = CIniText::Load(DataFile());
    ASSERT_EQ(data.NoteCount(), 1);
    EXPECT_EQ(data.Note(0, "TITLE"), FromWide(title));
    EXPECT_EQ(data.Note(0, "TITLEFLAG"), "1");
    EXPECT_EQ(data.Note(0, "FULL"), "1");

    // The title without the emoji is another title.
    ASSERT_TRUE(retitle(L"予定.txt - メモ帳"));
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    EXPECT_FALSE(WaitFor([&] { return NoteOwnedBy(m_corvana.Pid(), m_notepad.Window()) != nullptr; }, 3000))
        << "the note came on a window of another title";
    ASSERT_TRUE(retitle(title));
    note = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(note, nullptr) << "the note did not come back on its title";
    EXPECT_EQ(NoteTextOf(note), "予定の付箋");
}

class LockedDataFile : public CorvanaTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(CorvanaTest::SetUp());
        m_before = DesktopNotesFile({"保存前の付箋"});
        ASSERT_TRUE(WriteFileBytes(DataFile(), m_before));
        ASSERT_NO_FATAL_FAILURE(StartCorvana());
        ASSERT_TRUE(WaitFor([&] { return (m_note = OnlyDesktopNote()) != nullptr; })) << "the stored note is not shown";
        ASSERT_EQ(NoteTextOf(m_note), "保存前の付箋");
        // A change not yet written.
        ASSERT_TRUE(SetNoteText(m_note, "書き換えた付箋"));
    }
    HWND OnlyDesktopNote() const {
        auto notes = DesktopNotes(m_corvana.Pid());
        return notes.size() == 1 ? notes.front() : nullptr;
    }
    std::string m_before;
    HWND m_note = nullptr;
};

TEST_F(LockedDataFile, NoKeepsEverythingAndALaterExitWritesIt) {
    CLockedFile lock(DataFile());
    ASSERT_TRUE(lock.Locked());
    ASSERT_NO_FATAL_FAILURE(ExitAnsweringTheFailedSave(IDNO));
    // It runs on, its note open again with the change.
    ASSERT_TRUE(WaitFor([&] { return (m_note = OnlyDesktopNote()) != nullptr; })) << "the note did not come back";
    EXPECT_EQ(NoteTextOf(m_note), "書き換えた付箋");
    EXPECT_TRUE(m_corvana.Alive());
    lock.Unlock();
    EXPECT_EQ(ReadFileBytes(DataFile()), m_before);

    ASSERT_NO_FATAL_FAILURE(Exit());
    CIniText data = CIniText::Load(DataFile());
    ASSERT_EQ(data.NoteCount(), 1);
    EXPECT_EQ(data.NoteText(0), "書き換えた付箋");
}

// The pending list held as well: two boxes, each naming its own file, and
// neither file touched.
TEST_F(LockedDataFile, WithThePendingListHeldTooEachFileHasItsBox) {
    const std::string pending = "[SYSTEM]\r\nMEMLTENUM=0\r\n";
    ASSERT_TRUE(WriteFileBytes(PendingFile(), pending));
    CLockedFile lockData(DataFile()), lockPending(PendingFile());
    ASSERT_TRUE(lockData.Locked());
    ASSERT_TRUE(lockPending.Locked());
    ASSERT_NO_FATAL_FAILURE(ExitAnsweringTheFailedSave(IDNO, true));
    EXPECT_TRUE(m_corvana.Alive());
    lockData.Unlock();
    lockPending.Unlock();
    EXPECT_EQ(ReadFileBytes(DataFile()), m_before);
    EXPECT_EQ(ReadFileBytes(PendingFile()), pending);
}

TEST_F(LockedDataFile, YesEndsWithTheFileAsItWas) {
    CLockedFile lock(DataFile());
    ASSERT_TRUE(lock.Locked());
    ASSERT_NO_FATAL_FAILURE(ExitAnsweringTheFailedSave(IDYES));
    EXPECT_TRUE(m_corvana.WaitEnd()) << "still running after Yes";
    lock.Unlock();
    EXPECT_EQ(ReadFileBytes(DataFile()), m_before);
}

// A note given back from the pending list ("ACTIVEに戻す") while the data
// file is held: "終了", the box, Yes, and the note is still in the pending
// list's file, where the next start finds it.
TEST_F(Saving, ANoteGivenBackWhileTheDataFileIsHeldStaysInThePendingListsFile) {
    const std::string before = DesktopNotesFile({"元からある付箋"});
    ASSERT_TRUE(WriteFileBytes(DataFile(), before));
    ASSERT_TRUE(WriteFileBytes(PendingFile(), DesktopNotesFile({"戻される付箋"})));
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    HWND main = m_corvana.MainWindow();
    ASSERT_TRUE(PressButton(GetDlgItem(main, IDC_BUTTON_PENDINGLIST)));
    HWND pending = WaitForDialog(m_corvana.Pid(), "保留リスト");
    ASSERT_NE(pending, nullptr) << "no pending list";
    HWND rows = GetDlgItem(pending, IDC_LIST_PENDING);
    ASSERT_EQ(ListColumn(rows, 2), std::vector<std::string>{"戻される付箋"});  // the text column
    ASSERT_TRUE(BringToFront(pending));
    ASSERT_TRUE(ClickListRow(rows, 0));
    ASSERT_TRUE(PressButton(GetDlgItem(pending, IDC_BUTTON_ACTIVE)));
    ASSERT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(pending, IDC_STATIC_PENDINGCOUNT)) == "0"; }));
    ASSERT_TRUE(WaitFor([&] {
        for (HWND note : DesktopNotes(m_corvana.Pid()))
            if (NoteTextOf(note) == "戻される付箋")
                return true;
        return false;
    })) << "the note given back did not open";

    CLockedFile lock(DataFile());
    ASSERT_TRUE(lock.Locked());
    ASSERT_NO_FATAL_FAILURE(ExitAnsweringTheFailedSave(IDYES));
    EXPECT_TRUE(m_corvana.WaitEnd()) << "still running after Yes";
    lock.Unlock();
    EXPECT_EQ(ReadFileBytes(DataFile()), before);
    CIniText parked = CIniText::Load(PendingFile());
    ASSERT_EQ(parked.NoteCount(), 1) << "the note is in neither file";
    EXPECT_EQ(parked.NoteText(0), "戻される付箋");
}

}  // namespace

#include "e2e/CorvanaTest.h"

#include "framework/Text.h"

void CorvanaTest::SetUp() {
    // A left-over instance would hold the mutex and make every start a second one.
    ASSERT_TRUE(NoCorvanaRunning()) << "an instance of Corvana from before is still running";
    ASSERT_TRUE(m_folder.Ready()) << "no copy of " << FromWide(BuiltCorvanaExe());
}

void CorvanaTest::TearDown() {
    m_corvana.Kill();
    m_notepad.Kill();
}

void CorvanaTest::StartCorvana(const std::wstring& currentDir) {
    ASSERT_TRUE(m_corvana.Start(currentDir)) << "error " << GetLastError();
    ASSERT_TRUE(m_corvana.WaitReady()) << "the main window never answered";
}

void CorvanaTest::StartNotepad(const RECT& place) { ASSERT_TRUE(m_notepad.Start(place)) << "no notepad window"; }

HWND CorvanaTest::WaitForNoteOn(HWND target) {
    HWND note = nullptr;
    WaitFor([&] { return (note = NoteOwnedBy(m_corvana.Pid(), target)) != nullptr; });
    return note;
}

HWND CorvanaTest::WaitForOnlyDesktopNote() {
    HWND note = nullptr;
    WaitFor([&] {
        auto notes = DesktopNotes(m_corvana.Pid());
        note = notes.size() == 1 ? notes.front() : nullptr;
        return note != nullptr;
    });
    return note;
}

bool CorvanaTest::WaitForFile(const std::wstring& path) {
    return WaitFor([&] { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

CIniText CorvanaTest::Save() {
    // The file appears whole: it is written beside and then moved in.
    DeleteFileW(DataFile().c_str());
    EXPECT_TRUE(m_corvana.Command(kCommandSave));
    EXPECT_TRUE(WaitForFile(DataFile())) << "no data file written";
    return CIniText::Load(DataFile());
}

void CorvanaTest::Exit() {
    ASSERT_TRUE(m_corvana.Command(kCommandExit));
    ASSERT_TRUE(m_corvana.WaitEnd()) << "still running after 終了";
}

void CorvanaTest::ExitAnsweringTheFailedSave(int answer, bool pendingListToo) {
    const char dataFailed[] = "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";
    const char pendingFailed[] =
        "保留リストのファイル(BriscoPendingList.ini)に書き込めません.保留リストの変更は保存されていません。";
    ASSERT_TRUE(m_corvana.Command(kCommandExit));
    ASSERT_TRUE(AnswerMessageBox(m_corvana.Pid(), dataFailed, IDOK)) << "no error box";
    if (pendingListToo) {
        ASSERT_TRUE(AnswerMessageBox(m_corvana.Pid(), pendingFailed, IDOK)) << "no box for the pending list";
    }
    ASSERT_TRUE(AnswerMessageBox(m_corvana.Pid(), "データを保存できませんでした。このまま終了しますか？", answer))
        << "no question";
}

bool SetNoteText(HWND note, const std::string& text) {
    HWND field = NoteField(note);
    std::wstring w = ToWide(text);
    DWORD_PTR result = 0;
    return field && SendMessageTimeoutW(field, WM_SETTEXT, 0, (LPARAM)w.c_str(), SMTO_NORMAL, 10000, &result) &&
           result;
}

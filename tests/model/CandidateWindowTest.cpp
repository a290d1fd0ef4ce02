// Which top-level windows may take a note: those of the test are refused
// as our own; another program's window is taken until it fails one test.
#include <gtest/gtest.h>

#include <string>

#include "framework/Text.h"
#include "model/CandidateWindow.h"

namespace {

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; i++)
        out += s;
    return out;
}

HWND TopWindow(const std::string& title, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    return CreateWindowExW(0, L"Static", ToWide(title).c_str(), style, 40, 40, 300, 200, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(CandidateWindow, TitleIsCutAt259BytesOnACharacterBoundary) {
    struct Case {
        std::string title, expected;
    } cases[] = {
        {Repeat("あ", 200), Repeat("あ", 129)},  // 400 bytes; the 130th would end at byte 260
        {"a" + Repeat("あ", 200), "a" + Repeat("あ", 129)},
        {std::string(300, 'x'), std::string(259, 'x')},
        {"メモ帳", "メモ帳"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.size());
        HWND h = TopWindow(c.title);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(c.expected, ReadWindowTitle(h));
        DestroyWindow(h);
    }
}

TEST(CandidateWindow, WindowsOfOurOwnProcessAreRefused) {
    HWND fine = TopWindow("付箋の貼り先");
    ASSERT_NE(fine, nullptr);
    HWND hidden = TopWindow("隠れ", WS_OVERLAPPEDWINDOW);
    CProcessNames names;
    for (HWND h : {fine, hidden}) {
        CWinInf out;
        out.m_strTitle = "kept";
        RECT rect{};
        EXPECT_FALSE(ReadCandidateWindow(h, names, out, rect));
        EXPECT_EQ("kept", out.m_strTitle);
        DestroyWindow(h);
    }
}

TEST(ProcessNames, OwnProcessUpperCase) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    CProcessNames names;
    std::string name, path;
    ASSERT_TRUE(names.Lookup(GetCurrentProcessId(), name, path));
    EXPECT_EQ("MODEL_TESTS.EXE", name);
    EXPECT_EQ(self, path);
    // A process that cannot be named stays so.
    EXPECT_FALSE(names.Lookup(0, name, path));
    EXPECT_EQ("", name);
    EXPECT_EQ("", path);
}

// Notepad, running for the length of one test, and its main window.
class OtherProgram : public testing::Test {
protected:
    void SetUp() override { Start(kNotepad); }
    void TearDown() override { Stop(); }
    void Start(const char* exe) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_SHOWNOACTIVATE;
        char cmd[MAX_PATH] = "notepad.exe";
        ASSERT_TRUE(CreateProcessA(exe, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
        WaitForInputIdle(pi.hProcess, 10000);
        for (int i = 0; i < 100 && !window; i++) {
            EnumWindows(
                [](HWND h, LPARAM p) {
                    OtherProgram& self = *(OtherProgram*)p;
                    DWORD pid = 0;
                    GetWindowThreadProcessId(h, &pid);
                    if (pid != self.pi.dwProcessId || !IsWindowVisible(h) || GetWindow(h, GW_OWNER))
                        return TRUE;
                    self.window = h;
                    return FALSE;
                },
                (LPARAM)this);
            if (!window)
                Sleep(50);
        }
        ASSERT_NE(window, nullptr);
        SetWindowPos(window, nullptr, 200, 150, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void Stop() {
        if (!pi.hProcess)
            return;
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 5000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        pi = {};
        window = nullptr;
    }
    bool Read(CWinInf& out, RECT& rect) {
        CProcessNames names;
        return ReadCandidateWindow(window, names, out, rect);
    }
    static constexpr const char* kNotepad = "C:\\windows\\system32\\notepad.exe";
    PROCESS_INFORMATION pi{};
    HWND window = nullptr;
};

TEST_F(OtherProgram, ItsWindowIsTakenWithTitleNameAndPath) {
    SetWindowTextW(window, ToWide("付箋の貼り先").c_str());
    CWinInf out;
    out.m_bEnumChild = 1;
    out.m_ChildList.resize(1);
    RECT rect{};
    ASSERT_TRUE(Read(out, rect));
    EXPECT_EQ(window, out.m_hWnd);
    EXPECT_EQ("付箋の貼り先", out.m_strTitle);
    EXPECT_EQ("NOTEPAD.EXE", out.m_strProcessName);
    EXPECT_EQ(0, _stricmp(kNotepad, out.m_strPath.c_str())) << out.m_strPath;
    // A fresh entry: its children are listed later.
    EXPECT_EQ(0, out.m_bEnumChild);
    EXPECT_TRUE(out.m_ChildList.empty());
    EXPECT_EQ(200, rect.left);
    EXPECT_EQ(150, rect.top);
    EXPECT_EQ(600, rect.right);
    EXPECT_EQ(450, rect.bottom);
}

TEST_F(OtherProgram, ItsWindowIsRefusedWhenItFailsOneTest) {
    struct Case {
        const char* what;
        void (*spoil)(HWND);
        void (*mend)(HWND);
    } cases[] = {
        {"hidden", [](HWND h) { ShowWindow(h, SW_HIDE); }, [](HWND h) { ShowWindow(h, SW_SHOWNOACTIVATE); }},
        {"disabled", [](HWND h) { EnableWindow(h, FALSE); }, [](HWND h) { EnableWindow(h, TRUE); }},
        {"untitled", [](HWND h) { SetWindowTextW(h, L""); }, [](HWND h) { SetWindowTextW(h, L"メモ"); }},
        {"the shell's", [](HWND h) { SetWindowTextW(h, L"program Manager"); },
         [](HWND h) { SetWindowTextW(h, L"メモ"); }},
        {"off every monitor",
         [](HWND h) { SetWindowPos(h, nullptr, 30000, 30000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); },
         [](HWND h) { SetWindowPos(h, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }},
    };
    SetWindowTextW(window, L"メモ");
    CProcessNames names;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CWinInf out;
        RECT rect;
        ASSERT_TRUE(Read(out, rect));
        c.spoil(window);
        out = CWinInf();
        EXPECT_FALSE(Read(out, rect));
        EXPECT_EQ(nullptr, out.m_hWnd);
        c.mend(window);
    }
    CWinInf none;
    RECT rect;
    EXPECT_FALSE(ReadCandidateWindow(nullptr, names, none, rect));
}

// Another copy of this program, wherever it lies, is never a target.
TEST_F(OtherProgram, ProgramNamedCorvanaIsRefused) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    struct Case {
        const char* file;
        bool taken;
    } cases[] = {{"Memo.exe", true}, {"Corvana.exe", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Stop();
        std::string copy = std::string(dir) + c.file;
        ASSERT_TRUE(CopyFileA(kNotepad, copy.c_str(), FALSE));
        Start(copy.c_str());
        CWinInf out;
        RECT rect;
        EXPECT_EQ(c.taken, Read(out, rect));
        EXPECT_EQ(c.taken ? MbUpper(c.file) : "", out.m_strProcessName);
        Stop();
        DeleteFileA(copy.c_str());
    }
}

// The name is asked once per process: it outlives the process.
TEST_F(OtherProgram, NamesAreAskedOncePerProcess) {
    CProcessNames names;
    std::string name, path;
    ASSERT_TRUE(names.Lookup(pi.dwProcessId, name, path));
    EXPECT_EQ("NOTEPAD.EXE", name);
    std::string firstPath = path;
    // The handle held by the test keeps the ended process's id from being reused.
    ASSERT_TRUE(TerminateProcess(pi.hProcess, 0));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 5000));
    name = path = "";
    EXPECT_TRUE(names.Lookup(pi.dwProcessId, name, path));
    EXPECT_EQ("NOTEPAD.EXE", name);
    EXPECT_EQ(firstPath, path);
    CProcessNames fresh;
    EXPECT_FALSE(fresh.Lookup(pi.dwProcessId, name, path));
}

}  // namespace

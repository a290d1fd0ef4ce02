#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/WinInf.h"

static std::string Name(DWORD pid) {
    std::string s = "not cleared";
    GetProcessName(pid, s);
    return s;
}

static std::string Path(DWORD pid) {
    std::string s = "not cleared";
    GetProcessPath(pid, s);
    return s;
}

TEST(ProcessName, OwnProcess) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const char* base = strrchr(self, '\\');
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(Name(GetCurrentProcessId()), base + 1);
    EXPECT_EQ(Path(GetCurrentProcessId()), self);
}

// Another program, running for the length of one test.
class OtherProcess : public testing::Test {
protected:
    void SetUp() override {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_SHOWNOACTIVATE;
        char cmd[MAX_PATH];
        strcpy(cmd, kNotepad);
        ASSERT_TRUE(CreateProcessA(kNotepad, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
        WaitForInputIdle(pi.hProcess, 10000);
    }
    void TearDown() override {
        if (!pi.hProcess)
            return;
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 5000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    static constexpr const char* kNotepad = "C:\\windows\\system32\\notepad.exe";
    PROCESS_INFORMATION pi{};
};

TEST_F(OtherProcess, NameAndPath) {
    EXPECT_EQ(Name(pi.dwProcessId), "notepad.exe");
    std::string path = Path(pi.dwProcessId);
    EXPECT_EQ(_stricmp(path.c_str(), kNotepad), 0) << path;
    ASSERT_GT(path.size(), strlen("\\notepad.exe"));
    EXPECT_EQ(path.substr(path.size() - strlen("\\notepad.exe")), "\\notepad.exe");
}

TEST_F(OtherProcess, ProcessThatCannotBeReadGivesEmpty) {
    EXPECT_EQ(Name(0), "");
    EXPECT_EQ(Path(0), "");
    // The handle held by the test keeps the ended process's id from being reused.
    ASSERT_TRUE(TerminateProcess(pi.hProcess, 0));
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(Name(pi.dwProcessId), "");
    EXPECT_EQ(Path(pi.dwProcessId), "");
}

#include <gtest/gtest.h>

#include "StorageTestFiles.h"
#include "framework/Text.h"

namespace {

std::string HelperPath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.rfind('\\') + 1) + "storage_save_loop.exe";
}

std::string Quoted(const std::string& s) {
    std::string q(1, '"');
    q += s;
    q += '"';
    return q;
}

bool Start(const std::string& args, PROCESS_INFORMATION& pi) {
    std::string cmd = Quoted(HelperPath()) + " " + args;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) != 0;
}

void Close(PROCESS_INFORMATION& pi) {
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

// The helper saves two big lists in turn, over and over; killed at any moment
// it must leave one of the two files whole, never a mix or a cut file.
TEST(KillSaveTest, KilledSaveLeavesTheOldOrTheNewFile) {
    TempFolder folder;
    PROCESS_INFORMATION pi;
    ASSERT_TRUE(Start("expect " + Quoted(FromWide(folder.Path())), pi));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 60000));
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    Close(pi);
    ASSERT_EQ(0u, code);
    const std::string a = ReadBytes(folder.File(L"A.ini")), b = ReadBytes(folder.File(L"B.ini"));
    ASSERT_FALSE(a.empty());
    ASSERT_NE(a, b);
    const std::wstring data = folder.File(L"CorvanaData.ini");
    ASSERT_TRUE(WriteBytes(data, a));

    const int delays[] = {0, 3, 7, 12, 18, 25};
    for (int delay : delays) {
        std::string name = "corvana-save-loop-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(delay);
        HANDLE started = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
        ASSERT_NE(nullptr, started);
        ASSERT_TRUE(Start("loop " + Quoted(FromWide(folder.Path())) + " " + name, pi));
        HANDLE waits[] = {started, pi.hProcess};
        DWORD w = WaitForMultipleObjects(2, waits, FALSE, 60000);
        if (w == WAIT_OBJECT_0)
            Sleep(delay);
        TerminateProcess(pi.hProcess, 9);
        WaitForSingleObject(pi.hProcess, 10000);
        Close(pi);
        CloseHandle(started);
        ASSERT_EQ(WAIT_OBJECT_0, w) << "the helper ended before its first save";
        const std::string now = ReadBytes(data);
        EXPECT_TRUE(now == a || now == b) << "killed after " << delay << " ms: " << now.size() << " bytes";
    }
}

}  // namespace

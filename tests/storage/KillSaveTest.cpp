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

// Runs the helper once to its end; true when it ended well.
bool RunToEnd(const std::string& args) {
    PROCESS_INFORMATION pi;
    if (!Start(args, pi))
        return false;
    bool ended = WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    if (!ended)
        TerminateProcess(pi.hProcess, 9);
    Close(pi);
    return ended && code == 0;
}

// Waits until the file's size has been from, then to; false after 30 s.
bool WaitForChange(const std::wstring& path, size_t from, size_t to) {
    bool seenFrom = false;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 30000;) {
        WIN32_FILE_ATTRIBUTE_DATA a;
        if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &a))
            continue;
        size_t size = a.nFileSizeLow;
        if (size == from)
            seenFrom = true;
        else if (seenFrom && size == to)
            return true;
    }
    return false;
}

// The helper moves one note from the data list to the pending list and back,
// saving both files after each move. Killed just after either file took its
// new content, whichever way the note went, it is in one of the files (for
// one start in both), never in neither, and both files are whole.
TEST(KillSaveTest, AKilledSaveOfBothFilesKeepsTheMovedNote) {
    TempFolder folder;
    ASSERT_TRUE(RunToEnd("moved " + Quoted(FromWide(folder.Path()))));
    const std::string dataWith = ReadBytes(folder.File(L"DataWith.ini")),
                      dataWithout = ReadBytes(folder.File(L"DataWithout.ini")),
                      pendingWith = ReadBytes(folder.File(L"PendingWith.ini")),
                      pendingWithout = ReadBytes(folder.File(L"PendingWithout.ini"));
    ASSERT_GT(dataWith.size(), dataWithout.size());
    ASSERT_GT(pendingWith.size(), pendingWithout.size());
    const std::wstring data = folder.File(L"CorvanaData.ini"), pending = folder.File(L"BriscoPendingList.ini");
    const struct {
        const char* way;
        const std::wstring& watched;
        const std::string& before;
        const std::string& after;
    } cases[] = {
        {"parked, the data file replaced", data, dataWith, dataWithout},
        {"parked, the pending list replaced", pending, pendingWithout, pendingWith},
        {"ACTIVEに戻す, the data file replaced", data, dataWithout, dataWith},
        {"ACTIVEに戻す, the pending list replaced", pending, pendingWith, pendingWithout},
    };
    for (const auto& c : cases) {
        for (int delay : {0, 1, 2}) {
            SCOPED_TRACE(std::string(c.way) + ", killed " + std::to_string(delay) + " ms after");
            std::string name = "corvana-move-loop-" + std::to_string(GetCurrentProcessId());
            HANDLE started = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
            ASSERT_NE(nullptr, started);
            PROCESS_INFORMATION pi;
            ASSERT_TRUE(Start("move " + Quoted(FromWide(folder.Path())) + " " + name, pi));
            HANDLE waits[] = {started, pi.hProcess};
            bool saving = WaitForMultipleObjects(2, waits, FALSE, 60000) == WAIT_OBJECT_0;
            bool changed = saving && WaitForChange(c.watched, c.before.size(), c.after.size());
            if (changed)
                Sleep(delay);
            TerminateProcess(pi.hProcess, 9);
            WaitForSingleObject(pi.hProcess, 10000);
            Close(pi);
            CloseHandle(started);
            ASSERT_TRUE(saving) << "the helper ended before its first save";
            ASSERT_TRUE(changed) << "the file never changed that way";
            const std::string d = ReadBytes(data), p = ReadBytes(pending);
            EXPECT_TRUE(d == dataWith || d == dataWithout) << "data file: " << d.size() << " bytes";
            EXPECT_TRUE(p == pendingWith || p == pendingWithout) << "pending list: " << p.size() << " bytes";
            EXPECT_FALSE(d == dataWithout && p == pendingWithout) << "the note is in neither file";
        }
    }
}

}  // namespace

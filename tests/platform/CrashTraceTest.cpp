// A crash leaves one line in "CorvanaCrash.log" beside the program: a small
// program with the same handler crashes on purpose in its own folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/CrashLogTrim.h"
#include "app/CrashTrace.h"
#include "e2e/DataFile.h"

namespace {

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\'));
}

// A folder of its own holding a copy of the probe; removed afterwards.
class ProbeFolder {
public:
    ProbeFolder() {
        wchar_t tmp[MAX_PATH];
        GetTempPathW(MAX_PATH, tmp);
        // A folder name CP932 cannot hold: the line must reach it all the same.
        m_dir = std::wstring(tmp) + L"corvana-crash-caf\u00e9 \u2615-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_dir.c_str(), nullptr);
        m_ok = CopyFileW((OwnFolder() + L"\\crash_probe.exe").c_str(), File(L"crash_probe.exe").c_str(), FALSE) != 0;
    }
    ~ProbeFolder() {
        for (const wchar_t* name : {L"crash_probe.exe", L"CrashProbePlace.txt", kCrashTraceName})
            DeleteFileW(File(name).c_str());
        RemoveDirectoryW(m_dir.c_str());
    }
    bool Ready() const { return m_ok; }
    std::wstring File(const wchar_t* name) const { return m_dir + L"\\" + name; }

    // Runs the probe and gives its exit code; -1 when it ran on.
    long long Run(const wchar_t* what) const {
        std::wstring exe = File(L"crash_probe.exe");
        std::wstring cmd = L"\"" + exe + L"\" " + what;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, m_dir.c_str(), &si, &pi))
            return -2;
        long long code = -1;
        if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) {
            DWORD c = 0;
            GetExitCodeProcess(pi.hProcess, &c);
            code = c;
        } else {
            TerminateProcess(pi.hProcess, 1);
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return code;
    }

private:
    std::wstring m_dir;
    bool m_ok = false;
};

// The offsets of every "crash_probe.exe+0x1a2b" in the line.
std::vector<long long> OffsetsIn(const std::string& line) {
    const std::string name = "crash_probe.exe+0x";
    std::vector<long long> offsets;
    for (size_t at = line.find(name); at != std::string::npos; at = line.find(name, at + 1))
        offsets.push_back(strtoll(line.c_str() + at + name.size(), nullptr, 16));
    return offsets;
}

// One of them lies within the probe's crashing function.
bool NamesTheFunction(const std::vector<long long>& offsets, const ProbeFolder& folder) {
    long long function = atoll(ReadFileBytes(folder.File(L"CrashProbePlace.txt")).c_str());
    for (long long offset : offsets)
        if (function > 0 && offset >= function && offset < function + 64)
            return true;
    return false;
}

TEST(CrashTrace, ABadWriteLeavesOneLineNamingTheExceptionAndThePlace) {
    ProbeFolder folder;
    ASSERT_TRUE(folder.Ready());
    EXPECT_EQ(folder.Run(L"write"), (long long)EXCEPTION_ACCESS_VIOLATION) << "ended otherwise";
    std::string log = ReadFileBytes(folder.File(kCrashTraceName));
    ASSERT_FALSE(log.empty()) << "no crash trace beside the program";
    ASSERT_EQ(log.find("\r\n"), log.size() - 2) << log;
    EXPECT_NE(log.find(" exception 0xc0000005 (write of 0x10) at crash_probe.exe+0x"), std::string::npos) << log;
    std::vector<long long> offsets = OffsetsIn(log);
    EXPECT_EQ(offsets.size(), 1u) << log;
    EXPECT_TRUE(NamesTheFunction(offsets, folder)) << log;
    // A second crash adds its line to the first.
    EXPECT_EQ(folder.Run(L"write"), (long long)EXCEPTION_ACCESS_VIOLATION);
    std::string two = ReadFileBytes(folder.File(kCrashTraceName));
    EXPECT_EQ(two.substr(0, log.size()), log);
    EXPECT_EQ(two.find("\r\n", log.size()), two.size() - 2) << two;
}

TEST(CrashTrace, AnUncaughtCppExceptionLeavesItsTextAndTheThrowersFrames) {
    ProbeFolder folder;
    ASSERT_TRUE(folder.Ready());
    // Ended at once: no box of the run-time waits for a click.
    EXPECT_EQ(folder.Run(L"throw"), 3);
    std::string log = ReadFileBytes(folder.File(kCrashTraceName));
    ASSERT_FALSE(log.empty()) << "no crash trace beside the program";
    EXPECT_EQ(log.find("\r\n"), log.size() - 2) << log;
    EXPECT_NE(log.find(" uncaught C++ exception \"probe\" thrown at crash_probe.exe+0x"), std::string::npos) << log;
    EXPECT_TRUE(NamesTheFunction(OffsetsIn(log), folder)) << log;
}

TEST(CrashTrace, AProgramThatDoesNotCrashLeavesNoFile) {
    ProbeFolder folder;
    ASSERT_TRUE(folder.Ready());
    EXPECT_EQ(folder.Run(L"nothing"), 0);
    EXPECT_EQ(GetFileAttributesW(folder.File(kCrashTraceName).c_str()), INVALID_FILE_ATTRIBUTES);
}

// Lines of n bytes each (the line end included), numbered, together size bytes.
std::string Lines(size_t size, size_t n) {
    std::string out;
    for (int i = 0; out.size() < size; i++) {
        std::string line = std::to_string(i) + " ";
        line.resize(n - 2, 'x');
        out += line + "\r\n";
    }
    out.resize(size);
    return out;
}

// The log cut at a start: its newest whole lines within the bound, never a
// part of a line; one within the bound, or one another program holds, as it is.
TEST(CrashTrace, ALongLogKeepsItsNewestWholeLines) {
    const size_t keep = kCrashLogKeep;
    const struct {
        const char* what;
        std::string log;
        bool held;
        std::string after;
    } cases[] = {
        {"short", Lines(500, 100), false, Lines(500, 100)},
        {"at the bound", Lines(keep, 100), false, Lines(keep, 100)},
        // Lines of 1024 bytes: the cut falls on a line start.
        {"cut at a line", Lines(keep + 1024, 1024), false, Lines(keep + 1024, 1024).substr(1024)},
        // The cut falls at byte 1050, within the line of bytes 1000 to 1099.
        {"cut within a line", Lines(keep + 1050, 100), false, Lines(keep + 1050, 100).substr(1100)},
        {"one line longer than the bound", std::string(keep + 10, 'x') + "\r\n", false, ""},
        {"held by another program", Lines(keep + 1000, 100), true, Lines(keep + 1000, 100)},
    };
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    const std::wstring dir = std::wstring(tmp) + L"corvana-log-cut-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring log = dir + L"\\" + kCrashTraceName;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteFileBytes(log, c.log));
        HANDLE hold = c.held ? CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
                             : INVALID_HANDLE_VALUE;
        TrimCrashLog(dir);
        if (hold != INVALID_HANDLE_VALUE)
            CloseHandle(hold);
        const std::string now = ReadFileBytes(log);
        EXPECT_TRUE(now == c.after) << now.size() << " bytes, not " << c.after.size() << ": "
                                     << now.substr(0, 16);
        EXPECT_EQ(GetFileAttributesW((log + L".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    }
    DeleteFileW(log.c_str());
    TrimCrashLog(dir);  // no log: none made
    EXPECT_EQ(GetFileAttributesW(log.c_str()), INVALID_FILE_ATTRIBUTES);
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

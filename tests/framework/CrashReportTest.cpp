// A test that crashes fails its executable at once, with the test's full
// name and the place, instead of waiting in the system's debugger until
// the run's time-out: crashing_tests.exe crashes on purpose, one test a run.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/ProgramFolder.h"
#include "storage/StorageTestFiles.h"

namespace {

struct CrashedRun {
    bool ended = false;  // within the wait, not killed
    DWORD code = 0;
    std::string output;  // stdout and stderr
};

// Far shorter than a debugger's wait, far longer than a crash takes.
constexpr DWORD kWaitMs = 30000;

CrashedRun RunCrashing(const std::string& test) {
    CrashedRun run;
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    std::wstring outPath = std::wstring(tmp) + L"crashing-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return run;
    std::wstring exe = ProgramFolder() + L"\\crashing_tests.exe";
    std::wstring cmd = L"\"" + exe + L"\" --gtest_color=no --gtest_filter=Crashing." +
                       std::wstring(test.begin(), test.end());
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = out;
    PROCESS_INFORMATION pi{};
    BOOL started = CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(out);
    if (started) {
        if (WaitForSingleObject(pi.hProcess, kWaitMs) == WAIT_OBJECT_0) {
            run.ended = true;
            GetExitCodeProcess(pi.hProcess, &run.code);
        } else {
            TerminateProcess(pi.hProcess, 1);
            WaitForSingleObject(pi.hProcess, 5000);
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    run.output = ReadBytes(outPath);
    DeleteFileW(outPath.c_str());
    return run;
}

// The offset the probe printed for its crashing function.
long long FunctionOffset(const std::string& output) {
    const std::string mark = "crashing function at +0x";
    size_t at = output.find(mark);
    return at == std::string::npos ? -1 : strtoll(output.c_str() + at + mark.size(), nullptr, 16);
}

// The offsets of every "crashing_tests.exe+0x1a2b" after from.
std::vector<long long> OffsetsIn(const std::string& output, size_t from) {
    const std::string name = "crashing_tests.exe+0x";
    std::vector<long long> offsets;
    for (size_t at = output.find(name, from); at != std::string::npos; at = output.find(name, at + 1))
        offsets.push_back(strtoll(output.c_str() + at + name.size(), nullptr, 16));
    return offsets;
}

TEST(CrashReport, ACrashedTestEndsItsRunAtOnceWithItsNameAndPlace) {
    struct Case {
        const char* test;
        DWORD code;
        const char* what;  // after the test's name
    } cases[] = {
        {"WritesThroughABadPointer", EXCEPTION_ACCESS_VIOLATION, ": exception 0xc0000005 (write of 0x10) at "},
        {"WritesThroughABadPointerInAWindowProcedure", EXCEPTION_ACCESS_VIOLATION,
         ": exception 0xc0000005 (write of 0x10) at "},
        {"EndsInTerminate", 3, ": std::terminate with uncaught C++ exception \"probe\" from "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.test);
        CrashedRun run = RunCrashing(c.test);
        ASSERT_TRUE(run.ended) << "still running after " << kWaitMs << " ms\n" << run.output;
        EXPECT_EQ(c.code, run.code) << run.output;
        std::string line = std::string("[  CRASHED ] Crashing.") + c.test + c.what;
        size_t at = run.output.find(line);
        ASSERT_NE(std::string::npos, at) << run.output;
        // The place lies in the function that crashed.
        long long function = FunctionOffset(run.output);
        ASSERT_GT(function, 0) << run.output;
        bool inFunction = false;
        for (long long offset : OffsetsIn(run.output, at))
            inFunction |= offset >= function && offset < function + 64;
        EXPECT_TRUE(inFunction) << run.output;
        EXPECT_EQ(std::string::npos, run.output.find("[  PASSED  ]")) << run.output;
    }
}

}  // namespace

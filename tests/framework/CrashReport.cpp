#include "framework/CrashReport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

namespace {

// libgcc raises every C++ throw as this exception (its flag bits masked);
// one that nothing catches comes back from the filter and ends in
// std::terminate, where its text is still known.
constexpr DWORD kGccThrow = 0x20474343;

void PrintRunningTest() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (test)
        fprintf(stderr, "%s.%s", test->test_suite_name(), test->name());
    else
        fprintf(stderr, "(outside every test)");
}

// "module+0xoffset", or the bare address outside every module.
void PrintPlace(const void* address) {
    HMODULE module = nullptr;
    wchar_t path[MAX_PATH] = L"";
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            (LPCWSTR)address, &module) ||
        !GetModuleFileNameW(module, path, MAX_PATH)) {
        fprintf(stderr, "0x%llx", (unsigned long long)(uintptr_t)address);
        return;
    }
    std::wstring name = path;
    name.erase(0, name.find_last_of(L"\\/") + 1);
    fprintf(stderr, "%ls+0x%llx", name.c_str(), (unsigned long long)((uintptr_t)address - (uintptr_t)module));
}

// What gtest printed is out before the line, the line before the end.
[[noreturn]] void End(UINT code) {
    fprintf(stderr, "\n");
    fflush(stdout);
    fflush(stderr);
    TerminateProcess(GetCurrentProcess(), code);
    for (;;) {
    }
}

void StartLine() {
    fflush(stdout);
    fprintf(stderr, "\n[  CRASHED ] ");
    PrintRunningTest();
    fprintf(stderr, ": ");
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* r = info->ExceptionRecord;
    if ((r->ExceptionCode & 0x20ffffff) == kGccThrow && !(r->ExceptionFlags & EXCEPTION_NONCONTINUABLE))
        return EXCEPTION_CONTINUE_EXECUTION;  // on to the terminate handler
    StartLine();
    fprintf(stderr, "exception 0x%08lx", (unsigned long)r->ExceptionCode);
    if (r->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && r->NumberParameters >= 2) {
        ULONG_PTR op = r->ExceptionInformation[0];
        fprintf(stderr, " (%s of 0x%llx)", op == 0 ? "read" : op == 8 ? "execution" : "write",
                (unsigned long long)r->ExceptionInformation[1]);
    }
    fprintf(stderr, " at ");
    PrintPlace(r->ExceptionAddress);
    End(r->ExceptionCode);
}

void OnTerminate() {
    // The throw's frames are still on the stack, below the run-time's.
    void* frames[32];
    USHORT n = RtlCaptureStackBackTrace(1, 32, frames, nullptr);
    StartLine();
    fprintf(stderr, "std::terminate");
    static bool s_inside;
    std::exception_ptr e = s_inside ? nullptr : std::current_exception();
    s_inside = true;
    if (e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            fprintf(stderr, " with uncaught C++ exception \"%s\"", x.what());
        } catch (...) {
            fprintf(stderr, " with an uncaught C++ exception");
        }
    }
    fprintf(stderr, " from");
    for (USHORT i = 0; i < n; i++) {
        fprintf(stderr, " ");
        PrintPlace(frames[i]);
    }
    End(3);
}

}  // namespace

void InstallCrashReport() {
    SetUnhandledExceptionFilter(OnUnhandledException);
    std::set_terminate(OnTerminate);
}

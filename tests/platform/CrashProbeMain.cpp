// Not a test: crashes on purpose with the program's crash trace installed
// for its own folder, so that the crash trace test sees the line a user
// would find. "write": a write through a bad pointer; "throw": a C++
// exception that nothing catches. The offset of the function that does it
// goes to CrashProbePlace.txt first.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "app/CrashTrace.h"

namespace {

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\'));
}

__attribute__((noinline)) void WriteThroughBadPointer() {
    volatile uintptr_t bad = 0x10;
    *(volatile int*)bad = 1;
}

__attribute__((noinline)) void ThrowUncaught() { throw std::runtime_error("probe"); }

}  // namespace

int main(int argc, char** argv) {
    std::string what = argc > 1 ? argv[1] : "";
    InstallCrashTrace(OwnFolder());
    void (*crash)() = what == "write" ? WriteThroughBadPointer : what == "throw" ? ThrowUncaught : nullptr;
    if (!crash)
        return 0;
    if (FILE* f = _wfopen((OwnFolder() + L"\\CrashProbePlace.txt").c_str(), L"w")) {
        fprintf(f, "%llu\n", (unsigned long long)((uintptr_t)crash - (uintptr_t)GetModuleHandleW(nullptr)));
        fclose(f);
    }
    crash();
    return 0;
}

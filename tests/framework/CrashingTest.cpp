// Not run with the others: tests that crash on purpose, each as its own
// run of this executable, for the crash report's test. Each first prints
// where its crashing function lies.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace {

void PrintPlaceOf(void (*f)()) {
    printf("crashing function at +0x%llx\n",
           (unsigned long long)((uintptr_t)f - (uintptr_t)GetModuleHandleW(nullptr)));
    fflush(stdout);
}

__attribute__((noinline)) void WriteThroughBadPointer() {
    volatile uintptr_t bad = 0x10;
    *(volatile int*)bad = 1;
}

__attribute__((noinline)) void Throw() { throw std::runtime_error("probe"); }

// Nothing may leave it: the throw ends in std::terminate.
__attribute__((noinline)) void ThrowThroughNoexcept() noexcept { Throw(); }

LRESULT CALLBACK CrashingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP)
        WriteThroughBadPointer();
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(Crashing, WritesThroughABadPointer) {
    PrintPlaceOf(WriteThroughBadPointer);
    WriteThroughBadPointer();
}

TEST(Crashing, EndsInTerminate) {
    PrintPlaceOf(Throw);
    ThrowThroughNoexcept();
}

// As a window test crashes: in a window procedure, from the message loop.
TEST(Crashing, WritesThroughABadPointerInAWindowProcedure) {
    PrintPlaceOf(WriteThroughBadPointer);
    WNDCLASSW wc{};
    wc.lpfnWndProc = CrashingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CrashingWindow";
    ASSERT_TRUE(RegisterClassW(&wc));
    HWND hwnd = CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hwnd);
    PostMessageW(hwnd, WM_APP, 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
}

}  // namespace

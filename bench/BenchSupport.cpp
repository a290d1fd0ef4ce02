#include "BenchSupport.h"

#include <cstdio>

double Now() {
    static LARGE_INTEGER freq;
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)freq.QuadPart;
}

bool WaitPumping(HANDLE h, DWORD ms) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD spent = GetTickCount() - start;
        if (spent >= ms)
            return false;
        DWORD r = MsgWaitForMultipleObjects(h ? 1 : 0, &h, FALSE, ms - spent, QS_ALLINPUT);
        if (h && r == WAIT_OBJECT_0)
            return true;
        if (r == WAIT_FAILED)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

void AgeFile(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart -= 3600ULL * 10000000ULL;
    ft = {t.LowPart, t.HighPart};
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

std::string CandidateTitle(int i) {
    char buf[128];
    switch (i % 3) {
    case 0:
        snprintf(buf, sizeof buf, "売上報告_%03d.xlsx - 表計算", i);
        break;
    case 1:
        snprintf(buf, sizeof buf, "Document %03d - Editor", i);
        break;
    default:
        snprintf(buf, sizeof buf, "議事録 %03d.txt - メモ帳", i);
        break;
    }
    return buf;
}

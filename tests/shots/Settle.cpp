#include "shots/Settle.h"

#include <cstdio>

#include "framework/App.h"
#include "framework/Pixels.h"

void Pump(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
    while ((LONG)(GetTickCount() - end) < 0) {
        MSG msg;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
            break;
        if (!AppPreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    KillTimer(nullptr, timer);
}

namespace {

BOOL CALLBACK FindUnpainted(HWND hwnd, LPARAM found) {
    if (!IsWindowVisible(hwnd))
        return TRUE;
    if (GetUpdateRect(hwnd, nullptr, FALSE)) {
        *(bool*)found = true;
        return FALSE;
    }
    EnumChildWindows(hwnd, FindUnpainted, found);
    return !*(bool*)found;
}

BOOL CALLBACK FindUnpaintedOfProcess(HWND hwnd, LPARAM found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId())
        return TRUE;
    return FindUnpainted(hwnd, found);
}

}  // namespace

bool AllPainted() {
    bool unpainted = false;
    EnumWindows(FindUnpaintedOfProcess, (LPARAM)&unpainted);
    return !unpainted;
}

bool Settle(CPixels& pixels, const RECT& r) {
    Pump(500);
    CPixels last(pixels.Width(), pixels.Height());
    bool haveLast = false;
    DWORD end = GetTickCount() + 10000;
    while ((LONG)(GetTickCount() - end) < 0) {
        bool painted = AllPainted();
        if (!pixels.CaptureScreen(r.left, r.top))
            return false;
        if (painted && haveLast && pixels.SameAs(last))
            return true;
        BitBlt(last.Dc(), 0, 0, last.Width(), last.Height(), pixels.Dc(), 0, 0, SRCCOPY);
        haveLast = true;
        Pump(200);
    }
    fprintf(stderr, "the sheet did not hold still: the last picture is saved\n");
    return haveLast;
}

#include "shots/Settle.h"

#include <algorithm>
#include <cstdio>
#include <memory>

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

namespace {

struct CBoxSheet {
    const char* file = nullptr;
    HWND over = nullptr;
    HWND box = nullptr;
    std::unique_ptr<CPixels> last;
    DWORD deadline = 0;
    bool saved = false;
};
CBoxSheet* g_boxSheet;

HWND FindBox(HWND over) {
    struct Look {
        HWND over, found;
    } look{over, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            auto& l = *(Look*)lp;
            wchar_t title[32] = {};
            GetWindowTextW(h, title, 32);
            if (IsWindowVisible(h) && h != l.over && lstrcmpW(title, L"Corvana") == 0) {
                l.found = h;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&look);
    return look.found;
}

void CALLBACK OnBoxSheetTick(HWND, UINT, UINT_PTR id, DWORD) {
    CBoxSheet& sheet = *g_boxSheet;
    bool late = (LONG)(GetTickCount() - sheet.deadline) >= 0;
    if (!sheet.box) {
        if (!(sheet.box = FindBox(sheet.over))) {
            if (late)
                KillTimer(nullptr, id);
            return;
        }
        RECT b;
        GetWindowRect(sheet.box, &b);
        if (sheet.over) {
            RECT o;
            GetWindowRect(sheet.over, &o);
            int x = (o.left + o.right) / 2 - (b.right - b.left) / 2;
            int y = (o.top + o.bottom) / 2 - (b.bottom - b.top) / 2;
            SetWindowPos(sheet.box, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
        } else {
            SetWindowPos(sheet.box, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
        }
        return;
    }
    RECT r;
    GetWindowRect(sheet.box, &r);
    if (sheet.over) {
        RECT o;
        GetWindowRect(sheet.over, &o);
        r = RECT{std::min(o.left, r.left), std::min(o.top, r.top), std::max(o.right, r.right),
                 std::max(o.bottom, r.bottom)};
    }
    InflateRect(&r, 10, 10);
    auto pixels = std::make_unique<CPixels>(r.right - r.left, r.bottom - r.top);
    if (!pixels->CaptureScreen(r.left, r.top))
        return;
    bool still = sheet.last && pixels->SameAs(*sheet.last);
    if ((AllPainted() && still) || late) {
        KillTimer(nullptr, id);
        if (!still)
            fprintf(stderr, "the box did not hold still: the last picture is saved\n");
        sheet.saved = pixels->SaveBmp(sheet.file);
        PostMessageW(sheet.box, WM_COMMAND, IDOK, 0);
        return;
    }
    sheet.last = std::move(pixels);
}

}  // namespace

bool SaveBoxSheet(const char* file, HWND over, const std::function<void()>& raise) {
    CBoxSheet sheet;
    sheet.file = file;
    sheet.over = over;
    sheet.deadline = GetTickCount() + 10000;
    g_boxSheet = &sheet;
    UINT_PTR timer = SetTimer(nullptr, 0, 200, OnBoxSheetTick);
    raise();
    KillTimer(nullptr, timer);
    g_boxSheet = nullptr;
    if (!sheet.box)
        fprintf(stderr, "the box did not come\n");
    return sheet.saved;
}

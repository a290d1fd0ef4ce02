#include "shots/Settle.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "framework/App.h"
#include "framework/MessageBoxes.h"
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

namespace {

constexpr DWORD kStillMs = 200;
constexpr DWORD kDeadlineMs = 10000;

bool Before(DWORD deadline) { return (LONG)(GetTickCount() - deadline) < 0; }

// Pictures of a part of the screen, one after the other.
class CStillPicture {
public:
    // A new picture of r; true when everything is painted and it is like the
    // one before. Its picture is then Last().
    bool Take(const RECT& r) {
        bool painted = AllPainted();
        auto now = std::make_unique<CPixels>(r.right - r.left, r.bottom - r.top);
        if (!now->CaptureScreen(r.left, r.top))
            return false;
        bool still = painted && m_last && now->SameAs(*m_last);
        m_last = std::move(now);
        return still;
    }
    const CPixels* Last() const { return m_last.get(); }

private:
    std::unique_ptr<CPixels> m_last;
};

bool Save(const CPixels* picture, const char* file, bool still) {
    if (!still)
        fprintf(stderr, "the sheet did not hold still: the last picture is saved\n");
    return picture && picture->SaveBmp(file);
}

}  // namespace

bool SaveWhenStill(const char* file, const RECT& r) {
    Pump(500);
    CStillPicture picture;
    DWORD deadline = GetTickCount() + kDeadlineMs;
    bool still = false;
    while (!(still = picture.Take(r)) && Before(deadline))
        Pump(kStillMs);
    return Save(picture.Last(), file, still);
}

namespace {

struct CLoopSheet {
    const char* file = nullptr;
    const std::function<bool(RECT&)>* shown = nullptr;
    const std::function<void()>* close = nullptr;
    DWORD deadline = 0;
    CStillPicture picture;
    bool saved = false;
};
CLoopSheet* g_loopSheet;

void CALLBACK OnLoopSheetTick(HWND, UINT, UINT_PTR id, DWORD) {
    CLoopSheet& sheet = *g_loopSheet;
    bool late = !Before(sheet.deadline);
    RECT r{};
    bool still = false;
    if ((*sheet.shown)(r))
        still = sheet.picture.Take(r);
    else if (late && r.right > r.left)
        sheet.picture.Take(r);
    if (!still && !late)
        return;
    KillTimer(nullptr, id);
    sheet.saved = Save(sheet.picture.Last(), sheet.file, still);
    (*sheet.close)();
}

}  // namespace

bool SaveFromInsideLoop(const char* file, const std::function<bool(RECT&)>& shown,
                        const std::function<void()>& close, const std::function<void()>& run) {
    CLoopSheet sheet;
    sheet.file = file;
    sheet.shown = &shown;
    sheet.close = &close;
    sheet.deadline = GetTickCount() + kDeadlineMs;
    g_loopSheet = &sheet;
    UINT_PTR timer = SetTimer(nullptr, 0, kStillMs, OnLoopSheetTick);
    run();
    KillTimer(nullptr, timer);
    g_loopSheet = nullptr;
    return sheet.saved;
}

bool SaveBoxSheet(const char* file, HWND over, const std::function<void()>& raise) {
    HWND box = nullptr;
    auto shown = [&](RECT& r) {
        if (!box) {
            std::vector<HWND> boxes = OpenMessageBoxes();
            if (boxes.empty())
                return false;
            box = boxes[0];
            // Where the user sees it: over the window that asked.
            int x = 40, y = 40;
            if (over) {
                RECT b, o;
                GetWindowRect(box, &b);
                GetWindowRect(over, &o);
                x = (o.left + o.right) / 2 - (b.right - b.left) / 2;
                y = (o.top + o.bottom) / 2 - (b.bottom - b.top) / 2;
            }
            SetWindowPos(box, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
            return false;
        }
        GetWindowRect(box, &r);
        if (over) {
            RECT o;
            GetWindowRect(over, &o);
            UnionRect(&r, &r, &o);
        }
        InflateRect(&r, 10, 10);
        return true;
    };
    bool saved = SaveFromInsideLoop(
        file, shown, [&] { PostMessageW(box, WM_COMMAND, IDOK, 0); }, raise);
    if (!box)
        fprintf(stderr, "the box did not come\n");
    return saved;
}

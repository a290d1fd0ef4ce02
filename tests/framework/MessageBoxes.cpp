#include "framework/MessageBoxes.h"

std::vector<HWND> OpenMessageBoxes() {
    std::vector<HWND> boxes;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            wchar_t cls[16] = {}, title[16] = {};
            GetClassNameW(h, cls, 16);
            GetWindowTextW(h, title, 16);
            if (IsWindowVisible(h) && lstrcmpW(cls, L"#32770") == 0 && lstrcmpW(title, L"Corvana") == 0)
                ((std::vector<HWND>*)lp)->push_back(h);
            return TRUE;
        },
        (LPARAM)&boxes);
    return boxes;
}

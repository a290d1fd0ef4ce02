// The window selection dialog with a few windows listed and, beside it, a
// window of the sheet that its preview shows.
#include <objbase.h>

#include <algorithm>

#include "dialogs/WindowSelDlg.h"
#include "framework/Text.h"
#include "framework/Wnd.h"
#include "shots/DrawnWnd.h"
#include "shots/Sheets.h"

namespace {

// A small document window.
class CDocumentWnd : public CDrawnWnd {
protected:
    void Draw(HDC dc) override {
        RECT r = GetClientRect();
        FillRect(dc, &r, (HBRUSH)GetStockObject(WHITE_BRUSH));
        RECT bar{0, 0, r.right, 30};
        HBRUSH barBrush = CreateSolidBrush(RGB(60, 110, 190));
        FillRect(dc, &bar, barBrush);
        DeleteObject(barBrush);
        HFONT font = CreateFontW(-15, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                 L"ＭＳ Ｐゴシック");
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        std::wstring title = ToWide("議事録.txt - メモ帳");
        TextOutW(dc, 10, 7, title.c_str(), (int)title.size());
        SetTextColor(dc, RGB(30, 30, 30));
        const char* lines[] = {"定例会議 議事録", "", "1. 前回の宿題の確認", "2. 新製品の発売日について",
                               "3. 来期の予算案", "", "次回：来週水曜日 10:00 から"};
        int y = 44;
        for (const char* line : lines) {
            std::wstring w = ToWide(line);
            TextOutW(dc, 14, y, w.c_str(), (int)w.size());
            y += 24;
        }
        RECT note{r.right - 130, 60, r.right - 20, 140};
        HBRUSH noteBrush = CreateSolidBrush(RGB(255, 240, 140));
        FillRect(dc, &note, noteBrush);
        DeleteObject(noteBrush);
        std::wstring memo = ToWide("予算を確認");
        TextOutW(dc, note.left + 10, note.top + 10, memo.c_str(), (int)memo.size());
        SelectObject(dc, old);
        DeleteObject(font);
    }
};

CDocumentWnd g_document;
CWindowSelDlg g_windowSel;

}  // namespace

RECT ShowWindowSelSheet() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CWnd::CreateArgs args;
    args.className = L"CorvanaShotDocument";
    args.background = nullptr;
    args.style = WS_POPUP | WS_BORDER | WS_VISIBLE;
    args.exStyle = WS_EX_TOOLWINDOW;
    args.x = 500;
    args.y = 60;
    args.cx = 420;
    args.cy = 320;
    if (!g_document.Create(args))
        return RECT{};
    UpdateWindow(g_document.m_hWnd);
    const HWND other = (HWND)(uintptr_t)0x000204B2;
    g_windowSel.SetWinInfList({
        Entry(GetDesktopWindow(), "DESKTOP", "DESKTOP", "DESKTOP"),
        Entry(g_document.m_hWnd, "議事録.txt - メモ帳", "NOTEPAD.EXE", "C:\\windows\\notepad.exe"),
        Entry(other, "売上報告_2024.xlsx - 表計算", "EXPLORER.EXE", "C:\\windows\\explorer.exe"),
        Entry((HWND)(uintptr_t)0x0003051C, "ドキュメント", "EXPLORER.EXE", "C:\\windows\\explorer.exe"),
        Entry((HWND)(uintptr_t)0x000106A4, "Wine 構成", "WINECFG.EXE", "C:\\windows\\system32\\winecfg.exe"),
    });
    if (!g_windowSel.Create(nullptr))
        return RECT{};
    // The document's row chosen, as by a click.
    CListCtrl& list = g_windowSel.m_ListCtrl;
    list.SetItemState(0, 0, LVIS_SELECTED);
    list.SetSelectionMark(1);
    list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    g_windowSel.m_stcImage.SetTarget(g_document.m_hWnd);
    SetWindowPos(g_windowSel.m_hWnd, HWND_TOPMOST, 60, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(g_windowSel.m_hWnd);
    g_windowSel.Send(WM_NEXTDLGCTL, (WPARAM)list.m_hWnd, TRUE);
    RECT dlg = g_windowSel.GetWindowRect(), doc = g_document.GetWindowRect();
    return RECT{std::min(dlg.left, doc.left) - 10, std::min(dlg.top, doc.top) - 10,
                std::max(dlg.right, doc.right) + 10, std::max(dlg.bottom, doc.bottom) + 10};
}

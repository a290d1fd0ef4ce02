// The dialogs of match conditions and presets, opened without their modal
// loop: the match condition of a note; the child-window choice and the
// choice of a program and its child, each on a window of the sheet with a
// child framed (PrintWindow draws only windows of its own process); the
// preset list and one preset.
#include <objbase.h>

#include "dialogs/ChildSelDlg.h"
#include "dialogs/MatchConditionDlg.h"
#include "dialogs/PoreSetSettingDlg.h"
#include "dialogs/PreSetMatchConditionDlg.h"
#include "dialogs/WinExSelDlg.h"
#include "framework/Text.h"
#include "framework/Wnd.h"
#include "shots/DrawnWnd.h"
#include "shots/Sheets.h"

namespace {

const char kTitle[] = "受注入力 - 販売管理";

// A form of a business program: a title bar drawn by itself, labels and
// fields.
class CFormWnd : public CDrawnWnd {
protected:
    void Draw(HDC dc) override {
        RECT r = GetClientRect();
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        RECT bar{0, 0, r.right, 26};
        HBRUSH barBrush = CreateSolidBrush(RGB(60, 110, 190));
        FillRect(dc, &bar, barBrush);
        DeleteObject(barBrush);
        HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                 L"ＭＳ Ｐゴシック");
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        std::wstring title = ToWide(kTitle);
        TextOutW(dc, 8, 6, title.c_str(), (int)title.size());
        SetTextColor(dc, RGB(20, 20, 20));
        const char* labels[] = {"受注番号", "得意先", "納期"};
        for (int i = 0; i < 3; i++) {
            std::wstring w = ToWide(labels[i]);
            TextOutW(dc, 12, 44 + 32 * i, w.c_str(), (int)w.size());
            RECT field{90, 40 + 32 * i, r.right - 14, 62 + 32 * i};
            FillRect(dc, &field, (HBRUSH)GetStockObject(WHITE_BRUSH));
            FrameRect(dc, &field, (HBRUSH)GetStockObject(GRAY_BRUSH));
        }
        const char* values[] = {"A-20417", "株式会社 北斗商会", "来週金曜日"};
        for (int i = 0; i < 3; i++) {
            std::wstring w = ToWide(values[i]);
            TextOutW(dc, 96, 44 + 32 * i, w.c_str(), (int)w.size());
        }
        SelectObject(dc, old);
        DeleteObject(font);
    }
};

// The program-and-child choice, listing the sheet's own windows.
class CSheetWinExSelDlg : public CWinExSelDlg {
public:
    std::vector<CWinInf> m_list;

protected:
    std::vector<CWinInf> FetchWindowList() override { return m_list; }
};

CFormWnd g_form;
HWND g_fields[3];
CMatchConditionDlg g_match;
CChildSelDlg g_childSel;
CSheetWinExSelDlg g_winExSel;
CPreSetMatchConditionDlg g_preSetList;
CPoreSetSettingDlg g_preSet;

// Both on the screen.
RECT Union(const RECT& a, const RECT& b) {
    RECT r;
    UnionRect(&r, &a, &b);
    return r;
}

// The form with its three fields as edit controls, beside the dialog.
bool OpenForm(int x, int y) {
    if (g_form.m_hWnd)
        return true;
    CWnd::CreateArgs args;
    args.className = L"CorvanaShotForm";
    args.background = nullptr;
    args.style = WS_POPUP | WS_BORDER | WS_VISIBLE;
    args.exStyle = WS_EX_TOOLWINDOW;
    args.x = x;
    args.y = y;
    args.cx = 320;
    args.cy = 150;
    if (!g_form.Create(args))
        return false;
    const char* values[] = {"A-20417", "株式会社 北斗商会", "来週金曜日"};
    for (int i = 0; i < 3; i++)
        g_fields[i] = CreateWindowExW(0, L"Edit", ToWide(values[i]).c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                      91, 41 + 32 * i, 212, 20, g_form.m_hWnd, (HMENU)(INT_PTR)(1001 + i), nullptr,
                                      nullptr);
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                             L"ＭＳ Ｐゴシック");
    for (HWND f : g_fields)
        SendMessageW(f, WM_SETFONT, (WPARAM)font, TRUE);
    UpdateWindow(g_form.m_hWnd);
    return true;
}

CPreSetCondData Preset(const char* name, const char* exe, const char* cls, int id) {
    CPreSetCondData p;
    p.m_strCondName = name;
    p.m_strExeName = exe;
    p.m_strExClass = cls;
    p.m_nExCtlId = id;
    return p;
}

}  // namespace

RECT ShowMatchConditionSheet() {
    CMemletData& d = g_match.m_MemletData;
    d.m_strTitle = kTitle;
    d.m_nProcessFlag = 1;
    d.m_nTitleFlag = 1;
    d.m_nExtentFlag = 1;
    d.m_nFull = 0;
    d.m_strPart = "受注入力";
    d.m_nExFullFlag = 1;
    d.m_strExClass = "Edit";
    d.m_nExCtlId = 1002;
    d.m_strExText = "株式会社 北斗商会";
    if (!g_match.Create(nullptr))
        return RECT{};
    return PlaceDialog(g_match, 60, 60);
}

RECT ShowChildSelSheet() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (!OpenForm(720, 80))
        return RECT{};
    g_childSel.m_hWndTarget = g_form.m_hWnd;
    g_childSel.m_strClass = "Edit";
    g_childSel.m_nCtlId = 1002;
    if (!g_childSel.Create(nullptr))
        return RECT{};
    return Union(PlaceDialog(g_childSel, 30, 60), g_form.GetWindowRect());
}

RECT ShowWinExSelSheet() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (!OpenForm(560, 80))
        return RECT{};
    g_winExSel.m_list = {
        Entry(g_form.m_hWnd, kTitle, "HANBAI.EXE", "C:\\windows\\notepad.exe"),
        Entry((HWND)(uintptr_t)0x000204B2, "売上報告_2024.xlsx - 表計算", "EXPLORER.EXE", "C:\\windows\\explorer.exe"),
        Entry((HWND)(uintptr_t)0x000106A4, "Wine 構成", "WINECFG.EXE", "C:\\windows\\system32\\winecfg.exe"),
    };
    g_winExSel.m_strClass = "Edit";
    g_winExSel.m_nCtlId = 1002;
    if (!g_winExSel.Create(nullptr))
        return RECT{};
    // The chosen child's row shown as the focus shows it.
    g_winExSel.Send(WM_NEXTDLGCTL, (WPARAM)g_winExSel.m_ChildListCtrl.m_hWnd, TRUE);
    return Union(PlaceDialog(g_winExSel, 30, 60), g_form.GetWindowRect());
}

RECT ShowPreSetListSheet() {
    g_preSetList.m_PreSetList = {Preset("販売管理", "HANBAI.EXE", "Edit", 1002),
                                 Preset("メモ帳の本文", "NOTEPAD.EXE", "Edit", 15),
                                 Preset("表計算", "EXPLORER.EXE", "DirectUIHWND", 0)};
    if (!g_preSetList.Create(nullptr))
        return RECT{};
    return PlaceDialog(g_preSetList, 60, 60);
}

RECT ShowPreSetSheet() {
    g_preSet.m_PreSetCondData = Preset("販売管理", "HANBAI.EXE", "Edit", 1002);
    g_preSet.m_nMode = 0;
    if (!g_preSet.Create(nullptr))
        return RECT{};
    return PlaceDialog(g_preSet, 60, 60);
}

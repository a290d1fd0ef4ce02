// A sheet of notes over a plain backdrop: every background, every gradation
// pattern, the pick bar on each side in each colour, the text colours,
// read-only, the size frame, a see-through background and leader lines.
#include <string>
#include <vector>

#include "framework/Text.h"
#include "framework/Wnd.h"
#include "model/PropatyData.h"
#include "note/ArrowWin.h"
#include "note/MemletWin.h"
#include "note/OpenNote.h"
#include "shots/Sheets.h"

namespace {

const RECT kSheet{10, 10, 1270, 790};

struct Row {
    const char* caption;
    int top;
    int left = 30;
};
const Row kRows[] = {
    {"背景色", 60},
    {"グラデーション（黄・青）", 190},
    {"つまみの位置と色", 320},
    {"文字色・書き込み禁止・サイズ変更枠・背景透過", 450},
    {"初期値の付箋", 600},
    {"引出し線（端点を表示・つまみから太線）", 600, 560},
};

// The backdrop: a window with a caption for each row of notes.
class CBackdrop : public CWnd {
protected:
    void OnPaint() override {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hWnd, &ps);
        LOGFONTW lf{};
        lf.lfHeight = -14;
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        lstrcpyW(lf.lfFaceName, L"ＭＳ Ｐゴシック");
        HFONT font = CreateFontIndirectW(&lf);
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(60, 70, 90));
        for (const Row& row : kRows) {
            POINT at{row.left, row.top - 24};
            ScreenToClient(m_hWnd, &at);
            std::wstring text = ToWide(row.caption);
            TextOutW(dc, at.x, at.y, text.c_str(), (int)text.size());
        }
        SelectObject(dc, old);
        DeleteObject(font);
        EndPaint(m_hWnd, &ps);
    }
};

CBackdrop g_backdrop;
CPropatyData g_limits;

// A desktop note, so that the backdrop never rises above it, without the
// size frame unless it asks for one.
NoteLook Look(const std::string& text, int x, int y, int w, int h) {
    NoteLook n;
    n.text = text;
    n.rect = RECT{x, y, x + w, y + h};
    n.frame = 0;
    n.desktop = 1;
    return n;
}

}  // namespace

RECT ShowNoteSheet() {
    g_pPropatyData = &g_limits;
    CWnd::CreateArgs args;
    args.title = "付箋の見本 - コルヴァナ";
    args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    args.background = CreateSolidBrush(RGB(236, 240, 246));
    args.className = L"CorvanaShotBackdrop";
    args.x = kSheet.left;
    args.y = kSheet.top;
    args.cx = kSheet.right - kSheet.left;
    args.cy = kSheet.bottom - kSheet.top;
    g_backdrop.Create(args);

    std::vector<NoteLook> notes;
    // Backgrounds, solid.
    const char* backs[] = {"白", "赤", "緑", "青", "黄", "灰"};
    for (int i = 0; i < 6; i++) {
        NoteLook n = Look(std::string("背景：") + backs[i] + "\r\n付箋の本文です。", 30 + i * 205, kRows[0].top, 195, 80);
        n.bkColor = i;
        notes.push_back(n);
    }
    // The eight gradation patterns, on yellow and on blue.
    const char* patterns[] = {"上から下", "下から上", "左から右", "右から左",
                              "上下から中央", "中央から上下", "左右から中央", "中央から左右"};
    for (int i = 0; i < 8; i++) {
        NoteLook n = Look(std::string(patterns[i]) + "\r\nグラデーション", 30 + i * 153, kRows[1].top, 145, 80);
        n.graFlg = 1;
        n.graPtn = i;
        n.bkColor = i % 2 ? 3 : 4;
        notes.push_back(n);
    }
    // The pick bar on each side, in each colour.
    const char* sides[] = {"右", "上", "左", "下"};
    const char* colours[] = {"赤", "緑", "青", "橙", "黒"};
    for (int i = 0; i < 5; i++) {
        NoteLook n = Look(std::string("つまみ：") + sides[i % 4] + "・" + colours[i] + "\r\n付箋をドラッグ",
                          30 + i * 245, kRows[2].top, 230, 90);
        n.pickPos = i % 4;
        n.color = i;
        n.bkColor = 0;
        notes.push_back(n);
    }
    // Text colours, read-only, the frame and a see-through background.
    {
        const int y = kRows[3].top;
        NoteLook red = Look("文字色：赤\r\n大事な予定", 30, y, 195, 90);
        red.txColor = 1;
        notes.push_back(red);
        NoteLook blue = Look("文字色：青\r\n会議は十時から", 235, y, 195, 90);
        blue.txColor = 2;
        blue.bkColor = 0;
        notes.push_back(blue);
        NoteLook readOnly = Look("書き込み禁止\r\nつまみに R", 440, y, 195, 90);
        readOnly.bkColor = 2;
        readOnly.readOnly = 1;
        notes.push_back(readOnly);
        NoteLook framed = Look("サイズ変更枠つき\r\n縁をドラッグして大きさを変える", 645, y, 220, 100);
        framed.frame = 1;
        framed.bkColor = 1;
        framed.graFlg = 1;
        notes.push_back(framed);
        NoteLook seeThrough = Look("背景透過\r\n文字だけが見える付箋", 880, y, 220, 90);
        seeThrough.bkColor = 0;
        seeThrough.bkTransparent = 1;
        seeThrough.txColor = 2;
        notes.push_back(seeThrough);
    }
    // A note as the program makes it first: grey gradation, red bar, 70 %.
    for (int i = 0; i < 2; i++) {
        NoteLook n = i == 0 ? Look("新しい付箋\r\nWin+S でウィンドウに、Win+V でデスクトップに貼り付け", 30,
                                   kRows[4].top, 260, 80)
                            : Look("長い本文の付箋。\r\n一行目\r\n二行目\r\n三行目\r\n四行目\r\n五行目", 305,
                                   kRows[4].top, 200, 80);
        n.bkColor = 5;
        n.graFlg = 1;
        n.percent = 70;
        notes.push_back(n);
    }
    // Leader lines onto the backdrop: one from the text with its handles
    // shown, a thick one from the pick bar. A desktop note's end is a
    // point of the screen.
    std::vector<NoteLook> lined;
    {
        const int y = kRows[5].top;
        NoteLook fromText = Look("引出し線\r\n線のクリックで端点を表示", 560, y, 200, 70);
        fromText.bkColor = 5;
        fromText.graFlg = 1;
        fromText.arrow.m_nArwFlag = 1;
        fromText.arrow.m_nStartX = 40;
        fromText.arrow.m_nStartY = 40;
        fromText.arrow.m_nEndX = 880;
        fromText.arrow.m_nEndY = 745;
        lined.push_back(fromText);
        NoteLook fromBar = Look("太い線\r\nつまみから引き出す", 990, y, 200, 70);
        fromBar.bkColor = 0;
        fromBar.pickPos = 1;
        fromBar.color = 0;
        fromBar.lineWidth = 2;
        fromBar.arrow.m_nArwFlag = 1;
        fromBar.arrow.m_nStartX = 60;
        fromBar.arrow.m_nStartY = 1;
        fromBar.arrow.m_nEndX = 1180;
        fromBar.arrow.m_nEndY = 750;
        lined.push_back(fromBar);
    }
    for (const NoteLook& n : notes)
        OpenNote(GetDesktopWindow(), n);
    for (const NoteLook& n : lined) {
        CMemletWin* win = OpenNote(GetDesktopWindow(), n);
        if (!win || !win->m_pArrowWin)
            continue;
        // Wine raises an activated note above its own line (docs/wine.md):
        // the line goes back in front, as owned windows stay on Windows.
        CArrowWin* line = win->m_pArrowWin;
        const UINT front = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
        SetWindowPos(line->m_hWnd, HWND_TOP, 0, 0, 0, 0, front);
        if (n.lineWidth == 2)
            continue;
        SendMessageW(line->m_hWnd, WM_LBUTTONDOWN, 0, 0);  // a click on the line
        SetWindowPos(line->m_pointStart.m_hWnd, HWND_TOP, 0, 0, 0, 0, front);
        SetWindowPos(line->m_pointEnd.m_hWnd, HWND_TOP, 0, 0, 0, 0, front);
    }
    return kSheet;
}

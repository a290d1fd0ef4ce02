#include <gtest/gtest.h>

#include "framework/App.h"
#include "framework/BoxOverDialog.h"
#include "framework/MessageBox.h"
#include "framework/TestWindows.h"
#include "framework/Wnd.h"
#include "notemenu/Steps.h"

namespace {

std::string g_text;
UINT g_type;

int AnswerNo(const std::string& text, UINT type) {
    g_text = text;
    g_type = type;
    return IDNO;
}

TEST(AppMessageBox, HookAnswersInsteadOfTheScreen) {
    SetMessageBoxHook(AnswerNo);
    EXPECT_EQ(IDNO, AppMessageBox("削除しますか？", MB_YESNO));
    EXPECT_EQ("削除しますか？", g_text);
    EXPECT_EQ((UINT)MB_YESNO, g_type);
    EXPECT_EQ(IDNO, AppMessageBox("表示"));
    EXPECT_EQ((UINT)MB_OK, g_type);
    SetMessageBoxHook(nullptr);
}

// A popup of ours, shown and in front.
bool Open(CWnd& wnd, const char* title, HWND owner, int x) {
    return ShowInFront(wnd, title, owner, RECT{x, 100, x + 300, 300}, WS_POPUP | WS_CAPTION) &&
           GetActiveWindow() == wnd.m_hWnd;
}

// The real box, answered OK once it is up: its owner, and whether the owner
// took input meanwhile.
struct Answered {
    HWND owner = (HWND)1;
    bool ownerEnabled = true;
};

std::vector<std::function<bool()>> AnswerTheBox(Answered& seen) {
    return {[&seen] {
        std::vector<HWND> boxes = OpenMessageBoxes();
        if (boxes.size() != 1)
            return false;
        seen.owner = GetWindow(boxes[0], GW_OWNER);
        seen.ownerEnabled = seen.owner && IsWindowEnabled(seen.owner);
        PostMessageW(boxes[0], WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }};
}

// Before the main window exists and with none of ours active, the box
// stands alone.
TEST(AppMessageBox, BeforeTheMainWindowItHasNoOwner) {
    AppSetMainWindow(nullptr);
    ASSERT_EQ(nullptr, GetActiveWindow());
    Watchdog watchdog;
    Answered seen;
    CSteps steps(AnswerTheBox(seen));
    EXPECT_EQ(IDOK, AppMessageBox("起動中の知らせ"));
    EXPECT_TRUE(steps.Done());
    EXPECT_EQ(nullptr, seen.owner);
}

// A window of ours the main window does not own (a note) is the one in
// front: the box is modal to it.
TEST(AppMessageBox, ANoteInFrontOwnsIt) {
    CWnd main, note;
    ASSERT_TRUE(Open(main, "メイン", nullptr, 100));
    AppSetMainWindow(main.m_hWnd);
    ASSERT_TRUE(Open(note, "付箋の代わり", nullptr, 500));
    Watchdog watchdog;
    Answered seen;
    CSteps steps(AnswerTheBox(seen));
    EXPECT_EQ(IDOK, AppMessageBox("付箋からの知らせ"));
    EXPECT_TRUE(steps.Done());
    EXPECT_EQ(note.m_hWnd, seen.owner);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(note.m_hWnd));
    EXPECT_TRUE(IsWindowEnabled(main.m_hWnd));
    AppSetMainWindow(nullptr);
    note.DestroyWindow();
    main.DestroyWindow();
}

// A window being destroyed is hidden first and, with the main window hidden
// as the program keeps it, is still the last one active: the box is not
// given to a window on its way out but to the main window.
class CBoxAtDestroy : public CWnd {
public:
    int answer = 0;

protected:
    void OnDestroy() override {
        answer = AppMessageBox("閉じる途中の知らせ");
        CWnd::OnDestroy();
    }
};

TEST(AppMessageBox, AWindowOnItsWayOutLeavesItToTheMainWindow) {
    CWnd main;
    CBoxAtDestroy closing;
    ASSERT_TRUE(Open(main, "メイン", nullptr, 100));
    ShowWindow(main.m_hWnd, SW_HIDE);  // as the program keeps it
    AppSetMainWindow(main.m_hWnd);
    ASSERT_TRUE(Open(closing, "閉じる窓", main.m_hWnd, 500));
    Watchdog watchdog;
    Answered seen;
    CSteps steps(AnswerTheBox(seen));
    closing.DestroyWindow();
    EXPECT_TRUE(steps.Done());
    EXPECT_EQ(IDOK, closing.answer);
    EXPECT_EQ(main.m_hWnd, seen.owner);
    EXPECT_TRUE(IsWindowEnabled(main.m_hWnd));
    AppSetMainWindow(nullptr);
    main.DestroyWindow();
}

}  // namespace

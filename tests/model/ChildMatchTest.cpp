#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Text.h"
#include "model/ObjData.h"

namespace {

const char kTopClass[] = "CorvanaMatchTop";
const char kPanelClass[] = "CorvanaMatchPanel";

void RegisterClasses() {
    static bool done = false;
    if (done)
        return;
    for (const char* name : {kTopClass, kPanelClass}) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    done = true;
}

HWND MakeChild(HWND parent, const char* cls, const std::string& text, int id, DWORD style = WS_VISIBLE) {
    return CreateWindowExW(WS_EX_NOPARENTNOTIFY, ToWide(cls).c_str(), ToWide(text).c_str(), WS_CHILD | style, 0,
                           0, 60, 20, parent, (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
}

CWinInf Entry(HWND h = nullptr) {
    CWinInf w;
    w.m_hWnd = h;
    w.m_strTitle = "Document 1 - エディタ";
    w.m_strProcessName = "EDITOR.EXE";
    w.m_strPath = "C:\\Tools\\editor.exe";
    return w;
}

// Every flag off: each case turns on what it tests.
CObjData Condition() {
    CObjData c;
    c.m_nProcessFlag = c.m_nTitleFlag = c.m_nExtentFlag = 0;
    c.m_strExePath = "unchanged";
    return c;
}

}  // namespace

TEST(ListedMatch, ProgramAndTitle) {
    struct Case {
        const char* what;
        int processFlag;
        const char* exeName;
        int titleFlag, full;
        const char* title;
        const char* part;
        int expected;
        const char* exePath;  // after the test
    } cases[] = {
        {"no condition", 0, "", 0, 1, "", "", 1, "unchanged"},
        {"program", 1, "EDITOR.EXE", 0, 1, "", "", 1, "C:\\Tools\\editor.exe"},
        {"program compares case-sensitively", 1, "editor.exe", 0, 1, "", "", 0, "unchanged"},
        {"other program", 1, "EDITOR2.EXE", 0, 1, "", "", 0, "unchanged"},
        {"path kept when the title fails", 1, "EDITOR.EXE", 1, 1, "Document 2 - エディタ", "", 0,
         "C:\\Tools\\editor.exe"},
        {"whole title", 0, "", 1, 1, "Document 1 - エディタ", "", 1, "unchanged"},
        {"whole title, other case", 0, "", 1, 1, "document 1 - エディタ", "", 0, "unchanged"},
        {"whole title, a part only", 0, "", 1, 1, "Document 1", "Document 1", 0, "unchanged"},
        {"part of title", 0, "", 1, 0, "", "エディタ", 1, "unchanged"},
        {"empty part", 0, "", 1, 0, "", "", 1, "unchanged"},
        {"part, other case", 0, "", 1, 0, "", "document", 0, "unchanged"},
        // "デ" is 0x83 0x66: "f" alone is its trail byte, not a character of the title.
        {"part on a trail byte", 0, "", 1, 0, "", "f", 0, "unchanged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CObjData cond = Condition();
        cond.m_nProcessFlag = c.processFlag;
        cond.m_strExeName = c.exeName;
        cond.m_nTitleFlag = c.titleFlag;
        cond.m_nFull = c.full;
        cond.m_strTitle = c.title;
        cond.m_strPart = c.part;
        CWinInf w = Entry();
        EXPECT_EQ(cond.IsMatch(w), c.expected);
        EXPECT_EQ(cond.m_strExePath, c.exePath);
    }
}

// A top-level window with the children a child-window condition looks for.
class ChildListing : public testing::Test {
protected:
    void SetUp() override {
        RegisterClasses();
        top = CreateWindowExA(0, kTopClass, "Match test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 400, 300,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(top, nullptr);
        struct Child {
            HWND parent;
            const char* cls;
            const char* text;
            int id;
            DWORD style;
        } children[] = {
            {top, "Edit", "最初の欄", 10, WS_VISIBLE},
            {top, "Edit", "二番目", 10, WS_VISIBLE},
            {top, "Edit", "隠れ", 20, 0},
            {top, "Edit", "無効", 21, WS_VISIBLE | WS_DISABLED},
            {top, "Edit", "", 22, WS_VISIBLE},
            {top, "Button", "隠れ40", 40, 0},
            {top, "Button", "見える40", 40, WS_VISIBLE},
            {top, "Edit", "", 41, WS_VISIBLE},
            {top, "Edit", "後の41", 41, WS_VISIBLE},
            {top, "Static", "Abc アイ", 60, WS_VISIBLE},
        };
        for (const Child& c : children) {
            HWND h = MakeChild(c.parent, c.cls, c.text, c.id, c.style);
            ASSERT_NE(h, nullptr) << c.text;
            if (!first)
                first = h;
        }
        HWND panel = MakeChild(top, kPanelClass, "パネル", 30);
        HWND hiddenPanel = MakeChild(top, kPanelClass, "隠れパネル", 50, 0);
        ASSERT_TRUE(panel && hiddenPanel);
        ASSERT_NE(MakeChild(panel, "Button", "孫ボタン", 31), nullptr);
        ASSERT_NE(MakeChild(hiddenPanel, "Button", "親が隠れ", 51), nullptr);
    }
    void TearDown() override { DestroyWindow(top); }

    CObjData Child(const char* cls, int id, int full, const char* text) {
        CObjData c = Condition();
        c.m_nExtentFlag = 1;
        c.m_strExClass = cls;
        c.m_nExCtlId = id;
        c.m_nExFullFlag = full;
        (full ? c.m_strExText : c.m_strExPart) = text;
        return c;
    }

    HWND top = nullptr;
    HWND first = nullptr;  // "最初の欄"
};

TEST_F(ChildListing, FirstListedChildOfClassAndIdDecides) {
    struct Case {
        const char* cls;
        int id, full;
        const char* text;
        int expected;
    } cases[] = {
        {"Edit", 10, 1, "最初の欄", 1},
        {"Edit", 10, 1, "二番目", 0},  // the first of the two decides
        {"Edit", 10, 0, "最初", 1},
        {"Edit", 10, 0, "", 1},
        {"Edit", 10, 0, "二番", 0},
        {"Edit", 10, 1, "最初", 0},
        {"edit", 10, 0, "", 0},  // the class compares case-sensitively
        {"Edi", 10, 0, "", 0},
        {"Button", 10, 0, "", 0},
        {"Edit", 99, 0, "", 0},
        {"Edit", 20, 0, "", 0},  // hidden
        {"Edit", 21, 0, "", 0},  // disabled
        {"Edit", 22, 0, "", 0},  // no text
        {"Edit", 22, 1, "", 0},
        {"Button", 40, 1, "見える40", 1},  // the hidden one before it is not listed
        {"Edit", 41, 1, "後の41", 1},      // nor the one without text
        {kPanelClass, 30, 1, "パネル", 1},
        {"Button", 31, 1, "孫ボタン", 1},  // a grandchild
        {"Button", 51, 0, "", 0},          // visible, but its parent is hidden
        {"Static", 60, 1, "Abc アイ", 1},
        {"Static", 60, 1, "abc アイ", 0},
        {"Static", 60, 0, "bc", 1},
        {"Static", 60, 0, "B", 0},
        {"Static", 60, 0, "C", 0},  // "イ" is 0x83 0x43: "C" only as its trail byte
        {"Static", 60, 0, "イ", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cls) + " " + std::to_string(c.id) + " " + c.text);
        CObjData cond = Child(c.cls, c.id, c.full, c.text);
        CWinInf w = Entry(top);
        EXPECT_EQ(cond.IsMatch(w), c.expected);
    }
}

TEST_F(ChildListing, TestedAfterProgramAndTitle) {
    CObjData cond = Child("Edit", 10, 1, "最初の欄");
    cond.m_nProcessFlag = 1;
    cond.m_strExeName = "EDITOR.EXE";
    cond.m_nTitleFlag = 1;
    cond.m_strTitle = "Document 1 - エディタ";
    CWinInf w = Entry(top);
    EXPECT_EQ(cond.IsMatch(w), 1);
    cond.m_strTitle = "Document 2 - エディタ";
    EXPECT_EQ(cond.IsMatch(w), 0);
}

TEST_F(ChildListing, ChildrenAreReadOncePerEntry) {
    HWND edit = first;
    CObjData before = Child("Edit", 10, 1, "最初の欄");
    CObjData after = Child("Edit", 10, 1, "書き換え");
    CObjData later = Child("Button", 70, 1, "後から");
    CWinInf w = Entry(top);
    ASSERT_EQ(before.IsMatch(w), 1);

    SetWindowTextW(edit, ToWide("書き換え").c_str());
    ASSERT_NE(MakeChild(top, "Button", "後から", 70), nullptr);
    // The same entry keeps what it read; the next tick's entry reads again.
    EXPECT_EQ(before.IsMatch(w), 1);
    EXPECT_EQ(after.IsMatch(w), 0);
    EXPECT_EQ(later.IsMatch(w), 0);
    CWinInf next = Entry(top);
    EXPECT_EQ(before.IsMatch(next), 0);
    EXPECT_EQ(after.IsMatch(next), 1);
    EXPECT_EQ(later.IsMatch(next), 1);
}

TEST_F(ChildListing, GoneWindowMatchesNothing) {
    CObjData cond = Child("Edit", 10, 0, "");
    CWinInf w = Entry(top);
    DestroyWindow(top);
    top = nullptr;
    EXPECT_EQ(cond.IsMatch(w), 0);
    CWinInf none = Entry(nullptr);
    EXPECT_EQ(cond.IsMatch(none), 0);
}

// Records which window a matching step attached to or lost.
class CRecorder : public CObjData {
public:
    void OnMatch(HWND target) override { matched.push_back(target); }
    void OnLost() override { lost++; }
    std::vector<HWND> matched;
    int lost = 0;
};

TEST(ListedMatch, AttachKeepOrLose) {
    HWND a = (HWND)0x1010, b = (HWND)0x2020, c = (HWND)0x3030;
    auto list = [&](std::vector<std::pair<HWND, const char*>> entries) {
        std::vector<CWinInf> windows;
        for (auto& [h, title] : entries) {
            CWinInf w = Entry(h);
            w.m_strTitle = title;
            windows.push_back(w);
        }
        return windows;
    };
    struct Case {
        const char* what;
        int attached;
        HWND target;
        std::vector<CWinInf> windows;
        std::vector<HWND> matched;
        int lost;
    } cases[] = {
        {"detached: the first match", 0, nullptr, list({{a, "x"}, {b, "メモ"}, {c, "メモ"}}), {b}, 0},
        {"detached: none", 0, nullptr, list({{a, "x"}, {b, "y"}}), {}, 0},
        {"attached: kept while it matches", 1, c, list({{b, "メモ"}, {c, "メモ"}}), {}, 0},
        {"attached: its window no longer matches", 1, c, list({{b, "メモ"}, {c, "y"}}), {}, 1},
        {"attached: its window is not listed", 1, c, list({{a, "メモ"}, {b, "メモ"}}), {}, 1},
        {"any other state: nothing", 2, c, list({{a, "メモ"}}), {}, 0},
    };
    for (Case& k : cases) {
        SCOPED_TRACE(k.what);
        CRecorder r;
        r.m_nProcessFlag = r.m_nExtentFlag = 0;
        r.m_nTitleFlag = 1;
        r.m_strTitle = "メモ";
        r.m_bAttached = k.attached;
        r.m_hWndTarget = k.target;
        r.FindMatch(k.windows);
        EXPECT_EQ(r.matched, k.matched);
        EXPECT_EQ(r.lost, k.lost);
    }
}

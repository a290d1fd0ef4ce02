// Matching a record's condition against the window list, on entries filled
// by hand: no window is needed except for the child-window test.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "framework/Text.h"
#include "model/ObjData.h"

namespace {

// A record that tells what the matching step asked of it.
class Recorder : public CObjData {
public:
    void OnMatch(HWND target) override { matched.push_back(target); }
    void OnLost() override {
        lost++;
        CObjData::OnLost();
    }
    std::vector<HWND> matched;
    int lost = 0;
};

const HWND kDesktop = (HWND)0x10, kFirst = (HWND)0x20, kSecond = (HWND)0x30, kThird = (HWND)0x40;

CChildWinInf Child(const std::string& cls, int id, const std::string& text) {
    CChildWinInf c;
    c.m_strClass = cls;
    c.m_nCtlId = id;
    c.m_strText = text;
    return c;
}

// An entry whose children are already listed.
CWinInf Entry(HWND h, const std::string& title, const std::string& process = "APP.EXE",
              std::vector<CChildWinInf> children = {}) {
    CWinInf w;
    w.m_hWnd = h;
    w.m_strTitle = title;
    w.m_strProcessName = process;
    w.m_strPath = "C:\\" + process;
    w.m_bEnumChild = 1;
    w.m_ChildList = std::move(children);
    return w;
}

// Program APP.EXE, title "メモ帳 - 無題" or a part "無題", child Edit 15 with
// the text "本文" or a part "本"; which tests count is up to the flags.
Recorder Condition(int process, int title, int full, int extent, int exFull) {
    Recorder r;
    r.m_nProcessFlag = process;
    r.m_nTitleFlag = title;
    r.m_nFull = full;
    r.m_nExtentFlag = extent;
    r.m_nExFullFlag = exFull;
    r.m_strExeName = "APP.EXE";
    r.m_strTitle = "メモ帳 - 無題";
    r.m_strPart = "無題";
    r.m_strExClass = "Edit";
    r.m_nExCtlId = 15;
    r.m_strExText = "本文";
    r.m_strExPart = "本";
    r.m_strExePath = "before";
    return r;
}

TEST(IsMatch, EveryCombinationOfTheFlags) {
    // The title as a whole, with the part only, without either.
    const char* titles[] = {"メモ帳 - 無題", "無題 - 別", "メモ帳"};
    // No child of that class and id (one of each differs), its text whole,
    // with the part only, without either.
    const std::vector<CChildWinInf> children[] = {
        {Child("Edit", 16, "本文"), Child("Static", 15, "本文")},
        {Child("Static", 15, "x"), Child("Edit", 15, "本文")},
        {Child("Edit", 15, "本当")},
        {Child("Edit", 15, "文書")},
    };
    for (int flags = 0; flags < 32; flags++) {
        int pf = flags & 1, tf = (flags >> 1) & 1, full = (flags >> 2) & 1, ef = (flags >> 3) & 1,
            exFull = (flags >> 4) & 1;
        for (bool sameProgram : {true, false}) {
            for (int t = 0; t < 3; t++) {
                for (int c = 0; c < 4; c++) {
                    SCOPED_TRACE(testing::Message() << "flags " << pf << tf << full << ef << exFull << " program "
                                                    << sameProgram << " title " << t << " child " << c);
                    Recorder r = Condition(pf, tf, full, ef, exFull);
                    CWinInf w = Entry(kFirst, titles[t], sameProgram ? "APP.EXE" : "OTHER.EXE", children[c]);
                    bool programOk = !pf || sameProgram;
                    bool titleOk = !tf || (full ? t == 0 : t <= 1);
                    bool childOk = !ef || (c != 0 && (exFull ? c == 1 : c <= 2));
                    EXPECT_EQ(programOk && titleOk && childOk ? 1 : 0, r.IsMatch(w));
                    // The path of a program that matched is kept whatever follows.
                    EXPECT_EQ(pf && sameProgram ? w.m_strPath : "before", r.m_strExePath);
                }
            }
        }
    }
}

// Whole texts and parts, the window title and the child's text alike.
TEST(IsMatch, WholeTextsAndParts) {
    struct Case {
        int full;
        const char *whole, *part, *text;
        int expected;
    } cases[] = {
        {1, "メモ帳 - 無題", "", "メモ帳 - 無題", 1},
        {1, "メモ帳 - 無題", "", "メモ帳 - 無題 ", 0},
        {1, "Notepad", "", "notepad", 0},  // case counts
        {1, "", "", "", 1},
        {1, "", "", "x", 0},
        {2, "x", "", "x", 1},  // any FULL but 0 asks for the whole text
        {2, "x", "", "xy", 0},
        {0, "全く別", "無題", "メモ帳 - 無題", 1},  // the whole text is not asked for
        {0, "", "", "", 1},                          // an empty part is in every text
        {0, "", "", "何でも", 1},
        {0, "", "無題", "無", 0},
        {0, "", "notepad", "Notepad", 0},
        {0, "", "モ帳", "メモ帳", 1},
        {0, "", "＜", "メモ帳", 0},  // ＜ is 81 83, across メ (83 81) and モ (83 82)
        {0, "", "\\", "表示", 0},    // 表 is 95 5C
        {0, "", "\\", "表示\\", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.full << " [" << c.whole << "] [" << c.part << "] [" << c.text << "]");
        Recorder title = Condition(0, 1, c.full, 0, 1);
        title.m_strTitle = c.whole;
        title.m_strPart = c.part;
        CWinInf titled = Entry(kFirst, c.text);
        EXPECT_EQ(c.expected, title.IsMatch(titled));

        Recorder child = Condition(0, 0, 1, 1, c.full);
        child.m_strExText = c.whole;
        child.m_strExPart = c.part;
        CWinInf parent = Entry(kFirst, "", "APP.EXE", {Child("Edit", 15, c.text)});
        EXPECT_EQ(c.expected, child.IsMatch(parent));
    }
}

TEST(IsMatch, ProgramNamesCompareByteForByte) {
    struct Case {
        const char *exeName, *process;
        int expected;
    } cases[] = {
        {"APP.EXE", "APP.EXE", 1}, {"APP.EXE", "app.exe", 0}, {"APP.EXE", "APP.EX", 0},
        {"メモ.EXE", "メモ.EXE", 1}, {"", "", 1},            {"", "APP.EXE", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.exeName << " / " << c.process);
        Recorder r = Condition(1, 0, 1, 0, 1);
        r.m_strExeName = c.exeName;
        CWinInf w = Entry(kFirst, "", c.process);
        EXPECT_EQ(c.expected, r.IsMatch(w));
        EXPECT_EQ(c.expected ? w.m_strPath : "before", r.m_strExePath);
    }
}

std::vector<CWinInf> List(std::vector<CWinInf> entries) {
    std::vector<CWinInf> list{Entry(kDesktop, "DESKTOP", "DESKTOP")};
    for (CWinInf& e : entries)
        list.push_back(std::move(e));
    return list;
}

TEST(FindMatch, WithoutConditionsTheDesktopEntryMatches) {
    Recorder r = Condition(0, 0, 1, 0, 1);
    std::vector<CWinInf> list = List({Entry(kFirst, "メモ帳 - 無題")});
    r.FindMatch(list);
    EXPECT_EQ(std::vector<HWND>{kDesktop}, r.matched);
}

TEST(FindMatch, DetachedRecordTakesTheFirstMatchingEntry) {
    Recorder r = Condition(1, 1, 1, 0, 1);
    r.m_tAcsDate = 1000;
    std::vector<CWinInf> list =
        List({Entry(kFirst, "別"), Entry(kSecond, "メモ帳 - 無題"), Entry(kThird, "メモ帳 - 無題")});
    r.FindMatch(list);
    EXPECT_EQ(std::vector<HWND>{kSecond}, r.matched);

    Recorder none = Condition(1, 1, 1, 0, 1);
    none.m_tAcsDate = 1000;
    std::vector<CWinInf> others = List({Entry(kFirst, "別"), Entry(kSecond, "メモ帳 - 無題", "OTHER.EXE")});
    none.FindMatch(others);
    EXPECT_TRUE(none.matched.empty());
    EXPECT_EQ(0, r.lost + none.lost);
    EXPECT_EQ(1000, r.m_tAcsDate);
    EXPECT_EQ(1000, none.m_tAcsDate);
}

TEST(FindMatch, AttachedRecordKeepsItsWindowWhileItMatches) {
    Recorder r = Condition(1, 1, 1, 0, 1);
    r.m_bAttached = 1;
    r.m_hWndTarget = kThird;
    r.m_tAcsDate = 1000;
    // Another matching window comes first.
    std::vector<CWinInf> list = List({Entry(kSecond, "メモ帳 - 無題"), Entry(kThird, "メモ帳 - 無題")});
    r.FindMatch(list);
    EXPECT_TRUE(r.matched.empty());
    EXPECT_EQ(0, r.lost);
    EXPECT_EQ(1000, r.m_tAcsDate);
    EXPECT_EQ(kThird, r.m_hWndTarget);
}

TEST(FindMatch, AttachedRecordIsLostWhenItsWindowIsGoneOrNoLongerMatches) {
    const std::vector<CWinInf> lists[] = {
        List({Entry(kSecond, "メモ帳 - 無題")}),                           // gone
        List({Entry(kSecond, "メモ帳 - 無題"), Entry(kThird, "メモ帳 - 別")}),  // its title changed
        List({Entry(kThird, "メモ帳 - 無題", "OTHER.EXE")}),
    };
    for (const std::vector<CWinInf>& l : lists) {
        std::vector<CWinInf> list = l;
        Recorder r = Condition(1, 1, 1, 0, 1);
        r.m_bAttached = 1;
        r.m_hWndTarget = kThird;
        r.m_tAcsDate = 1000;
        int64_t before = _time64(nullptr);
        r.FindMatch(list);
        EXPECT_EQ(1, r.lost);
        EXPECT_TRUE(r.matched.empty());
        EXPECT_GE(r.m_tAcsDate, before);
        EXPECT_LE(r.m_tAcsDate, _time64(nullptr));
    }
}

TEST(FindMatch, OtherAttachedValuesDoNothing) {
    for (int attached : {2, -1}) {
        for (HWND target : {kSecond, (HWND)0x99}) {
            SCOPED_TRACE(testing::Message() << attached << " " << target);
            Recorder r = Condition(0, 0, 1, 0, 1);
            r.m_bAttached = attached;
            r.m_hWndTarget = target;
            r.m_tAcsDate = 1000;
            std::vector<CWinInf> list = List({Entry(kSecond, "メモ帳 - 無題")});
            r.FindMatch(list);
            EXPECT_TRUE(r.matched.empty());
            EXPECT_EQ(0, r.lost);
            EXPECT_EQ(1000, r.m_tAcsDate);
        }
    }
}

TEST(FindMatch, OnlyAnAttachedRecordIsStampedWhenLost) {
    CObjData detached;
    detached.m_tAcsDate = 1000;
    detached.OnLost();
    EXPECT_EQ(1000, detached.m_tAcsDate);
    CObjData attached;
    attached.m_bAttached = 1;
    attached.m_tAcsDate = 1000;
    attached.OnLost();
    EXPECT_GT(attached.m_tAcsDate, 1000);
    // The base record neither opens nor closes anything.
    attached.OnMatch(kFirst);
    EXPECT_EQ(1, attached.m_bAttached);
}

// A window of the test with a child and a grandchild control.
class ChildCondition : public testing::Test {
protected:
    void SetUp() override {
        HINSTANCE inst = GetModuleHandleW(nullptr);
        top = CreateWindowExW(0, L"Static", L"親", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 300, 200, nullptr,
                              nullptr, inst, nullptr);
        ASSERT_NE(top, nullptr);
        HWND middle = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, top,
                                      (HMENU)1, inst, nullptr);
        grand = CreateWindowExW(0, L"Edit", ToWide("本文です").c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 100, 20,
                                middle, (HMENU)15, inst, nullptr);
        ASSERT_TRUE(middle && grand);
    }
    void TearDown() override { DestroyWindow(top); }
    HWND top = nullptr, grand = nullptr;
};

TEST_F(ChildCondition, MatchesThroughAGrandchildReadOncePerEntry) {
    Recorder r = Condition(1, 0, 1, 1, 0);
    r.m_strExPart = "文で";
    CWinInf entry;
    entry.m_hWnd = top;
    entry.m_strProcessName = "APP.EXE";
    std::vector<CWinInf> list{entry};
    r.FindMatch(list);
    EXPECT_EQ(std::vector<HWND>{top}, r.matched);

    // The entry keeps what it listed; a fresh entry reads the new text.
    SetWindowTextW(grand, L"other");
    EXPECT_EQ(1, r.IsMatch(list[0]));
    CWinInf fresh = entry;
    EXPECT_EQ(0, r.IsMatch(fresh));
    // Without the child test nothing is enumerated.
    CWinInf untouched = entry;
    Recorder plain = Condition(1, 0, 1, 0, 1);
    EXPECT_EQ(1, plain.IsMatch(untouched));
    EXPECT_EQ(0, untouched.m_bEnumChild);
    EXPECT_TRUE(untouched.m_ChildList.empty());
}

}  // namespace

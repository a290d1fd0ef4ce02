// The note menu's commands that go to the panel, with real notes in the
// panel's list: split, absorb, peel off, duplicate, desktop, pending list
// and export; and the note closed while one of its loops is open.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/GuardPage.h"
#include "framework/MessageBox.h"
#include "framework/ModalScript.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "hub/ProgramObjects.h"
#include "note/MemletWin.h"
#include "note/OpenNote.h"
#include "notemenu/Steps.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "res/resource.h"
#include "storage/StorageTestFiles.h"

namespace {

// The application's boxes, as the user would have seen them.
std::vector<std::string> g_boxes;
int RecordBox(const std::string& text, UINT) {
    g_boxes.push_back(text);
    return IDOK;
}

struct SystemBox {
    HWND owner;
    std::string text, caption;
    UINT type;
};
std::vector<SystemBox> g_systemBoxes;
int g_systemAnswer = IDYES;
int AnswerSystemBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    g_systemBoxes.push_back({owner, text, caption, type});
    return g_systemAnswer;
}

void SetClipboard(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
    SetClipboardData(CF_UNICODETEXT, mem);
    CloseClipboard();
}

std::wstring ClipboardWide() {
    std::wstring out;
    if (!OpenClipboard(nullptr))
        return L"(closed)";
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        out = (const wchar_t*)GlobalLock(h);
        GlobalUnlock(h);
    }
    CloseClipboard();
    return out;
}

std::string ClipboardBytes() {
    std::string out;
    if (!OpenClipboard(nullptr))
        return "(closed)";
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        out = (const char*)GlobalLock(h);
        GlobalUnlock(h);
    }
    CloseClipboard();
    return out;
}

// Another program holds the clipboard open while it lives.
class ClipboardHolder {
public:
    ClipboardHolder() {
        m_opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_thread = CreateThread(nullptr, 0, Hold, this, 0, nullptr);
        WaitForSingleObject(m_opened, 5000);
    }
    ~ClipboardHolder() {
        SetEvent(m_release);
        WaitForSingleObject(m_thread, 5000);
        CloseHandle(m_thread);
        CloseHandle(m_opened);
        CloseHandle(m_release);
    }

private:
    static DWORD WINAPI Hold(void* p) {
        auto* self = (ClipboardHolder*)p;
        OpenClipboard(nullptr);
        SetEvent(self->m_opened);
        WaitForSingleObject(self->m_release, 10000);
        CloseClipboard();
        return 0;
    }
    HANDLE m_opened, m_release, m_thread;
};

RECT Shifted(RECT r, int d) { return RECT{r.left + d, r.top + d, r.right + d, r.bottom + d}; }

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// A target window of the test's own and the panel saving on every change
// into a folder of the test's own.
class PanelRequests : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(&Panel(), g_pControlDlg);
        Fields(Panel()).m_MemletList.clear();
        Fields(Panel()).m_nSaveTiming = 1;
        Fields(Panel()).m_strDataPath = m_folder.File(L"CorvanaData.ini");
        ExportStack().m_MemletList.clear();
        Pending().m_PendingList.clear();
        Pending().m_strPath = m_folder.File(L"BriscoPendingList.ini");
        SetExportStackDlg(&ExportStack());
        SetPendingDlg(&Pending());
        CWnd::CreateArgs args;
        args.title = "的の窓";
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.x = 100, args.y = 100, args.cx = 500, args.cy = 400;
        ASSERT_TRUE(m_target.Create(args));
        g_boxes.clear();
        g_systemBoxes.clear();
        SetMessageBoxHook(RecordBox);
        SetSystemMessageBoxHook(AnswerSystemBox);
    }
    void TearDown() override {
        SetMessageBoxHook(nullptr);
        SetSystemMessageBoxHook(nullptr);
        for (CMemletData& d : Fields(Panel()).m_MemletList)
            if (d.m_pMemletWin)
                d.m_pMemletWin->DestroyWindow();
        Fields(Panel()).m_MemletList.clear();
        Fields(Panel()).m_nSaveTiming = 0;
        m_target.DestroyWindow();
        PumpPending();
    }
    // A record at the end of the list, opened in place as the tracking
    // tick opens it.
    CMemletWin* Open(const std::string& text, RECT rect) {
        CMemletData d;
        d.m_strText = text;
        d.m_strTitle = "的の窓";
        d.m_strExeName = "TARGET.EXE";
        d.m_rectWin = rect;
        d.m_nSerial = CMemletData::NewSerial();
        Fields(Panel()).m_MemletList.push_back(d);
        Fields(Panel()).m_MemletList.back().StartMemlet(m_target.m_hWnd);
        return Fields(Panel()).m_MemletList.back().m_pMemletWin;
    }
    static void Command(HWND note, int id) { SendMessageW(note, WM_COMMAND, id, 0); }
    static std::vector<std::string> Texts() {
        std::vector<std::string> out;
        for (const CMemletData& d : Fields(Panel()).m_MemletList)
            out.push_back(d.m_pMemletWin ? d.m_pMemletWin->getText() : d.m_strText);
        return out;
    }

    TempFolder m_folder;
    CWnd m_target;
};

const RECT kCaller{150, 150, 350, 210};

TEST_F(PanelRequests, SplitCutsAtTheCaretOrSaysWhyNot) {
    const char* kSelection = "選択状態です。キャレットを文字間に設定してください。";
    const char* kAtStart = "キャレットが先頭にあります。キャレットを分割したい位置に設定してください。";
    const char* kAtEnd = "キャレットが最後尾にあります。キャレットを分割したい位置に設定してください。";
    const char* kNoClipboard = "クリップボードが使用できません.";
    const struct {
        const char* text;
        int start, end;
        bool holdClipboard;
        const char* message;  // null: split
        const char* first;
        const char* second;
        const wchar_t* clipboard;
    } cases[] = {
        {"abcdef", 3, 3, false, nullptr, "abc", "def", L"def"},
        {"あいうabc", 2, 2, false, nullptr, "あい", "うabc", L"うabc"},
        {"一行目\r\n二行目", 5, 5, false, nullptr, "一行目\r\n", "二行目", L"二行目"},
        {"abcdef", 0, 0, false, kAtStart, "abcdef", nullptr, L"STALE"},
        {"abcdef", 6, 6, false, kAtEnd, "abcdef", nullptr, L"STALE"},
        {"abcdef", 1, 4, false, kSelection, "abcdef", nullptr, L"STALE"},
        {"abcdef", 3, 3, true, kNoClipboard, "abcdef", nullptr, L"STALE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.start));
        CMemletWin* win = Open(c.text, kCaller);
        ASSERT_TRUE(win);
        HWND h = win->m_hWnd;
        SetClipboard(L"STALE");
        SendMessageW(win->m_editMemlet.m_hWnd, EM_SETSEL, c.start, c.end);
        {
            std::unique_ptr<ClipboardHolder> holder(c.holdClipboard ? new ClipboardHolder : nullptr);
            Command(h, ID_MENUITEM_SPLIT);
        }
        EXPECT_EQ(c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}, g_boxes);
        EXPECT_EQ(c.first, win->getText());
        if (c.second) {
            ASSERT_EQ(2u, Fields(Panel()).m_MemletList.size());
            const CMemletData& copy = Fields(Panel()).m_MemletList[0];
            EXPECT_EQ(c.second, copy.m_strText);
            EXPECT_EQ(0, copy.m_bAttached);
            RECT moved = Shifted(WindowRect(h), 5);
            EXPECT_TRUE(EqualRect(&copy.m_rectWin, &moved));
            EXPECT_EQ(FromWide(c.clipboard), ClipboardBytes());
        } else {
            EXPECT_EQ(1u, Fields(Panel()).m_MemletList.size());
        }
        EXPECT_EQ(c.clipboard, ClipboardWide());
        DWORD s = 0, e = 0;
        SendMessageW(win->m_editMemlet.m_hWnd, EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
        EXPECT_EQ((DWORD)c.start, s);
        EXPECT_EQ((DWORD)c.end, e);
        TearDown();
        SetUp();
    }
}

TEST_F(PanelRequests, AbsorbTakesTheOneOverlappingNoteOrSaysWhyNot) {
    const std::string big(2500, 'a'), rest(1501, 'b');
    const struct {
        const char* name;
        std::string own;
        std::vector<std::pair<std::string, RECT>> others;
        bool panel;
        std::vector<std::string> texts;  // the list afterwards, the caller first
        const char* message;
    } cases[] = {
        {"one", "呼び手", {{"重ね", RECT{250, 180, 450, 240}}}, true, {"呼び手重ね"}, nullptr},
        {"none", "呼び手", {{"離れ", RECT{400, 300, 500, 350}}}, true, {"呼び手", "離れ"},
         "重なっている付箋がありません。吸収したい付箋に重ねてから吸収操作を行ってください."},
        {"two", "呼び手", {{"重ね1", RECT{250, 180, 450, 240}}, {"重ね2", RECT{100, 120, 200, 170}}}, true,
         {"呼び手", "重ね1", "重ね2"}, "重なっている付箋が２枚以上あります。吸収は１枚ずつ行ってください."},
        {"too long", big, {{rest, RECT{250, 180, 450, 240}}}, true, {big, rest},
         "吸収すると4000byteを超えます。操作はキャンセルしました."},
        {"no panel", "呼び手", {{"重ね", RECT{250, 180, 450, 240}}}, false, {"呼び手", "重ね"},
         "重なっている付箋がありません。吸収したい付箋に重ねてから吸収操作を行ってください."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CMemletWin* win = Open(c.own, kCaller);
        ASSERT_TRUE(win);
        for (const auto& o : c.others)
            ASSERT_TRUE(Open(o.first, o.second));
        if (!c.panel)
            SetControlDlg(nullptr);
        Command(win->m_hWnd, ID_MENUITEM_ABSORB);
        SetControlDlg(&Panel());
        EXPECT_EQ(c.texts, Texts());
        EXPECT_EQ(c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}, g_boxes);
        EXPECT_EQ(c.own + (c.message ? "" : c.others[0].first), win->getText());
        TearDown();
        SetUp();
    }
}

TEST_F(PanelRequests, PeelingOffAsksInTheSystemsOwnBoxUnlessTheNoteIsEmpty) {
    const struct {
        const char* text;
        int answer;
        bool asked, gone;
    } cases[] = {{"", IDNO, false, true}, {"消す", IDNO, true, false}, {"消す", IDYES, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.answer));
        CMemletWin* win = Open(c.text, kCaller);
        ASSERT_TRUE(win);
        HWND h = win->m_hWnd;
        g_systemAnswer = c.answer;
        Command(h, ID_MENUITEM_DELETE);
        ASSERT_EQ(c.asked ? 1u : 0u, g_systemBoxes.size());
        if (c.asked) {
            EXPECT_EQ(nullptr, g_systemBoxes[0].owner);
            EXPECT_EQ("付箋をはがしますか？", g_systemBoxes[0].text);
            EXPECT_EQ("確認", g_systemBoxes[0].caption);
            EXPECT_EQ((UINT)MB_YESNO, g_systemBoxes[0].type);
        }
        EXPECT_EQ(c.gone, !IsWindow(h));
        EXPECT_EQ(c.gone ? 0u : 1u, Fields(Panel()).m_MemletList.size());
        EXPECT_TRUE(g_boxes.empty());
        TearDown();
        SetUp();
    }
}

TEST_F(PanelRequests, TheOtherEntriesHandTheNoteToThePanel) {
    const struct {
        int id;
        const char* name;
        bool (*done)();
    } cases[] = {
        {ID_MENUITEM_COPY, "複製",
         [] { return Fields(Panel()).m_MemletList.size() == 2 && Fields(Panel()).m_MemletList[0].m_strText == "渡す" &&
                     Fields(Panel()).m_MemletList[0].m_bAttached == 0; }},
        {ID_MENUITEM_DESKTOP, "DeskTop",
         [] {
             const std::vector<CMemletData>& list = Fields(Panel()).m_MemletList;
             return list.size() == 1 && list[0].m_strExeName == "DESKTOP";
         }},
        {ID_MENUITEM_PENDING, "保留リスト",
         [] {
             return Fields(Panel()).m_MemletList.empty() && Pending().m_PendingList.size() == 1 &&
                    Pending().m_PendingList[0].m_strText == "渡す";
         }},
        {ID_MENUITEM_EXPORT, "エクスポート",
         [] {
             return Fields(Panel()).m_MemletList.size() == 1 && ExportStack().m_MemletList.size() == 1 &&
                    ExportStack().m_MemletList[0].m_strText == "渡す";
         }},
    };
    for (const auto& c : cases) {
        CMemletWin* win = Open("渡す", kCaller);
        ASSERT_TRUE(win);
        Command(win->m_hWnd, c.id);
        EXPECT_TRUE(c.done()) << c.name;
        EXPECT_TRUE(g_boxes.empty()) << c.name;
        TearDown();
        SetUp();
    }
    // The window selection opens for a move; cancelled, nothing changes.
    CMemletWin* win = Open("渡す", kCaller);
    ASSERT_TRUE(win);
    CModalScript script("ウィンドウ選択", [](HWND dlg) { CancelDialog(dlg); });
    Command(win->m_hWnd, ID_MENUITEM_MOVE);
    EXPECT_TRUE(script.Ran());
    EXPECT_EQ(std::vector<std::string>{"渡す"}, Texts());
    EXPECT_EQ("TARGET.EXE", Fields(Panel()).m_MemletList[0].m_strExeName);
}

// The note closes while one of its loops is open, as the tracking tick
// closes it; then the user says OK (or Yes). The note's object lies on a
// guarded page: any touch of it afterwards, by the note or by the panel
// looking for its record, is seen.
class NoteGoneInALoop : public SelfDeleting {
protected:
    void SetUp() override {
        SelfDeleting::SetUp();
        ASSERT_EQ(&Panel(), g_pControlDlg);
        Fields(Panel()).m_MemletList.clear();
        Fields(Panel()).m_nSaveTiming = 1;
        Fields(Panel()).m_strDataPath = m_folder.File(L"CorvanaData.ini");
        CWnd::CreateArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.x = 100, args.y = 100, args.cx = 500, args.cy = 400;
        ASSERT_TRUE(m_target.Create(args));
    }
    void TearDown() override {
        Fields(Panel()).m_nSaveTiming = 0;
        m_target.DestroyWindow();
        PumpPending();
        SelfDeleting::TearDown();
    }
    TempFolder m_folder;
    CWnd m_target;
};

void CloseNote(HWND note) {
    if (auto* win = dynamic_cast<CMemletWin*>(CWnd::FromHandle(note)))
        win->DestroyWindow();
}

void PressIn(HWND dlg, int id) {
    if (IsWindow(dlg))
        PostMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
}

TEST_F(NoteGoneInALoop, OkOrYesAfterwardsTouchesNothingAndSendsThePanelNothing) {
    const struct {
        const char* loop;
        int id;  // the command, 0 for the menu
        std::function<HWND(HWND note)> find;
        int press;
    } cases[] = {
        {"menu", 0, [](HWND) { auto m = OpenMenus(); return m.empty() ? nullptr : m.back(); }, 0},
        {"peel-off question", ID_MENUITEM_DELETE, [](HWND) { return WindowWithCaption("確認"); }, IDYES},
        {"font dialog", ID_MENUITEM_FONT, [](HWND note) { return OwnedDialog(note); }, IDOK},
        {"colour dialog", ID_MENUITEM_COLOR, [](HWND) { return WindowWithCaption("付箋色＆引出し線設定"); }, IDOK},
        {"transparency dialog", ID_MENUITEM_TRANS, [](HWND) { return WindowWithCaption("透明度の設定"); }, IDOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.loop);
        g_touchedAfterDelete = false;
        NoteLook look;
        look.text = "消える";
        look.percent = 50;
        CMemletWin* win = OpenNote(m_target.m_hWnd, look, new Guarded<CMemletWin>);
        ASSERT_TRUE(win);
        HWND note = win->m_hWnd;
        HWND loop = nullptr;
        CSteps steps({
            [&] {
                loop = c.find(note);
                if (!loop)
                    return false;
                CloseNote(note);
                return true;
            },
            [&] {
                if (c.id)
                    PressIn(loop, c.press);
                else
                    EndMenu();
                return true;
            },
        });
        if (c.id)
            SendMessageW(note, WM_COMMAND, c.id, 0);
        else
            PostMessageW(note, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(PumpUntil([&] { return steps.Done() && OpenMenus().empty(); }));
        PumpFor(100);
        EXPECT_FALSE(IsWindow(note));
        EXPECT_FALSE(g_touchedAfterDelete);
        EXPECT_FALSE(FileExists(Fields(Panel()).m_strDataPath));
        VirtualFree(g_guardPage, 0, MEM_RELEASE);
        g_guardPage = nullptr;
    }
}

}  // namespace

namespace {

// The commands whose request closes the note (peel off an empty note, to
// the desktop, to the pending list) leave the note's object alone once the
// panel has answered.
TEST_F(NoteGoneInALoop, RequestsThatCloseTheNoteTouchItNoMoreAfterwards) {
    SetExportStackDlg(&ExportStack());
    SetPendingDlg(&Pending());
    Pending().m_PendingList.clear();
    Pending().m_strPath = m_folder.File(L"BriscoPendingList.ini");
    const struct {
        const char* name;
        int id;
    } cases[] = {{"はがす", ID_MENUITEM_DELETE}, {"DeskTop", ID_MENUITEM_DESKTOP}, {"保留リスト", ID_MENUITEM_PENDING}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_touchedAfterDelete = false;
        NoteLook look;  // no text: peeling off asks nothing
        CMemletWin* win = OpenNote(m_target.m_hWnd, look, new Guarded<CMemletWin>);
        ASSERT_TRUE(win);
        HWND note = win->m_hWnd;
        // The panel's record of the open note, as attaching leaves it.
        CMemletData d;
        d.m_bAttached = 1;
        d.m_hWndTarget = m_target.m_hWnd;
        d.m_pMemletWin = win;
        d.m_nSerial = CMemletData::NewSerial();
        Fields(Panel()).m_MemletList.push_back(d);
        SendMessageW(note, WM_COMMAND, c.id, 0);
        PumpFor(50);
        EXPECT_FALSE(IsWindow(note));
        EXPECT_FALSE(g_touchedAfterDelete);
        for (CMemletData& r : Fields(Panel()).m_MemletList)
            r.m_pMemletWin = nullptr;
        Fields(Panel()).m_MemletList.clear();
        Pending().m_PendingList.clear();
        VirtualFree(g_guardPage, 0, MEM_RELEASE);
        g_guardPage = nullptr;
    }
}

}  // namespace

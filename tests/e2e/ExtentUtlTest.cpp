// The extension utility's protocol, driven from this separate program: the
// handle query, liveness, the test of a window, and notes made from
// WM_COPYDATA records on another program's real window.
#include <functional>

#include "e2e/CorvanaTest.h"
#include "e2e/ExtentUtl.h"

namespace {

// A top-level window of this test program.
class CTestWindow {
public:
    CTestWindow(const wchar_t* title, DWORD style, RECT r) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvanaE2ETarget";
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        RegisterClassW(&wc);
        m_hWnd = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, title, WS_POPUP | style, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~CTestWindow() { Destroy(); }
    void Destroy() {
        if (m_hWnd)
            DestroyWindow(m_hWnd);
    }
    HWND m_hWnd = nullptr;
};

class ExtentUtl : public CorvanaTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(CorvanaTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartCorvana());
        ASSERT_NO_FATAL_FAILURE(StartNotepad());
    }
    POINT NotepadCentre() const {
        RECT r = WindowRect(m_notepad.Window());
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    CUtilityWindow m_utility;
};

TEST_F(ExtentUtl, QueryIsAnsweredWithTheMainWindow) {
    EXPECT_EQ(m_corvana.Ask(kAskHandle, (LPARAM)m_utility.Handle()), 0);
    // The reply is sent before the query returns.
    EXPECT_EQ(m_utility.Replies(), 1);
    EXPECT_EQ(m_utility.Replied(), m_corvana.MainWindow());
    // An asker that is not a window gets nothing and does no harm.
    EXPECT_EQ(m_corvana.Ask(kAskHandle, 0x7654321), 0);
    EXPECT_EQ(m_corvana.Ask(kAskAlive, 0), 1);
}

// An asker whose thread no longer takes messages.
class CStuckAsker {
public:
    CStuckAsker() {
        m_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
        WaitForSingleObject(m_created, kWaitMs);
    }
    ~CStuckAsker() {
        SetEvent(m_release);
        WaitForSingleObject(m_thread, kWaitMs);
        CloseHandle(m_thread);
        CloseHandle(m_created);
        CloseHandle(m_release);
    }
    HWND m_hWnd = nullptr;

private:
    static DWORD WINAPI Run(void* p) {
        auto* self = (CStuckAsker*)p;
        self->m_hWnd = CreateWindowExW(0, L"STATIC", L"stuck", WS_POPUP, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                       nullptr, nullptr);
        SetEvent(self->m_created);
        WaitForSingleObject(self->m_release, INFINITE);
        DestroyWindow(self->m_hWnd);
        return 0;
    }
    HANDLE m_release, m_created, m_thread;
};

TEST_F(ExtentUtl, AskerThatDoesNotAnswerDoesNotStopCorvana) {
    CStuckAsker stuck;
    ASSERT_NE(stuck.m_hWnd, nullptr);
    EXPECT_EQ(m_corvana.Ask(kAskHandle, (LPARAM)stuck.m_hWnd), 0) << "no answer while the asker hangs";
    EXPECT_TRUE(m_corvana.Alive());
}

TEST_F(ExtentUtl, WindowTestSaysWhichWindowsMayTakeANote) {
    const RECT place{200, 200, 500, 400};
    CTestWindow titled(L"付箋の対象", WS_VISIBLE, place), hidden(L"隠れた窓", 0, place),
        disabled(L"無効な窓", WS_VISIBLE | WS_DISABLED, place), untitled(L"", WS_VISIBLE, place),
        flat(L"高さのない窓", WS_VISIBLE, RECT{200, 200, 500, 200}),
        shell(L"Program Manager", WS_VISIBLE, place),
        away(L"画面の外", WS_VISIBLE, RECT{-30000, -30000, -29700, -29800}), gone(L"閉じた窓", WS_VISIBLE, place);
    gone.Destroy();
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(gone.m_hWnd); }));
    // A second Corvana.exe shows its box: a window of the program's own name.
    CChildProcess second;
    ASSERT_TRUE(second.Start(m_folder.Exe(), {}, m_folder.Path()));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        return (box = FindMessageBox(second.Pid(), "     Corvanaは既に起動されています.     ")) != nullptr;
    }));
    const struct {
        const char* what;
        HWND window;
        LRESULT answer;
    } cases[] = {
        {"notepad", m_notepad.Window(), 1},
        {"a window of this program", titled.m_hWnd, 1},
        {"a hidden window", hidden.m_hWnd, 0},
        {"a disabled window", disabled.m_hWnd, 0},
        {"a window without a title", untitled.m_hWnd, 0},
        {"a window without height", flat.m_hWnd, 0},
        {"the shell's title", shell.m_hWnd, 0},
        {"a window on no monitor", away.m_hWnd, 0},
        {"a window that is gone", gone.m_hWnd, 0},
        {"no window", nullptr, 0},
        {"the desktop", GetDesktopWindow(), 0},
        {"Corvana's own main window", m_corvana.MainWindow(), 0},
        {"another Corvana.exe's box", box, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_corvana.Ask(kAskTarget, (LPARAM)c.window), c.answer) << c.what;
}

TEST_F(ExtentUtl, RecordMakesANoteOnAnotherProgramsWindow) {
    const POINT drop = NotepadCentre();
    CNoteRecord rec(m_notepad.Window(), drop);
    rec.SetLook(3, 1, 4, 2, 1, 5);
    rec.SetFont(-16, FW_BOLD, "ＭＳ ゴシック");
    ASSERT_TRUE(SendRecord(m_corvana.MainWindow(), m_utility.Handle(), rec));

    HWND note = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(note, nullptr) << "no note opened on notepad";
    DWORD pid = 0;
    GetWindowThreadProcessId(note, &pid);
    EXPECT_EQ(pid, m_corvana.Pid());
    EXPECT_EQ(ClassOf(note), L"#32770");
    EXPECT_TRUE(GetWindowLongW(note, GWL_STYLE) & WS_POPUP);
    // Centred on the drop point at the initial size.
    EXPECT_EQ(WindowRect(note), (RECT{drop.x - 100, drop.y - 30, drop.x + 100, drop.y + 30}));

    CIniText data = Save();
    ASSERT_EQ(data.NoteCount(), 1);
    EXPECT_EQ(data.Note(0, "EXENAME"), "NOTEPAD.EXE");
    EXPECT_EQ(data.Note(0, "TITLE"), NotepadTitle(m_notepad.Window()));
    const struct {
        const char* key;
        const char* value;
    } saved[] = {{"COLOR", "3"},         {"PICKPOS", "1"},
                 {"BKCOLOR", "4"},       {"TXCOLOR", "2"},
                 {"GRAFLG", "1"},        {"GRAPTN", "5"},
                 {"FONTHEIGHT", "-16"},  {"FONTWEIGHT", "700"},
                 {"FONTFACENAME", "ＭＳ ゴシック"}};
    for (const auto& s : saved)
        EXPECT_EQ(data.Note(0, s.key), s.value) << s.key;
}

TEST_F(ExtentUtl, RecordForTheDesktopMakesADesktopNote) {
    const POINT drop{640, 300};
    ASSERT_TRUE(SendRecord(m_corvana.MainWindow(), m_utility.Handle(), CNoteRecord(GetDesktopWindow(), drop)));
    HWND note = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        auto notes = DesktopNotes(m_corvana.Pid());
        note = notes.empty() ? nullptr : notes.front();
        return note != nullptr;
    })) << "no desktop note";
    EXPECT_EQ(WindowRect(note), (RECT{drop.x - 100, drop.y - 30, drop.x + 100, drop.y + 30}));
    CIniText data = Save();
    ASSERT_EQ(data.NoteCount(), 1);
    EXPECT_EQ(data.Note(0, "EXENAME"), "DESKTOP");
    EXPECT_EQ(data.Note(0, "TITLE"), "DESKTOP");
}

TEST_F(ExtentUtl, BadRecordsMakeNoNote) {
    const CNoteRecord good(m_notepad.Window(), NotepadCentre());
    CNoteRecord firstCheck = good, secondCheck = good;
    firstCheck.SetChecks(0, 1);
    secondCheck.SetChecks(1, 2);
    const struct {
        const char* what;
        const void* data;
        DWORD size;
    } cases[] = {
        {"a byte short", good.bytes, CNoteRecord::kSize - 1},
        {"empty", good.bytes, 0},
        {"no data", nullptr, CNoteRecord::kSize},
        {"first check not 1", firstCheck.bytes, CNoteRecord::kSize},
        {"second check not 1", secondCheck.bytes, CNoteRecord::kSize},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(SendRecord(m_corvana.MainWindow(), m_utility.Handle(), c.data, c.size)) << c.what;
    EXPECT_TRUE(m_corvana.Alive());

    // Records are taken in order: after a good one, the list holds it alone.
    // Its face of 32 bytes has no end; the last byte is dropped. Indices out
    // of every range still give a note that opens.
    CNoteRecord last = good;
    last.SetFont(-12, FW_NORMAL, std::string(31, 'A') + "B");
    last.SetLook(1000, 42, -5, 77, 1, 99);
    ASSERT_TRUE(SendRecord(m_corvana.MainWindow(), m_utility.Handle(), last));
    EXPECT_NE(WaitForNoteOn(m_notepad.Window()), nullptr);
    CIniText data = Save();
    ASSERT_EQ(data.NoteCount(), 1);
    EXPECT_EQ(data.Note(0, "FONTFACENAME"), std::string(31, 'A'));
    EXPECT_TRUE(m_corvana.Alive());
}

}  // namespace

// One day of the real program, as its user spends it: notes pasted by the
// hot keys on notepad and on the desktop and written on, the panel's
// commands, the search panel, the pending list, an export file, an exit
// that cannot write its data file, and the next morning's start that brings
// everything back. Driven by keys and clicks from outside and checked
// through the windows, the panel's count, its list and the files.
#include <algorithm>
#include <cstdlib>

#include <windows.h>

#include <dlgs.h>

#include "e2e/CorvanaTest.h"
#include "e2e/Input.h"
#include "e2e/ListView.h"
#include "framework/Pixels.h"
#include "framework/Text.h"
#include "res/resource.h"

namespace {

// Columns of the lists: the panel's second shows the notes' texts once
// "Text" is chosen; the caches' and the pending list's third is the text.
constexpr int kPanelText = 1, kCacheText = 2;

// What the day writes.
const std::string kMeeting = "会議は３時から";
const std::string kMeetingEdited = "会議は４時に変更\r\n資料を持参";
const std::string kMilk = "牛乳を買う";
const std::string kDentist = "歯医者は金曜\r\n１０時半";
const std::string kLater = "あとで読む";

std::string CountText(int n) { return "現在：" + std::to_string(n) + " 枚"; }

// Typed key by key; a line break is the Enter key.
bool TypeLines(const std::string& text) {
    size_t at = 0;
    for (;;) {
        size_t end = text.find("\r\n", at);
        if (!TypeText(ToWide(text.substr(at, end == std::string::npos ? std::string::npos : end - at))))
            return false;
        if (end == std::string::npos)
            return true;
        if (!PressKeys({VK_RETURN}))
            return false;
        at = end + 2;
    }
}

// A field of another program's dialog typed over, as its user selects what
// is there and types.
testing::AssertionResult TypeOver(HWND field, const std::string& text) {
    // Its window put in front once more when the clicks were lost: seen
    // once in a while on a loaded machine right after a search.
    HWND top = GetAncestor(field, GA_ROOT);
    bool focused = false;
    for (int attempt = 0; attempt < 2 && !focused; attempt++)
        focused = BringToFront(top) && ClickInto(field);
    if (!focused) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(field, nullptr), &info);
        return testing::AssertionFailure() << "the field takes no focus; it is on " << FromWide(ClassOf(info.hwndFocus))
                                           << " " << GetDlgCtrlID(info.hwndFocus) << " in "
                                           << TextOf(GetAncestor(info.hwndFocus, GA_ROOT));
    }
    // Selected by the keys, which come after the click in the same queue.
    if (!PressKeys({VK_CONTROL, VK_HOME}) || !PressKeys({VK_CONTROL, VK_SHIFT, VK_END}) || !TypeLines(text))
        return testing::AssertionFailure() << "no keys";
    if (!WaitFor([&] { return TextOf(field) == text; }, 10000))
        return testing::AssertionFailure() << "the field reads " << testing::PrintToString(TextOf(field));
    return testing::AssertionSuccess();
}

bool IsOn(HWND control) { return IsWindowEnabled(control) != 0; }

// A note's field painted in green: down the middle of its left edge, past
// the text, some pixel is clearly greener than red and blue.
bool ShowsGreen(HWND note) {
    const RECT r = WindowRect(NoteField(note));
    if (r.bottom <= r.top)
        return false;
    CPixels pixels(1, r.bottom - r.top);
    if (!pixels.CaptureScreen(r.left + 2, r.top))
        return false;
    for (int y = 0; y < pixels.Height(); y++) {
        COLORREF c = pixels.Colour(0, y);
        if (GetGValue(c) > GetRValue(c) + 30 && GetGValue(c) > GetBValue(c) + 30)
            return true;
    }
    return false;
}

// A control painted, somewhere past its text, in exactly this colour.
bool ShowsColour(HWND control, COLORREF colour) {
    const RECT r = WindowRect(control);
    if (r.right <= r.left || r.bottom <= r.top)
        return false;
    CPixels pixels(r.right - r.left, r.bottom - r.top);
    if (!pixels.CaptureScreen(r.left, r.top))
        return false;
    for (int y = 0; y < pixels.Height(); y++)
        for (int x = 0; x < pixels.Width(); x++)
            if (pixels.Colour(x, y) == colour)
                return true;
    return false;
}

class Day : public CorvanaTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(CorvanaTest::SetUp());
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        // Desktop notes below notepad, clear of the main window in the
        // bottom-right corner.
        m_milkAt = POINT{220, work.bottom - 180};
        m_dentistAt = POINT{460, work.bottom - 180};
        m_laterAt = POINT{220, work.bottom - 90};
    }

    DWORD Pid() const { return m_corvana.Pid(); }
    HWND Main() const { return m_corvana.MainWindow(); }
    HWND Panel(int id) const { return GetDlgItem(m_panel, id); }
    HWND List() const { return Panel(IDC_LIST_DATA); }

    // The main window shown by a double click on the icon, and its panel.
    void ShowMainWindow() {
        ASSERT_TRUE(PostMessageW(Main(), kTrayNotify, 0, WM_LBUTTONDBLCLK));
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(Main()) != 0; })) << "the main window is not shown";
        m_panel = FindPanel(Main());
        ASSERT_NE(m_panel, nullptr) << "no panel in the main window";
    }
    bool WaitForCount(int n) {
        return WaitFor([&] { return TextOf(Panel(IDC_STATIC_COUNT)) == CountText(n); });
    }
    std::vector<std::string> Rows() const { return ListColumn(List(), kPanelText); }
    // The panel's row of the note with this text, or -1. The list shows a
    // text as it was at the last refill, on one line; a click on "Text"
    // refills it.
    int RowOf(const std::string& text) {
        const std::string shown = OneLine(text);
        int row = FindListRow(List(), kPanelText, shown);
        if (row < 0 && PressButton(Panel(IDC_RADIO_TEXT)))
            WaitFor([&] { return (row = FindListRow(List(), kPanelText, shown)) >= 0; }, 5000);
        return row;
    }
    // That row chosen by a click.
    void ChooseRow(const std::string& text) {
        const int row = RowOf(text);
        ASSERT_GE(row, 0) << "no row holds " << text;
        ASSERT_TRUE(BringToFront(Main()));
        ASSERT_TRUE(ClickListRow(List(), row)) << "row " << row << " not chosen";
    }

    // A hot key pressed with the cursor at a point; the note it opens.
    HWND PasteByHotKey(WORD key, POINT cursor) {
        const std::vector<HWND> before = NoteWindows(Pid());
        EXPECT_TRUE(MoveCursorTo(cursor));
        EXPECT_TRUE(PressKeys({VK_LWIN, key}));
        HWND note = nullptr;
        WaitFor([&] {
            for (HWND n : NoteWindows(Pid()))
                if (std::find(before.begin(), before.end(), n) == before.end())
                    return (note = n) != nullptr;
            return false;
        });
        return note;
    }
    // Clicked into and written on.
    void Write(HWND note, const std::string& text) {
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(note) != 0; }));
        ASSERT_TRUE(ClickInto(NoteField(note))) << "the note's field has no focus";
        ASSERT_TRUE(TypeLines(text));
        ASSERT_TRUE(WaitFor([&] { return NoteTextOf(note) == text; })) << NoteTextOf(note);
    }
    HWND DesktopNoteWith(const std::string& text) const {
        for (HWND note : DesktopNotes(Pid()))
            if (NoteTextOf(note) == text)
                return note;
        return nullptr;
    }

    // A radio button of a modal dialog chosen, and OK.
    static void ChooseAndConfirm(HWND dialog, int radio) {
        ASSERT_TRUE(PressButton(GetDlgItem(dialog, radio)));
        ASSERT_TRUE(WaitFor([&] { return IsChecked(GetDlgItem(dialog, radio)); })) << "radio " << radio;
        ASSERT_TRUE(PressButton(GetDlgItem(dialog, IDOK)));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "the dialog stayed";
    }
    // The file-name field of the system's file dialog, or null.
    static HWND FileNameField(HWND dialog) {
        HWND combo = GetDlgItem(dialog, cmb13);
        if (combo) {
            HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
            return edit ? edit : combo;
        }
        return GetDlgItem(dialog, edt1);
    }
    // The system's file dialog that a button opened, given a full path and OK.
    void ChooseFile(const std::wstring& path) {
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            for (HWND hwnd : TopLevelWindows(Pid()))
                if (IsWindowVisible(hwnd) && ClassOf(hwnd) == L"#32770" && FileNameField(hwnd))
                    return (dialog = hwnd) != nullptr;
            return false;
        })) << "no file dialog";
        // The name put in whole: the system's dialog completes what is typed.
        HWND field = FileNameField(dialog);
        DWORD_PTR r = 0;
        ASSERT_TRUE(SendMessageTimeoutW(field, WM_SETTEXT, 0, (LPARAM)path.c_str(), SMTO_NORMAL, 5000, &r));
        ASSERT_EQ(TextOf(field), FromWide(path));
        ASSERT_TRUE(PressButton(GetDlgItem(dialog, IDOK)));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) << "the file dialog stayed";
    }

    void PasteAndWrite();
    void EditAndDeleteFromThePanel();
    void Search();
    void ChangeLook();
    void ChangeCondition();
    void ChangeSetting();
    void PendingAndExport();
    void ExitWithTheFileLocked();
    void NextMorning();
    void SaveTheDesktop();

    HWND m_panel = nullptr;
    HWND m_meeting = nullptr;  // on notepad
    POINT m_milkAt{}, m_dentistAt{}, m_laterAt{};
    CIniText m_saved{std::string()};
    std::wstring Qvx() const { return m_folder.File(L"一日.qvx"); }
};

// 1. Win+S on notepad, Win+V on the desktop, each written on.
void Day::PasteAndWrite() {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    ASSERT_TRUE(BringToFront(m_notepad.Window()));
    m_meeting = PasteByHotKey('S', POINT{430, 250});
    ASSERT_NE(m_meeting, nullptr) << "Win+S pasted nothing";
    EXPECT_EQ(GetWindow(m_meeting, GW_OWNER), m_notepad.Window());
    ASSERT_NO_FATAL_FAILURE(Write(m_meeting, kMeeting));

    HWND milk = PasteByHotKey('V', m_milkAt);
    ASSERT_NE(milk, nullptr) << "Win+V pasted nothing";
    EXPECT_EQ(GetWindow(milk, GW_OWNER), nullptr);
    ASSERT_NO_FATAL_FAILURE(Write(milk, kMilk));
    EXPECT_EQ(NoteWindows(Pid()).size(), 2u);
    EXPECT_FALSE(ShowsGreen(milk)) << "a new note in green";

    ASSERT_NO_FATAL_FAILURE(ShowMainWindow());
    ASSERT_TRUE(WaitForCount(2)) << TextOf(Panel(IDC_STATIC_COUNT));
    // The list shows the texts, newest first.
    ASSERT_TRUE(PressButton(Panel(IDC_RADIO_TEXT)));
    EXPECT_TRUE(WaitFor([&] { return Rows() == std::vector<std::string>{kMilk, kMeeting}; }))
        << testing::PrintToString(Rows());
}

// 2. notepad closed, the meeting's text edited from the panel; the milk note
// deleted while a hot key adds a note in the middle of the question.
void Day::EditAndDeleteFromThePanel() {
    ASSERT_TRUE(m_notepad.Close());
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(m_meeting); })) << "the note stayed after its window";

    ASSERT_NO_FATAL_FAILURE(ChooseRow(kMeeting));
    EXPECT_EQ(TextOf(Panel(IDC_EDIT_TEXT)), kMeeting);
    // Closed: its text may be edited, it cannot be centred.
    EXPECT_TRUE(IsOn(Panel(IDC_BUTTON_EDITTEXT)));
    EXPECT_FALSE(IsOn(Panel(IDC_BUTTON_WINDOWCENTER)));
    EXPECT_FALSE(IsOn(Panel(IDC_BUTTON_MONITORCENTER)));
    EXPECT_TRUE(IsOn(Panel(IDC_BUTTON_MATCHCONDITION)));
    ASSERT_TRUE(PressButton(Panel(IDC_BUTTON_EDITTEXT)));
    HWND edit = WaitForDialog(Pid(), "本文編集");
    ASSERT_NE(edit, nullptr) << "no body-text dialog";
    EXPECT_EQ(TextOf(GetDlgItem(edit, IDC_EDIT_BODY)), kMeeting);
    ASSERT_TRUE(TypeOver(GetDlgItem(edit, IDC_EDIT_BODY), kMeetingEdited));
    ASSERT_TRUE(PressButton(GetDlgItem(edit, IDOK)));
    EXPECT_TRUE(WaitFor([&] { return TextOf(Panel(IDC_EDIT_TEXT)) == kMeetingEdited; }))
        << TextOf(Panel(IDC_EDIT_TEXT));

    ASSERT_NO_FATAL_FAILURE(ChooseRow(kMilk));
    HWND milk = DesktopNoteWith(kMilk);
    ASSERT_NE(milk, nullptr);
    // Open on the desktop: centred, never re-conditioned.
    EXPECT_FALSE(IsOn(Panel(IDC_BUTTON_EDITTEXT)));
    EXPECT_TRUE(IsOn(Panel(IDC_BUTTON_WINDOWCENTER)));
    EXPECT_FALSE(IsOn(Panel(IDC_BUTTON_MATCHCONDITION)));
    ASSERT_TRUE(PressButton(Panel(IDC_BUTTON_DELETE)));
    HWND question = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (question = FindMessageBox(Pid(), "選択したデータを削除しますか？")) != nullptr; }))
        << "no question";
    // Meanwhile a new note comes first in the list.
    HWND dentist = PasteByHotKey('V', m_dentistAt);
    ASSERT_NE(dentist, nullptr) << "Win+V pasted nothing under the question";
    ASSERT_TRUE(WaitForCount(3));
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    // The note asked about goes, not the one now in its row.
    ASSERT_TRUE(WaitForCount(2)) << TextOf(Panel(IDC_STATIC_COUNT));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(milk); })) << "the milk note is still open";
    EXPECT_TRUE(IsWindow(dentist)) << "the new note went";
    ASSERT_NO_FATAL_FAILURE(Write(dentist, kDentist));
}

// 3. Found by text and by program; a query typed but not run survives the
// search again that a detaching note brings; then run.
void Day::Search() {
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    m_meeting = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(m_meeting, nullptr) << "the meeting did not come back on notepad";
    EXPECT_EQ(NoteTextOf(m_meeting), kMeetingEdited);

    ASSERT_TRUE(PressButton(GetDlgItem(Main(), IDC_CHECK_SERCHPANEL)));
    HWND search = WaitForDialog(Pid(), "検索パネル");
    ASSERT_NE(search, nullptr) << "no search panel";
    auto in = [&](int id) { return GetDlgItem(search, id); };
    const int dentistRow = RowOf(kDentist);
    const int meetingRow = RowOf(kMeetingEdited);
    ASSERT_GE(dentistRow, 0);
    ASSERT_GE(meetingRow, 0);

    ASSERT_TRUE(PressButton(in(IDC_CHECK_SERCH_BODY)));
    ASSERT_TRUE(TypeOver(in(IDC_EDIT_SERCH_BODY), "金曜"));
    ASSERT_TRUE(PressButton(in(IDC_BUTTON_SERCH)));
    EXPECT_TRUE(WaitFor([&] { return TextOf(in(IDC_STATIC_SERCH_RESULT)) == "1件中 1番目のデータ"; })) << TextOf(in(IDC_STATIC_SERCH_RESULT));
    EXPECT_TRUE(WaitFor([&] { return ListSelectionMark(List()) == dentistRow; }));
    EXPECT_TRUE(WaitFor([&] { return ShowsColour(in(IDC_STATIC_SERCH_RESULT), RGB(0, 255, 0)); })) << "the result is not on green";

    // Two results, stepped through and round.
    ASSERT_TRUE(TypeOver(in(IDC_EDIT_SERCH_BODY), "時"));
    ASSERT_TRUE(PressButton(in(IDC_BUTTON_SERCH)));
    EXPECT_TRUE(WaitFor([&] { return TextOf(in(IDC_STATIC_SERCH_RESULT)) == "2件中 1番目のデータ"; })) << TextOf(in(IDC_STATIC_SERCH_RESULT));
    EXPECT_TRUE(WaitFor([&] { return ListSelectionMark(List()) == std::min(dentistRow, meetingRow); }));
    ASSERT_TRUE(PressButton(in(IDC_BUTTON_SERCH_NEXT)));
    EXPECT_TRUE(WaitFor([&] { return TextOf(in(IDC_STATIC_SERCH_RESULT)) == "2件中 2番目のデータ"; })) << TextOf(in(IDC_STATIC_SERCH_RESULT));
    EXPECT_TRUE(WaitFor([&] { return ListSelectionMark(List()) == std::max(dentistRow, meetingRow); }));
    ASSERT_TRUE(PressButton(in(IDC_BUTTON_SERCH_NEXT)));
    EXPECT_TRUE(WaitFor([&] { return TextOf(in(IDC_STATIC_SERCH_RESULT)) == "2件中 1番目のデータ"; })) << TextOf(in(IDC_STATIC_SERCH_RESULT));
    EXPECT_TRUE(WaitFor([&] { return ListSelectionMark(List()) == std::min(dentistRow, meetingRow); }));

    ASSERT_TRUE(PressButton(in(IDC_CHECK_SERCH_BODY)));
    ASSERT_TRUE(PressButton(in(IDC_CHECK_SERCH_PROGRAM)));
    ASSERT_TRUE(TypeOver(in(IDC_EDIT_SERCH_PROGRAM), "notepad"));
    ASSERT_TRUE(PressButton(in(IDC_BUTTON_SERCH)));
    EXPECT_TRUE(WaitFor([&] { return ListSelectionMark(List()) == meetingRow; }));
    EXPECT_EQ(TextOf(in(IDC_STATIC_SERCH_RESULT)), "1件中 1番目のデータ");

    // Typed, not run; the meeting leaves with notepad and the list is
    // searched again by the query that ran.
    ASSERT_TRUE(TypeOver(in(IDC_EDIT_SERCH_PROGRAM), "desk"));
    ASSERT_TRUE(ClickListRow(List(), dentistRow));
    ASSERT_TRUE(m_notepad.Close());
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(m_meeting); }));
    EXPECT_TRUE(WaitFor([&] { return ListSelectionMark(List()) == meetingRow; })) << "not searched again";
    EXPECT_EQ(TextOf(in(IDC_EDIT_SERCH_PROGRAM)), "desk") << "the typed query was wiped";
    EXPECT_EQ(TextOf(in(IDC_STATIC_SERCH_RESULT)), "1件中 1番目のデータ");

    ASSERT_TRUE(PressButton(in(IDC_BUTTON_SERCH)));
    EXPECT_TRUE(WaitFor([&] { return ListSelectionMark(List()) == dentistRow; })) << "the desktop note not found";
    EXPECT_EQ(TextOf(in(IDC_STATIC_SERCH_RESULT)), "1件中 1番目のデータ");

    ASSERT_TRUE(TypeOver(in(IDC_EDIT_SERCH_PROGRAM), "excel"));
    ASSERT_TRUE(PressButton(in(IDC_BUTTON_SERCH)));
    EXPECT_TRUE(WaitFor([&] { return TextOf(in(IDC_STATIC_SERCH_RESULT)) == "該当データなし"; })) << TextOf(in(IDC_STATIC_SERCH_RESULT));
    EXPECT_TRUE(WaitFor([&] { return ShowsColour(in(IDC_STATIC_SERCH_RESULT), RGB(255, 255, 180)); }))
        << "no result is not on yellow";

    ASSERT_TRUE(PressButton(GetDlgItem(Main(), IDC_CHECK_SERCHPANEL)));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(search); })) << "the search panel stayed";
}

// After the search: the dentist note turned green from its menu, the
// meeting matched by part of notepad's title, notes following every 10 ms.
void Day::ChangeLook() {
    HWND dentist = DesktopNoteWith(kDentist);
    ASSERT_NE(dentist, nullptr);
    const RECT bar = WindowRect(GetDlgItem(dentist, IDC_STATIC_PICKBAR));
    const POINT onBar{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
    // A click first puts the note in front, so that the keys go to its menu.
    ASSERT_TRUE(WaitFor([&] {
        return ClickAt(onBar) && WaitFor([&] { return GetForegroundWindow() == dentist; }, 1000);
    })) << "the note does not come in front";
    ASSERT_TRUE(ClickAt(onBar, true));
    ASSERT_TRUE(WaitFor([&] { return IsMenuOpen(Pid()); })) << "no note menu";
    // Its first entry.
    ASSERT_TRUE(PressKeys({VK_DOWN}));
    ASSERT_TRUE(PressKeys({VK_RETURN}));
    HWND colours = WaitForDialog(Pid(), "付箋色＆引出し線設定");
    ASSERT_NE(colours, nullptr) << "no colour dialog";
    ASSERT_NO_FATAL_FAILURE(ChooseAndConfirm(colours, IDC_RADIO_BK_GREEN));
    EXPECT_TRUE(WaitFor([&] { return ShowsGreen(dentist); })) << "the note did not turn green";
}

void Day::ChangeCondition() {
    ASSERT_NO_FATAL_FAILURE(ChooseRow(kMeetingEdited));
    ASSERT_TRUE(PressButton(Panel(IDC_BUTTON_MATCHCONDITION)));
    HWND match = WaitForDialog(Pid(), "マッチング条件設定");
    ASSERT_NE(match, nullptr) << "no match condition dialog";
    if (IsChecked(GetDlgItem(match, IDC_CHECK_TITLEFULL))) {
        ASSERT_TRUE(PressButton(GetDlgItem(match, IDC_CHECK_TITLEFULL)));
        ASSERT_TRUE(WaitFor([&] { return !IsChecked(GetDlgItem(match, IDC_CHECK_TITLEFULL)); }));
    }
    ASSERT_TRUE(TypeOver(GetDlgItem(match, IDC_EDIT_TITLEPART), "メモ帳"));
    ASSERT_TRUE(PressButton(GetDlgItem(match, IDOK)));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(match); }));
}

void Day::ChangeSetting() {
    ASSERT_TRUE(PressButton(Panel(IDC_BUTTON_PROPATY)));
    HWND props = WaitForDialog(Pid(), "プロパティ設定");
    ASSERT_NE(props, nullptr) << "no property dialog";
    ASSERT_NO_FATAL_FAILURE(ChooseAndConfirm(props, IDC_RADIO_PERIOD_10));
    EXPECT_TRUE(WaitFor([&] {
        return CIniText::Load(m_folder.File(L"TesselinPropaty.ini")).Get("SYSTEM", "POSINTERVAL") == "10";
    })) << "the period is not written";
}

// 4. The dentist parked and brought back; "あとで読む" parked for good; the
// meeting exported and written to a file through the file dialog; then
// "手動保存" and the files.
void Day::PendingAndExport() {
    HWND later = PasteByHotKey('V', m_laterAt);
    ASSERT_NE(later, nullptr);
    ASSERT_NO_FATAL_FAILURE(Write(later, kLater));
    ASSERT_TRUE(WaitForCount(3));

    ASSERT_NO_FATAL_FAILURE(ChooseRow(kDentist));
    ASSERT_TRUE(PressButton(Panel(IDC_BUTTON_PENDINGLIST)));
    ASSERT_TRUE(WaitForCount(2));
    EXPECT_TRUE(WaitFor([&] { return DesktopNoteWith(kDentist) == nullptr; })) << "the parked note stayed open";

    ASSERT_TRUE(PressButton(GetDlgItem(Main(), IDC_BUTTON_PENDINGLIST)));
    HWND pending = WaitForDialog(Pid(), "保留リスト");
    ASSERT_NE(pending, nullptr) << "no pending list";
    HWND pendingRows = GetDlgItem(pending, IDC_LIST_PENDING);
    EXPECT_EQ(TextOf(GetDlgItem(pending, IDC_STATIC_PENDINGCOUNT)), "1");
    ASSERT_EQ(ListColumn(pendingRows, kCacheText), std::vector<std::string>{OneLine(kDentist)});
    ASSERT_TRUE(BringToFront(pending));
    ASSERT_TRUE(ClickListRow(pendingRows, 0));
    ASSERT_TRUE(PressButton(GetDlgItem(pending, IDC_BUTTON_ACTIVE)));
    ASSERT_TRUE(WaitForCount(3));
    EXPECT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(pending, IDC_STATIC_PENDINGCOUNT)) == "0"; }));
    EXPECT_TRUE(WaitFor([&] { return DesktopNoteWith(kDentist) != nullptr; })) << "the dentist did not reopen";
    EXPECT_EQ(ListCellText(List(), 0, kPanelText), OneLine(kDentist)) << "not first";

    ASSERT_NO_FATAL_FAILURE(ChooseRow(kLater));
    ASSERT_TRUE(PressButton(Panel(IDC_BUTTON_PENDINGLIST)));
    ASSERT_TRUE(WaitForCount(2));
    EXPECT_TRUE(WaitFor([&] { return ListColumn(pendingRows, kCacheText) == std::vector<std::string>{kLater}; }));
    EXPECT_EQ(TextOf(GetDlgItem(pending, IDC_STATIC_PENDINGCOUNT)), "1");
    ASSERT_TRUE(PostMessageW(pending, WM_SYSCOMMAND, SC_CLOSE, 0));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(pending); }));

    ASSERT_NO_FATAL_FAILURE(ChooseRow(kMeetingEdited));
    ASSERT_TRUE(PressButton(Panel(IDC_BUTTON_EXPORTSTACK)));
    ASSERT_TRUE(PressButton(GetDlgItem(Main(), IDC_BUTTON_EXPORTSTACK)));
    HWND exports = WaitForDialog(Pid(), "エクスポートキャッシュ");
    ASSERT_NE(exports, nullptr) << "no export cache";
    EXPECT_TRUE(WaitFor([&] {
        return ListColumn(GetDlgItem(exports, IDC_LIST_EXPORTSTACK), kCacheText) == std::vector<std::string>{OneLine(kMeetingEdited)};
    }));
    ASSERT_TRUE(PressButton(GetDlgItem(exports, IDC_BUTTON_SAVEFILE)));
    ASSERT_NO_FATAL_FAILURE(ChooseFile(Qvx()));
    ASSERT_TRUE(WaitForFile(Qvx())) << "no export file";
    // Cleared and closed after the save, as it starts.
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(exports); }));
    EXPECT_EQ(ListRowCount(GetDlgItem(exports, IDC_LIST_EXPORTSTACK)), 0);
    CIniText qvx = CIniText::Load(Qvx());
    EXPECT_EQ(qvx.Get("SYSTEM", "APPNAME"), "Corvana");
    EXPECT_EQ(qvx.Get("SYSTEM", "SAVEFORMAT"), "0");
    ASSERT_EQ(qvx.NoteCount(), 1);
    EXPECT_EQ(qvx.NoteText(0), kMeetingEdited);
    EXPECT_EQ(qvx.Note(0, "EXENAME"), "NOTEPAD.EXE");
    // The export takes nothing from the panel.
    EXPECT_TRUE(WaitForCount(2));

    m_saved = Save();
    ASSERT_EQ(m_saved.NoteCount(), 2);
    EXPECT_EQ(m_saved.NoteText(0), kDentist);
    EXPECT_EQ(m_saved.Note(0, "EXENAME"), "DESKTOP");
    EXPECT_EQ(m_saved.Note(0, "BKCOLOR"), "2") << "not green";
    EXPECT_EQ(m_saved.NoteText(1), kMeetingEdited);
    EXPECT_EQ(m_saved.Note(1, "EXENAME"), "NOTEPAD.EXE");
    EXPECT_EQ(m_saved.Note(1, "FULL"), "0");
    EXPECT_EQ(m_saved.Note(1, "PART"), "メモ帳");
    // The pending list is written in the same save.
    CIniText parked{std::string()};
    EXPECT_TRUE(WaitFor([&] {
        parked = CIniText::Load(m_folder.File(L"BriscoPendingList.ini"));
        return parked.NoteCount() == 1;
    })) << "the pending list is not written";
    EXPECT_EQ(parked.NoteText(0), kLater);
}

// 5. "終了" with the data file held by another program: the box, No, and
// the program runs on with its notes; then "終了" once the file is free.
void Day::ExitWithTheFileLocked() {
    const std::string before = ReadFileBytes(DataFile());
    {
        CLockedFile lock(DataFile());
        ASSERT_TRUE(lock.Locked());
        ASSERT_NO_FATAL_FAILURE(ExitAnsweringTheFailedSave(IDNO));
        EXPECT_TRUE(WaitFor([&] { return DesktopNoteWith(kDentist) != nullptr; })) << "the notes did not come back";
        EXPECT_TRUE(m_corvana.Alive()) << "ended after No";
    }
    EXPECT_EQ(ReadFileBytes(DataFile()), before);
    ASSERT_NO_FATAL_FAILURE(Exit());
    CIniText data = CIniText::Load(DataFile());
    ASSERT_EQ(data.NoteCount(), 2);
    EXPECT_EQ(data.NoteText(0), kDentist);
    EXPECT_EQ(data.NoteText(1), kMeetingEdited);
}

// 6. The next start: the notes on their windows with their texts, their
// looks and conditions, the parked note, the setting; the export file
// read back into a note.
void Day::NextMorning() {
    // notepad with a file this time: only part of its title is as it was.
    const std::wstring plan = m_folder.File(L"予定.txt");
    ASSERT_TRUE(WriteFileBytes(plan, "予定\r\n"));
    ASSERT_TRUE(m_notepad.Start(kNotepadRect, plan)) << "no notepad window";
    ASSERT_NE(NotepadTitle(m_notepad.Window()), m_saved.Note(1, "TITLE"));
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    m_meeting = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(m_meeting, nullptr) << "the meeting is not back on notepad by part of its title";
    EXPECT_EQ(NoteTextOf(m_meeting), kMeetingEdited);
    HWND dentist = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (dentist = DesktopNoteWith(kDentist)) != nullptr; })) << "the dentist is not back";
    EXPECT_EQ(DesktopNotes(Pid()).size(), 1u);
    if (dentist) {
        EXPECT_TRUE(WaitFor([&] { return ShowsGreen(dentist); })) << "the dentist note is not green";
    }
    ASSERT_NO_FATAL_FAILURE(ShowMainWindow());
    EXPECT_TRUE(WaitForCount(2));

    // Written again, everything reads as it was written last night; only
    // the times the notes were last seen move on.
    CIniText again = Save();
    ASSERT_EQ(again.NoteCount(), m_saved.NoteCount());
    for (int i = 0; i < again.NoteCount(); i++) {
        auto was = m_saved.Section("MEMLETITEM" + std::to_string(i));
        auto now = again.Section("MEMLETITEM" + std::to_string(i));
        was.erase("ACSDATE");
        now.erase("ACSDATE");
        EXPECT_EQ(now, was) << "note " << i;
    }

    ASSERT_TRUE(PressButton(GetDlgItem(Main(), IDC_BUTTON_PENDINGLIST)));
    HWND pending = WaitForDialog(Pid(), "保留リスト");
    ASSERT_NE(pending, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(pending, IDC_STATIC_PENDINGCOUNT)), "1");
    EXPECT_EQ(ListColumn(GetDlgItem(pending, IDC_LIST_PENDING), kCacheText), std::vector<std::string>{kLater});
    ASSERT_TRUE(PostMessageW(pending, WM_SYSCOMMAND, SC_CLOSE, 0));

    ASSERT_TRUE(PressButton(Panel(IDC_BUTTON_PROPATY)));
    HWND props = WaitForDialog(Pid(), "プロパティ設定");
    ASSERT_NE(props, nullptr);
    EXPECT_TRUE(IsChecked(GetDlgItem(props, IDC_RADIO_PERIOD_10))) << "the period is not back";
    ASSERT_TRUE(PressButton(GetDlgItem(props, IDCANCEL)));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(props); }));

    ASSERT_TRUE(PressButton(GetDlgItem(Main(), IDC_BUTTON_INPORTSTACK)));
    HWND imports = WaitForDialog(Pid(), "インポートキャッシュ");
    ASSERT_NE(imports, nullptr) << "no import cache";
    ASSERT_TRUE(PressButton(GetDlgItem(imports, IDC_BUTTON_OPENFILE)));
    ASSERT_NO_FATAL_FAILURE(ChooseFile(Qvx()));
    EXPECT_TRUE(WaitFor([&] {
        return ListColumn(GetDlgItem(imports, IDC_LIST_INPORTSTACK), kCacheText) == std::vector<std::string>{OneLine(kMeetingEdited)};
    })) << "the export file was not read";
    ASSERT_TRUE(PressButton(GetDlgItem(imports, IDC_BUTTON_IMPORTALL)));
    EXPECT_TRUE(WaitForCount(3));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(imports); }));
    // A second meeting note on notepad.
    EXPECT_TRUE(WaitFor([&] {
        int n = 0;
        for (HWND note : NoteWindows(Pid()))
            n += GetWindow(note, GW_OWNER) == m_notepad.Window() && NoteTextOf(note) == kMeetingEdited;
        return n == 2;
    })) << "the imported note did not open on notepad";
}

// The desktop at the end of the day, when the screenshot tool asks for it.
void Day::SaveTheDesktop() {
    const char* path = getenv("CORVANA_DAY_SHOT");
    if (!path || !*path)
        return;
    ASSERT_TRUE(BringToFront(Main()));
    // Let every window paint.
    WaitFor([] { return false; }, 1500);
    CPixels pixels(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    ASSERT_TRUE(pixels.CaptureScreen(0, 0));
    ASSERT_TRUE(pixels.SaveBmp(path)) << path;
}

TEST_F(Day, OneScriptedDay) {
    ASSERT_NO_FATAL_FAILURE(PasteAndWrite());
    ASSERT_NO_FATAL_FAILURE(EditAndDeleteFromThePanel());
    ASSERT_NO_FATAL_FAILURE(Search());
    ASSERT_NO_FATAL_FAILURE(ChangeLook());
    ASSERT_NO_FATAL_FAILURE(ChangeCondition());
    ASSERT_NO_FATAL_FAILURE(ChangeSetting());
    ASSERT_NO_FATAL_FAILURE(PendingAndExport());
    ASSERT_NO_FATAL_FAILURE(ExitWithTheFileLocked());
    ASSERT_NO_FATAL_FAILURE(NextMorning());
    ASSERT_NO_FATAL_FAILURE(SaveTheDesktop());
}

}  // namespace

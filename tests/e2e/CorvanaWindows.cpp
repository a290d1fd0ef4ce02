#include "e2e/CorvanaWindows.h"

#include <ostream>

#include "e2e/Waiting.h"
#include "framework/Text.h"
#include "res/resource.h"

namespace {

constexpr UINT kSendMs = 5000;

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lp) {
    auto* found = (std::pair<DWORD, std::vector<HWND>>*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == found->first)
        found->second.push_back(hwnd);
    return TRUE;
}

bool IsDialog(HWND hwnd) { return ClassOf(hwnd) == L"#32770"; }

BOOL CALLBACK FindStaticText(HWND child, LPARAM lp) {
    auto* wanted = (std::pair<const std::wstring*, bool>*)lp;
    if (ClassOf(child) == L"Static" && WideTextOf(child) == *wanted->first) {
        wanted->second = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD pid) {
    std::pair<DWORD, std::vector<HWND>> found{pid, {}};
    EnumWindows(CollectTopLevel, (LPARAM)&found);
    return found.second;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    int n = GetClassNameW(hwnd, name, 256);
    return std::wstring(name, n > 0 ? n : 0);
}

std::string TextOf(HWND hwnd) { return FromWide(WideTextOf(hwnd)); }

std::wstring WideTextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kSendMs, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), (LPARAM)text.data(), SMTO_NORMAL, kSendMs, &got))
        return {};
    text.resize(got < text.size() ? got : 0);
    return text;
}

HWND FindMainWindow(DWORD pid) {
    for (HWND hwnd : TopLevelWindows(pid))
        if (IsDialog(hwnd) && TextOf(hwnd) == "コルヴァナ")
            return hwnd;
    return nullptr;
}

bool IsNoteWindow(HWND hwnd) {
    return IsWindowVisible(hwnd) && IsDialog(hwnd) && NoteField(hwnd) &&
           !(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD);
}

HWND NoteField(HWND note) {
    HWND field = GetDlgItem(note, IDC_EDIT_MEMLET);
    return field && ClassOf(field) == L"Edit" ? field : nullptr;
}

std::string NoteTextOf(HWND note) {
    HWND field = NoteField(note);
    return field ? TextOf(field) : std::string();
}

std::vector<HWND> NoteWindows(DWORD pid) {
    std::vector<HWND> notes;
    for (HWND hwnd : TopLevelWindows(pid))
        if (IsNoteWindow(hwnd))
            notes.push_back(hwnd);
    return notes;
}

HWND NoteOwnedBy(DWORD pid, HWND target) {
    for (HWND note : NoteWindows(pid))
        if (GetWindow(note, GW_OWNER) == target)
            return note;
    return nullptr;
}

std::vector<HWND> DesktopNotes(DWORD pid) {
    std::vector<HWND> notes;
    for (HWND note : NoteWindows(pid))
        if (!GetWindow(note, GW_OWNER))
            notes.push_back(note);
    return notes;
}

std::vector<HWND> MessageBoxes(DWORD pid) {
    std::vector<HWND> boxes;
    HWND main = FindMainWindow(pid);
    for (HWND hwnd : TopLevelWindows(pid)) {
        if (hwnd == main || !IsWindowVisible(hwnd) || !IsDialog(hwnd) || IsNoteWindow(hwnd))
            continue;
        for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (ClassOf(c) == L"Button") {
                boxes.push_back(hwnd);
                break;
            }
    }
    return boxes;
}

HWND FindMessageBox(DWORD pid, const std::string& text) { return FindMessageBox(pid, ToWide(text)); }

HWND FindMessageBox(DWORD pid, const std::wstring& text) {
    for (HWND hwnd : TopLevelWindows(pid)) {
        if (!IsWindowVisible(hwnd) || !IsDialog(hwnd))
            continue;
        std::pair<const std::wstring*, bool> wanted{&text, false};
        EnumChildWindows(hwnd, FindStaticText, (LPARAM)&wanted);
        if (wanted.second)
            return hwnd;
    }
    return nullptr;
}

bool IsMenuOpen(DWORD pid) {
    for (HWND hwnd : TopLevelWindows(pid))
        if (ClassOf(hwnd) == L"#32768" && IsWindowVisible(hwnd))
            return true;
    return false;
}

bool AnswerMessageBox(HWND box, int id) { return PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0) != 0; }

bool AnswerMessageBox(DWORD pid, const std::string& text, int id) {
    HWND box = nullptr;
    return WaitFor([&] { return (box = FindMessageBox(pid, text)) != nullptr; }) && AnswerMessageBox(box, id);
}

HWND FindDialog(DWORD pid, const std::string& caption) {
    for (HWND hwnd : TopLevelWindows(pid))
        if (IsDialog(hwnd) && IsWindowVisible(hwnd) && TextOf(hwnd) == caption)
            return hwnd;
    return nullptr;
}

HWND WaitForDialog(DWORD pid, const std::string& caption) {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialog(pid, caption)) != nullptr; });
    return dialog;
}

HWND FindPanel(HWND main) {
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        HWND list = GetDlgItem(child, IDC_LIST_DATA);
        if (IsDialog(child) && list && ClassOf(list) == L"SysListView32")
            return child;
    }
    return nullptr;
}

bool PressButton(HWND button) { return button && PostMessageW(button, BM_CLICK, 0, 0); }

bool IsChecked(HWND button) {
    DWORD_PTR state = 0;
    return SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_NORMAL, kSendMs, &state) && state == BST_CHECKED;
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& os, const RECT& r) {
    return os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

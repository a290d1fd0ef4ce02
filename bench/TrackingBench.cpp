// Time of one tracking tick against the enumeration it cannot avoid, for
// 50, 100 and 200 windows of another process and 100 and 1,000 notes.
//
// A second copy of this program (started with --targets) owns the windows:
// every query of another process's window crosses the wine server, as the
// program's own queries do. The baseline is EnumWindows with the candidate
// filter on every window; the tick is the panel's window list rebuilt and
// every note's matching step, as the tracking timer runs them. Rounds are
// 100 ms apart with messages pumped in between, as in the program: rounds
// run back to back read far slower under Wine.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "model/CandidateWindow.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"

namespace {

constexpr int kChildren = 20;        // on every fifth window
constexpr int kRounds = 21;          // the median of these
constexpr DWORD kRoundGapMs = 100;
const wchar_t kTargetClass[] = L"CorvanaBenchTarget";

int ReportBox(const std::string& text, UINT) {
    fprintf(stderr, "message box: %s\n", text.c_str());
    return IDOK;
}

bool HasChildren(int i) { return i % 5 == 0; }
const char* ChildClass(int k) { return k % 3 == 0 ? "Edit" : k % 3 == 1 ? "Button" : "Static"; }
int ChildId(int k) { return 1000 + k; }
std::string ChildText(int window, int k) { return "項目" + std::to_string(k) + " / " + std::to_string(window); }

// The other process: count visible windows spread over the screen, every
// fifth with 20 visible controls with text, until the quit event is set.
int RunTargets(int count, const char* readyName, const char* quitName) {
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, readyName);
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, quitName);
    if (!ready || !quit)
        return 2;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = kTargetClass;
    RegisterClassW(&wc);
    for (int i = 0; i < count; i++) {
        int x = 10 + (i * 53) % 1000, y = 10 + (i * 37) % 560;
        HWND top = CreateWindowExW(WS_EX_NOACTIVATE, kTargetClass, ToWide(CandidateTitle(i)).c_str(),
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 260, 220, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        if (!top)
            return 3;
        if (!HasChildren(i))
            continue;
        for (int k = 0; k < kChildren; k++) {
            CreateWindowExW(0, ToWide(ChildClass(k)).c_str(), ToWide(ChildText(i, k)).c_str(),
                            WS_CHILD | WS_VISIBLE, 4 + (k % 2) * 120, 4 + (k / 2) * 18, 116, 16, top,
                            (HMENU)(INT_PTR)ChildId(k), wc.hInstance, nullptr);
        }
    }
    SetEvent(ready);
    while (!WaitPumping(quit, INFINITE - 1)) {
    }
    return 0;
}

// The other process, running while the object lives.
class CTargetProcess {
public:
    bool Start(int count) {
        std::string tag = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(count);
        std::string readyName = "CorvanaBenchReady-" + tag, quitName = "CorvanaBenchQuit-" + tag;
        m_ready = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
        m_quit = CreateEventA(nullptr, TRUE, FALSE, quitName.c_str());
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string cmd = std::string("\"") + self + "\" --targets " + std::to_string(count) + " " + readyName +
                          " " + quitName;
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_SHOWNOACTIVATE;
        std::vector<char> line(cmd.begin(), cmd.end());
        line.push_back('\0');
        if (!CreateProcessA(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi))
            return false;
        HANDLE both[2] = {m_ready, m_pi.hProcess};
        DWORD r = WaitForMultipleObjects(2, both, FALSE, 60000);
        if (r != WAIT_OBJECT_0)
            return false;
        m_pid = m_pi.dwProcessId;
        // Let the new windows settle before anything is timed.
        WaitPumping(nullptr, 1000);
        return true;
    }
    ~CTargetProcess() {
        if (m_pi.hProcess) {
            SetEvent(m_quit);
            if (WaitForSingleObject(m_pi.hProcess, 10000) != WAIT_OBJECT_0)
                TerminateProcess(m_pi.hProcess, 1);
            CloseHandle(m_pi.hThread);
            CloseHandle(m_pi.hProcess);
        }
        if (m_ready)
            CloseHandle(m_ready);
        if (m_quit)
            CloseHandle(m_quit);
    }
    DWORD m_pid = 0;

private:
    PROCESS_INFORMATION m_pi{};
    HANDLE m_ready = nullptr, m_quit = nullptr;
};

// The upper-case program name of this executable, which the windows' process has.
std::string OwnProgramName() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const char* base = strrchr(self, '\\');
    return MbUpper(base ? base + 1 : self);
}

// A note with the look of a stored one and no window yet.
CMemletData Note(const std::string& program, int i) {
    CMemletData d;
    d.m_strExeName = program;
    d.m_strExePath = "C:\\Program Files\\" + program;
    d.m_nTitleFlag = 1;
    d.m_nProcessFlag = 1;
    d.m_nFull = 1;
    d.m_tGenDate = 1700000000 + (int64_t)i * 3600;
    d.m_tAcsDate = d.m_tGenDate + 86400;
    d.m_rectWin = {300 + i % 400, 200 + i % 300, 480 + i % 400, 260 + i % 300};
    d.m_strText = "メモ " + std::to_string(i);
    return d;
}

// Notes of four kinds in turn (exact title, part of title, program only, a
// child window), a fifth of them on the windows' program and the rest on
// programs that are not running. Note 7 of every hundred matches; all the
// others fail, those on the windows' program only after their title or
// child test. The first 100 are the smaller set.
std::vector<CMemletData> Notes(int count, const std::string& target) {
    static const char* const others[] = {"EXCEL.EXE", "WINWORD.EXE", "CHROME.EXE", "THUNDERBIRD.EXE"};
    std::vector<CMemletData> list;
    for (int i = 0; i < count; i++) {
        int kind = i % 4;
        bool matching = i % 100 == 7;
        if (matching)
            kind = (i / 100) % 4;
        bool onTarget = matching || (i / 4) % 5 == 0;
        CMemletData d = Note(onTarget ? target : others[(i / 4) % 4], i);
        int window = (i * 7) % 50;  // a window every window count has
        switch (kind) {
        case 0:
            d.m_strTitle = matching ? CandidateTitle(window) : CandidateTitle(1000 + i);
            break;
        case 1:
            d.m_nFull = 0;
            d.m_strTitle = CandidateTitle(window);
            d.m_strPart = matching ? CandidateTitle(window).substr(0, 12) : "報告書_" + std::to_string(i);
            break;
        case 2:
            d.m_nTitleFlag = 0;
            if (onTarget && !matching)
                d.m_strExeName = "BENCHTOOL.EXE";  // a program name differing only at the end
            break;
        default:
            // The windows with children all have titles of the first kind.
            window = window / 15 * 15;
            d.m_nExtentFlag = 1;
            d.m_nFull = 0;
            d.m_strPart = i % 8 == 3 ? " - 表計算" : CandidateTitle(window);
            d.m_strTitle = CandidateTitle(window);
            d.m_strExClass = ChildClass(5);
            d.m_nExCtlId = ChildId(5);
            d.m_nExFullFlag = (i / 4) % 2;
            d.m_strExText = matching ? ChildText(window, 5) : "存在しない項目";
            d.m_strExPart = matching ? "項目5" : "存在しない";
            break;
        }
        list.push_back(d);
    }
    return list;
}

// The baseline: the enumeration and the candidate filter, nothing kept.
struct CBaseline {
    CProcessNames names;
    int listed = 0;
    static BOOL CALLBACK Proc(HWND hwnd, LPARAM self) {
        CBaseline& b = *(CBaseline*)self;
        CWinInf inf;
        RECT rect;
        if (ReadCandidateWindow(hwnd, b.names, inf, rect))
            b.listed++;
        return TRUE;
    }
};

double Baseline(int& listed) {
    CBaseline b;
    double t0 = Now();
    EnumWindows(CBaseline::Proc, (LPARAM)&b);
    double t = Now() - t0;
    listed = b.listed;
    return t;
}

struct TickTimes {
    double list = 0, match = 0;
};

// The tracking tick's work on the given notes.
TickTimes Tick(CControlDlg& panel, std::vector<CMemletData>& notes) {
    std::vector<CMemletData>& list = Fields(panel).m_MemletList;
    std::vector<CWinInf>& windows = Fields(panel).m_WinInfList;
    std::swap(list, notes);
    TickTimes t;
    double t0 = Now();
    panel.UpdateWindowList();
    double t1 = Now();
    for (size_t i = 0; i < list.size(); i++)
        list[i].FindMatch(windows);
    double t2 = Now();
    std::swap(list, notes);
    t.list = t1 - t0;
    t.match = t2 - t1;
    return t;
}

int Attached(const std::vector<CMemletData>& notes) {
    int n = 0;
    for (const CMemletData& d : notes)
        n += d.m_bAttached == 1 && d.m_pMemletWin;
    return n;
}

std::string Ratio(double now, double before) {
    char text[16] = "";
    if (before > 0)
        snprintf(text, sizeof text, "%.2f", now / before);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && strcmp(argv[1], "--targets") == 0)
        return RunTargets(atoi(argv[2]), argv[3], argv[4]);

    // As in the program outside debug mode: no trace lines.
    EnableTrace(false);
    SetMessageBoxHook(ReportBox);
    const std::string target = OwnProgramName();
    const int windowCounts[] = {50, 100, 200};
    const int noteCounts[] = {100, 1000};
    int failures = 0;
    double prevTick[2] = {0, 0};

    printf("%7s %7s %6s %8s %8s %8s %8s %8s %8s %9s %6s %7s\n", "windows", "notes", "listed", "attached",
           "first ms", "base ms", "tick ms", "list ms", "match ms", "tick/base", "x win", "x notes");
    for (int windows : windowCounts) {
        CTargetProcess targets;
        if (!targets.Start(windows)) {
            fprintf(stderr, "%d windows: the window process did not start\n", windows);
            failures++;
            continue;
        }
        CControlDlg panel;
        std::vector<CMemletData> sets[2] = {Notes(noteCounts[0], target), Notes(noteCounts[1], target)};

        // The first tick opens the note windows of the matching notes; that
        // happens once, and is shown on its own.
        double first[2];
        for (int s = 0; s < 2; s++) {
            WaitPumping(nullptr, kRoundGapMs);
            TickTimes t = Tick(panel, sets[s]);
            first[s] = t.list + t.match;
        }

        // Each tick is also taken against the baseline of its own round: the
        // machine's load drifts between rounds more than within one.
        std::vector<double> base, tick[2], list[2], match[2], ratio[2];
        int listed = 0, tickListed = 0;
        for (int r = 0; r < kRounds; r++) {
            WaitPumping(nullptr, kRoundGapMs);
            base.push_back(Baseline(listed));
            for (int s = 0; s < 2; s++) {
                WaitPumping(nullptr, kRoundGapMs);
                TickTimes t = Tick(panel, sets[s]);
                tick[s].push_back(t.list + t.match);
                ratio[s].push_back((t.list + t.match) / base.back());
                list[s].push_back(t.list);
                match[s].push_back(t.match);
                tickListed = (int)Fields(panel).m_WinInfList.size() - 1;  // not the desktop entry
            }
        }
        if (listed != tickListed || listed < windows) {
            fprintf(stderr, "%d windows: the baseline listed %d, the tick %d\n", windows, listed, tickListed);
            failures++;
        }
        double b = Median(base);
        for (int s = 0; s < 2; s++) {
            double t = Median(tick[s]);
            printf("%7d %7d %6d %8d %8.1f %8.1f %8.1f %8.1f %8.1f %9.2f %6s %7s\n", windows, noteCounts[s], listed,
                   Attached(sets[s]), first[s] * 1000, b * 1000, t * 1000, Median(list[s]) * 1000,
                   Median(match[s]) * 1000, Median(ratio[s]), Ratio(t, prevTick[s]).c_str(),
                   s ? Ratio(t, Median(tick[0])).c_str() : "");
            prevTick[s] = t;
        }
        // The note windows close before their targets go.
        for (auto& set : sets)
            for (CMemletData& d : set)
                d.OnLost();
    }
    printf("listed: candidate windows of every process (the benchmark's own windows are not candidates)\n");
    printf("first: the first tick, which opens the matching notes' windows; not in the medians\n");
    printf("base: EnumWindows and the candidate filter on every window; tick = list + match\n");
    printf("tick/base: the median of each round's tick against that round's baseline\n");
    printf("x win: tick against the window count before; x notes: tick at 1,000 notes against 100\n");
    printf("median of %d rounds %lu ms apart\n", kRounds, (unsigned long)kRoundGapMs);
    return failures ? 1 : 0;
}

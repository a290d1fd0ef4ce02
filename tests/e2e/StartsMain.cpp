// Not a test: starts the real Corvana.exe over and over, each time with one
// of the start fixtures as its files, and tells for every start whether its
// main window answered within 30 s, or whether the process ended or hung
// before that, with its exit code and the time taken; whether it still runs
// and answers once its first tracking ticks have opened the notes; then ends
// it cleanly (終了, or the end-session messages followed by the end the
// system brings) and makes sure it is gone before the next start.
// scripts/starts runs it in several ways and counts the lines.
//
//   corvana_starts.exe [--rounds N] [--mode next|fresh|paced|overlap]
//                      [--end exit|session|both] [--fixture NAME]... [--list]
//
// next: the next start as soon as the previous process is gone (fresh: the
// same, named for a run on a wine server started just before); paced: two
// seconds later; overlap: a second start of the same folder 0 to 1,000 ms
// after the first, which must show the "２重起動" box while the first answers.
// A message box of the program found on the way is answered with its
// default button and counted.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "e2e/CorvanaProcess.h"
#include "e2e/CorvanaWindows.h"
#include "e2e/DataFile.h"
#include "e2e/ProgramFolder.h"
#include "e2e/StartFixtures.h"
#include "e2e/Waiting.h"
#include "framework/Text.h"

namespace {

constexpr DWORD kReadyMs = 30000;
constexpr DWORD kEndMs = 30000;
constexpr DWORD kStepMs = 200;
constexpr DWORD kPacedMs = 2000;
// After the answer: the first tracking ticks open the stored notes.
constexpr DWORD kDwellMs = 1500;
const wchar_t kCrashFile[] = L"CorvanaCrash.log";
const char kSecondStartText[] = "     Corvanaは既に起動されています.     ";

struct COptions {
    int rounds = 1;
    std::string mode = "next";
    std::string end = "both";
    std::vector<std::string> fixtures;
};

// What one start came to.
struct COutcome {
    // ready, ended-early, no-answer, not-started; ended-after-ready and
    // stopped-answering while the notes open
    std::string result;
    DWORD ms = 0;
    int notes = -1;  // note windows shown after the dwell
    std::string exitCode = "-";
    std::string end = "-";  // exit, session, killed
    DWORD endMs = 0;
    std::vector<std::string> boxes;
    std::string crash;  // the program's crash trace, when it wrote one
};

std::string Hex(DWORD v) {
    char buf[16];
    snprintf(buf, sizeof buf, "0x%08lx", v);
    return buf;
}

std::string ExitCodeOf(HANDLE process) {
    DWORD code = 0;
    if (!GetExitCodeProcess(process, &code))
        return "?";
    return code < 0x10000 ? std::to_string(code) : Hex(code);
}

// The static texts of a box, joined.
BOOL CALLBACK CollectBoxText(HWND child, LPARAM lp) {
    auto& text = *(std::string*)lp;
    if (ClassOf(child) == L"Static") {
        std::string t = TextOf(child);
        if (!t.empty())
            text += (text.empty() ? "" : " / ") + t;
    }
    return TRUE;
}

// Every message box of the process answered with its default button; their
// captions and texts go into seen.
void AnswerBoxes(DWORD pid, std::vector<std::string>& seen) {
    for (HWND h : MessageBoxes(pid)) {
        std::string text;
        EnumChildWindows(h, CollectBoxText, (LPARAM)&text);
        DWORD_PTR def = 0;
        int id = IDOK;
        if (SendMessageTimeoutW(h, DM_GETDEFID, 0, 0, SMTO_NORMAL, 2000, &def) && HIWORD(def) == DC_HASDEFID)
            id = LOWORD(def);
        seen.push_back(TextOf(h) + ": " + text);
        AnswerMessageBox(h, id);
    }
}

// Boxes answered at every step until done() holds (true), the process ends
// or limitMs pass (false).
bool AnsweringBoxes(CCorvana& corvana, DWORD limitMs, std::vector<std::string>& boxes,
                    const std::function<bool()>& done) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (!corvana.Process().Running())
            return false;
        AnswerBoxes(corvana.Pid(), boxes);
        if (GetTickCount() - start >= limitMs)
            return false;
    }
}

// Waits for the main window's answer.
bool WaitReady(CCorvana& corvana, DWORD limitMs, COutcome& out) {
    return AnsweringBoxes(corvana, limitMs, out.boxes, [&] { return corvana.WaitReady(kStepMs); });
}

bool WaitGone(CCorvana& corvana, DWORD limitMs, std::vector<std::string>& boxes) {
    return AnsweringBoxes(corvana, limitMs, boxes, [&] { return corvana.WaitEnd(kStepMs); });
}

// The first ticks after the answer, which open the notes: the program
// still runs and answers after them.
bool Dwell(CCorvana& corvana, COutcome& out) {
    AnsweringBoxes(corvana, kDwellMs, out.boxes, [] {
        WaitFor([] { return false; }, kStepMs);
        return false;
    });
    if (!corvana.Process().Running()) {
        out.result = "ended-after-ready";
        out.exitCode = ExitCodeOf(corvana.Process().Handle());
        return false;
    }
    out.notes = (int)NoteWindows(corvana.Pid()).size();
    if (!corvana.Alive()) {
        out.result = "stopped-answering";
        corvana.Kill();
        out.end = "killed";
        return false;
    }
    return true;
}

// 終了, or the end-session messages as the system sends them, after which
// the system ends the process.
void EndIt(CCorvana& corvana, bool bySession, COutcome& out) {
    DWORD start = GetTickCount();
    bool ended = false;
    if (bySession) {
        DWORD_PTR r = 0;
        bool asked = SendMessageTimeoutW(corvana.MainWindow(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kEndMs, &r) &&
                     SendMessageTimeoutW(corvana.MainWindow(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, kEndMs, &r);
        out.end = asked ? "session" : "session-unanswered";
        corvana.Kill();
        ended = true;
    } else if (corvana.Command(kCommandExit) && WaitGone(corvana, kEndMs, out.boxes)) {
        out.end = "exit(" + ExitCodeOf(corvana.Process().Handle()) + ")";
        ended = true;
    }
    if (!ended) {
        out.end = "killed";
        corvana.Kill();
    }
    out.endMs = GetTickCount() - start;
}

void PrepareFolder(const CProgramFolder& folder, const CStartFixture& f) {
    for (const std::wstring& name : folder.Files())
        if (name != L"Corvana.exe")
            DeleteFileW(folder.File(name).c_str());
    if (!f.data.empty())
        WriteFileBytes(folder.File(L"CorvanaData.ini"), f.data);
    if (!f.pending.empty())
        WriteFileBytes(folder.File(L"BriscoPendingList.ini"), f.pending);
    if (!f.propaty.empty())
        WriteFileBytes(folder.File(L"TesselinPropaty.ini"), f.propaty);
}

void TakeCrashTrace(const CProgramFolder& folder, COutcome& out) {
    std::string text = ReadFileBytes(folder.File(kCrashFile));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    out.crash = text;
}

// One start and its end.
COutcome StartOnce(const CProgramFolder& folder, bool bySession) {
    COutcome out;
    CCorvana corvana(folder);
    DWORD start = GetTickCount();
    if (!corvana.Start()) {
        out.result = "not-started";
        return out;
    }
    bool ready = WaitReady(corvana, kReadyMs, out);
    out.ms = GetTickCount() - start;
    if (ready) {
        out.result = "ready";
        if (Dwell(corvana, out))
            EndIt(corvana, bySession, out);
    } else if (!corvana.Process().Running()) {
        out.result = "ended-early";
        out.exitCode = ExitCodeOf(corvana.Process().Handle());
    } else {
        out.result = "no-answer";
        corvana.Kill();
        out.end = "killed";
    }
    TakeCrashTrace(folder, out);
    return out;
}

// Two starts of one folder, the second delayMs after the first: one main
// window answers, the other start shows its box and ends.
COutcome StartTwice(const CProgramFolder& folder, DWORD delayMs, bool bySession) {
    COutcome out;
    CCorvana first(folder), second(folder);
    DWORD start = GetTickCount();
    if (!first.Start()) {
        out.result = "not-started";
        return out;
    }
    Sleep(delayMs);
    if (!second.Start()) {
        out.result = "not-started";
        return out;
    }
    CCorvana* both[] = {&first, &second};
    CCorvana* winner = nullptr;
    int refused = 0;
    std::vector<bool> boxAnswered(2, false);
    WaitFor(
        [&] {
            for (int i = 0; i < 2; i++) {
                CCorvana& c = *both[i];
                if (!winner && c.Process().Running() && c.WaitReady(0))
                    winner = &c;
                if (!boxAnswered[i])
                    if (HWND box = FindMessageBox(c.Pid(), kSecondStartText)) {
                        AnswerMessageBox(box, IDOK);
                        boxAnswered[i] = true;
                        refused++;
                    }
            }
            return winner && refused == 1 && !(winner == &first ? second : first).Process().Running();
        },
        kReadyMs);
    out.ms = GetTickCount() - start;
    CCorvana* loser = winner == &first ? &second : &first;
    if (winner && refused == 1 && !loser->Process().Running()) {
        out.result = "ready";
        out.exitCode = std::string(winner == &first ? "second" : "first") + "-refused:" +
                       ExitCodeOf(loser->Process().Handle());
        if (Dwell(*winner, out))
            EndIt(*winner, bySession, out);
    } else {
        // Neither answers, both do, or the one refused runs on.
        out.result = !winner ? (first.Process().Running() || second.Process().Running() ? "no-answer" : "ended-early")
                             : refused == 0 ? "two-instances"
                                            : "refused-runs-on";
        out.exitCode = (first.Process().Running() ? "run" : ExitCodeOf(first.Process().Handle())) + "/" +
                       (second.Process().Running() ? "run" : ExitCodeOf(second.Process().Handle()));
        first.Kill();
        second.Kill();
        out.end = "killed";
    }
    TakeCrashTrace(folder, out);
    return out;
}

void Print(const std::string& fixture, const std::string& mode, int round, const COutcome& o) {
    printf("start fixture=%s mode=%s round=%d result=%s ms=%lu exit=%s notes=%d end=%s end_ms=%lu boxes=%d",
           fixture.c_str(), mode.c_str(), round, o.result.c_str(), o.ms, o.exitCode.c_str(), o.notes, o.end.c_str(),
           o.endMs, (int)o.boxes.size());
    for (const std::string& b : o.boxes)
        printf(" box=\"%s\"", b.c_str());
    if (!o.crash.empty())
        printf(" crash=\"%s\"", o.crash.c_str());
    printf("\n");
    fflush(stdout);
}

bool ParseOptions(COptions& o) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; i < argc; i++) {
        std::string a = FromWide(argv[i]);
        std::string v = i + 1 < argc ? FromWide(argv[i + 1]) : "";
        if (a == "--rounds" && !v.empty())
            o.rounds = atoi(v.c_str()), i++;
        else if (a == "--mode" && (v == "next" || v == "fresh" || v == "paced" || v == "overlap"))
            o.mode = v, i++;
        else if (a == "--end" && (v == "exit" || v == "session" || v == "both"))
            o.end = v, i++;
        else if (a == "--fixture" && !v.empty())
            o.fixtures.push_back(v), i++;
        else if (a == "--list") {
            for (const CStartFixture& f : StartFixtures())
                printf("%s\n", f.name.c_str());
            exit(0);
        } else {
            fprintf(stderr, "corvana_starts: unknown argument %s\n", a.c_str());
            return false;
        }
    }
    LocalFree(argv);
    return true;
}

}  // namespace

int main() {
    COptions opt;
    if (!ParseOptions(opt))
        return 2;
    std::vector<const CStartFixture*> chosen;
    for (const CStartFixture& f : StartFixtures())
        if (opt.fixtures.empty() || std::find(opt.fixtures.begin(), opt.fixtures.end(), f.name) != opt.fixtures.end())
            chosen.push_back(&f);
    if (chosen.empty()) {
        fprintf(stderr, "corvana_starts: no such fixture\n");
        return 2;
    }
    CProgramFolder folder(L"starts");
    if (!folder.Ready()) {
        fprintf(stderr, "corvana_starts: no copy of %s\n", FromWide(BuiltCorvanaExe()).c_str());
        return 2;
    }
    static const DWORD kOverlapDelays[] = {0, 50, 200, 500, 1000};
    int n = 0, bad = 0;
    for (int round = 0; round < opt.rounds; round++) {
        for (const CStartFixture* f : chosen) {
            if (!NoCorvanaRunning()) {
                // Someone else's instance would make every start a second one.
                if (!WaitFor(NoCorvanaRunning, 5000)) {
                    fprintf(stderr, "corvana_starts: another Corvana holds its mutex\n");
                    return 2;
                }
            }
            if (opt.mode == "paced" && n > 0)
                Sleep(kPacedMs);
            bool bySession = opt.end == "session" || (opt.end == "both" && n % 2 == 1);
            PrepareFolder(folder, *f);
            COutcome o;
            std::string mode = opt.mode;
            if (opt.mode == "overlap") {
                DWORD delay = kOverlapDelays[n % (sizeof kOverlapDelays / sizeof kOverlapDelays[0])];
                mode += std::to_string(delay);
                o = StartTwice(folder, delay, bySession);
            } else {
                o = StartOnce(folder, bySession);
            }
            Print(f->name, mode + (bySession ? "/session" : "/exit"), round, o);
            n++;
            if (o.result != "ready")
                bad++;
        }
    }
    printf("starts=%d not-ready=%d\n", n, bad);
    return 0;
}

// Load and save times of the data file for 100, 1,000 and 10,000 notes: each
// file is written through the panel's save chain, loaded through the start-up
// data store (as at start-up), then saved again through the save chain; then
// the same file without the count in its header is loaded, which reads every
// note as well and keeps a copy of the file as found.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "storage/MemletDataStore.h"

static int ReportBox(const std::string& text, UINT) {
    fprintf(stderr, "message box: %s\n", text.c_str());
    return IDOK;
}

// Notes as a user collects them: different programs, titles, texts of a few
// lines to a screenful, some with a child-window condition or a leader line.
static std::vector<CMemletData> RealisticNotes(int count) {
    static const char* const programs[][2] = {
        {"NOTEPAD.EXE", "C:\\Windows\\System32\\notepad.exe"},
        {"EXCEL.EXE", "C:\\Program Files\\Microsoft Office\\root\\Office16\\EXCEL.EXE"},
        {"CHROME.EXE", "C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe"},
        {"EXPLORER.EXE", "C:\\Windows\\explorer.exe"},
        {"DESKTOP", ""},
    };
    static const char* const lines[] = {
        "来週の定例会議までに資料を見直すこと。",
        "見積書の金額を再確認（税込み・税抜きの両方）",
        "TODO: 設定画面の文言を修正する",
        "山田さんに電話 03-1234-5678 午後二時以降",
        "パスワード変更の期限は月末です。",
        "ここに貼ったメモは、ウィンドウを閉じても次に開いたときに戻ってきます。",
    };
    std::vector<CMemletData> list;
    list.reserve(count);
    for (int i = 0; i < count; i++) {
        CMemletData d;
        const auto& program = programs[i % 5];
        d.m_strExeName = program[0];
        d.m_strExePath = program[1];
        d.m_strTitle = "報告書_" + std::to_string(2024 + i % 3) + "年度_第" + std::to_string(i) + "版.txt - メモ帳";
        d.m_nFull = i % 4 != 0;
        if (!d.m_nFull)
            d.m_strPart = "報告書_";
        if (i % 7 == 0) {
            d.m_nExtentFlag = 1;
            d.m_strExClass = "Edit";
            d.m_nExCtlId = 15;
            d.m_strExText = "検索: 売上 " + std::to_string(i);
        }
        d.m_tGenDate = 1700000000 + (int64_t)i * 3600;
        d.m_tAcsDate = d.m_tGenDate + 86400;
        d.m_rectWin = {100 + i % 500, 100 + i % 300, 300 + i % 500, 160 + i % 300};
        d.m_rectTarget = {0, 0, 1024, 768};
        d.m_nBkColor = i % 6;
        d.m_nColor = i % 5;
        d.m_arrow.m_nArwFlag = i % 3 == 0;
        for (int k = 0; k <= i % 9; k++)
            d.m_strText += std::string(lines[(i + k) % 6]) + "\r\n";
        list.push_back(d);
    }
    return list;
}

static bool Save(CControlDlg& panel, double* seconds) {
    double t0 = Now();
    int ok = panel.writeIniFile();
    *seconds = Now() - t0;
    return ok == 1;
}

// The median of three saves.
static double MedianSave(CControlDlg& panel, int& failures) {
    double saves[3];
    for (double& s : saves)
        if (!Save(panel, &s))
            failures++;
    std::sort(saves, saves + 3);
    return saves[1];
}

static std::string Growth(double now, double before) {
    char text[16] = "";
    if (before > 0)
        snprintf(text, sizeof text, "%.1f", now / before);
    return text;
}

static void RemoveFolder(const std::string& dir) {
    WIN32_FIND_DATAA fd;
    HANDLE f = FindFirstFileA((dir + "\\*.ini").c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((dir + "\\" + fd.cFileName).c_str());
        while (FindNextFileA(f, &fd));
        FindClose(f);
    }
    RemoveDirectoryA(dir.c_str());
}

// The file without its count, as found after a damage: the load reads
// every note and copies the file. Seconds, or -1 when it read otherwise.
static double LoadUncounted(const std::string& dir, int n) {
    const std::wstring path = ToWide(dir) + L"\\CorvanaData.ini";
    std::string bytes;
    {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        char buf[65536];
        DWORD got = 0;
        while (h != INVALID_HANDLE_VALUE && ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0)
            bytes.append(buf, got);
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    const std::string count = "MEMLTENUM=" + std::to_string(n) + "\r\n";
    size_t at = bytes.find(count);
    if (at == std::string::npos)
        return -1;
    bytes.erase(at, count.size());
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    bool ok = WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr) && written == bytes.size();
    CloseHandle(h);
    if (!ok)
        return -1;
    AgeFile(path);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    SetCurrentDirectoryA(dir.c_str());
    double t0 = Now();
    auto* store = new CMemletDataStore;
    double load = Now() - t0;
    SetCurrentDirectoryA(cwd);
    ok = (int)store->m_MemletList.size() == n && store->m_UnreadFiles.size() == 1 &&
         !store->m_UnreadFiles[0].m_strCopyPath.empty();
    delete store;
    return ok ? load : -1;
}

int main() {
    // As in the program outside debug mode: no trace lines.
    EnableTrace(false);
    SetMessageBoxHook(ReportBox);
    char tmp[MAX_PATH], cwd[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    GetCurrentDirectoryA(MAX_PATH, cwd);
    const int sizes[] = {100, 1000, 10000};
    double prevLoad = 0, prevSave = 0;
    int failures = 0;
    printf("%8s %8s %9s %6s %9s %6s %12s\n", "notes", "file KB", "load s", "x", "save s", "x", "uncounted s");
    for (int n : sizes) {
        std::string dir = std::string(tmp) + "corvana-bench-" + std::to_string(GetCurrentProcessId()) + "-" +
                          std::to_string(n);
        CreateDirectoryA(dir.c_str(), nullptr);
        double seconds = 0;
        {
            CControlDlg writer;
            Fields(writer).m_strDataPath = ToWide(dir) + L"\\CorvanaData.ini";
            Fields(writer).m_MemletList = RealisticNotes(n);
            if (!Save(writer, &seconds)) {
                fprintf(stderr, "%8d: writing the file failed\n", n);
                failures++;
                RemoveFolder(dir);
                continue;
            }
        }
        AgeFile(ToWide(dir + "\\CorvanaData.ini"));
        WIN32_FILE_ATTRIBUTE_DATA fa{};
        GetFileAttributesExA((dir + "\\CorvanaData.ini").c_str(), GetFileExInfoStandard, &fa);

        // Load as at start-up: the store reads the files of the current directory.
        SetCurrentDirectoryA(dir.c_str());
        double t0 = Now();
        auto* store = new CMemletDataStore;
        double load = Now() - t0;
        SetCurrentDirectoryA(cwd);
        g_pMemletDataStore = store;

        CControlDlg panel;
        Fields(panel).m_strDataPath = store->m_strDataPath;
        panel.TakeLoadedData();
        g_pMemletDataStore = nullptr;
        delete store;
        if ((int)Fields(panel).m_MemletList.size() != n) {
            fprintf(stderr, "%8d: loaded %d notes\n", n, (int)Fields(panel).m_MemletList.size());
            failures++;
        }
        double save = MedianSave(panel, failures);
        double uncounted = LoadUncounted(dir, n);
        if (uncounted < 0) {
            fprintf(stderr, "%8d: the file without its count was not read whole and copied\n", n);
            failures++;
        }
        printf("%8d %8llu %9.3f %6s %9.3f %6s %12.3f\n", n, (unsigned long long)fa.nFileSizeLow / 1024, load,
               Growth(load, prevLoad).c_str(), save, Growth(save, prevSave).c_str(), uncounted);
        prevLoad = load;
        prevSave = save;
        RemoveFolder(dir);
    }
    printf("x: time against the step before (10 times the notes)\n");
    return failures ? 1 : 0;
}

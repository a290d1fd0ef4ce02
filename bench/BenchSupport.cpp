#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>

#include "framework/Text.h"
#include "storage/MemletListFile.h"
#include "storage/VolumeSerial.h"
#include "storage/WriteIniFile.h"

double Now() {
    static LARGE_INTEGER freq;
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)freq.QuadPart;
}

bool WaitPumping(HANDLE h, DWORD ms) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD spent = GetTickCount() - start;
        if (spent >= ms)
            return false;
        DWORD r = MsgWaitForMultipleObjects(h ? 1 : 0, &h, FALSE, ms - spent, QS_ALLINPUT);
        if (h && r == WAIT_OBJECT_0)
            return true;
        if (r == WAIT_FAILED)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

void AgeFile(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart -= 3600ULL * 10000000ULL;
    ft = {t.LowPart, t.HighPart};
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

std::string CandidateTitle(int i) {
    char buf[128];
    switch (i % 3) {
    case 0:
        snprintf(buf, sizeof buf, "売上報告_%03d.xlsx - 表計算", i);
        break;
    case 1:
        snprintf(buf, sizeof buf, "Document %03d - Editor", i);
        break;
    default:
        snprintf(buf, sizeof buf, "議事録 %03d.txt - メモ帳", i);
        break;
    }
    return buf;
}

std::vector<CMemletData> StoredNotes(int count) {
    static const char* const lines[] = {"請求書を月末までに送付", "ビルド手順：先に依存関係を更新すること",
                                        "会議室Bは金曜の午後に予約済み", "次回リリースで直す：一覧の並び順",
                                        "佐藤さんの内線は 4321"};
    std::vector<CMemletData> list;
    list.reserve(count);
    for (int i = 0; i < count; i++) {
        CMemletData d;
        int program = i % 40;
        d.m_strExeName = "TOOL" + std::to_string(program) + ".EXE";
        d.m_strExePath = "C:\\Program Files\\Tool" + std::to_string(program) + "\\TOOL" + std::to_string(program) +
                         ".EXE";
        d.m_strTitle = "報告書_第" + std::to_string(i) + "版.txt - ツール" + std::to_string(program);
        d.m_nFull = i % 4 != 0;
        if (!d.m_nFull)
            d.m_strPart = "報告書_";
        d.m_tGenDate = 1700000000 + (int64_t)i * 3600;
        d.m_tAcsDate = d.m_tGenDate + 86400;
        d.m_rectWin = {100 + i % 500, 100 + i % 300, 300 + i % 500, 160 + i % 300};
        d.m_rectTarget = {0, 0, 1024, 768};
        d.m_nBkColor = i % 6;
        for (int k = 0; k <= i % 4; k++)
            d.m_strText += std::string(lines[(i + k) % 5]) + "\r\n";
        list.push_back(d);
    }
    return list;
}

bool WriteNotesFile(const std::wstring& path, std::vector<CMemletData> notes) {
    for (CMemletData& d : notes)
        d.m_bDirty = 1;
    CWriteIniFile writer;
    if (!WriteMemletListFile(writer, path, notes, 0, (int)GetVolumeSerialNumberOf(path)))
        return false;
    AgeFile(path);
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

std::string BesideThisExe(const std::string& name) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of("\\/") + 1) + name;
}

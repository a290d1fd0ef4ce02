#include "caches/CachesFixture.h"

#include <cstring>

#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "model/FullRecord.h"
#include "panel/Hub.h"
#include "storage/StorageTestFiles.h"

namespace {

struct Answer {
    int id;
    std::function<void()> whileOpen;
};
std::deque<Answer> g_answers;
std::vector<std::string> g_boxes;
std::deque<std::wstring> g_files;
std::vector<CFileDialogArgs> g_fileArgs;

int AnswerBox(const std::string& text, UINT type) {
    g_boxes.push_back(text);
    if ((type & 0xF) != MB_YESNO)
        return IDOK;
    if (g_answers.empty()) {
        ADD_FAILURE() << "a question nobody answers: " << text;
        return IDNO;
    }
    Answer a = g_answers.front();
    g_answers.pop_front();
    if (a.whileOpen)
        a.whileOpen();
    return a.id;
}

bool AnswerFileDialog(const CFileDialogArgs& args, std::wstring& path) {
    g_fileArgs.push_back(args);
    if (g_files.empty()) {
        ADD_FAILURE() << "a file dialog nobody answers";
        return false;
    }
    path = g_files.front();
    g_files.pop_front();
    return !path.empty();
}

CMemletData Base() {
    CMemletData d;
    d.m_logFont = LOGFONTA{};
    d.m_logFont.lfHeight = -12;
    d.m_logFont.lfWeight = 400;
    strcpy(d.m_logFont.lfFaceName, "ＭＳ Ｐゴシック");
    return d;
}

}  // namespace

std::string FixtureFile(int id) {
    HRSRC r = FindResourceW(nullptr, MAKEINTRESOURCEW(id), (LPCWSTR)RT_RCDATA);
    HGLOBAL g = r ? LoadResource(nullptr, r) : nullptr;
    const char* p = g ? (const char*)LockResource(g) : nullptr;
    return p ? std::string(p, SizeofResource(nullptr, r)) : std::string();
}

std::vector<CMemletData> TwoRecords() {
    CMemletData a = FullRecord();
    a.m_nTitleFlag = 1;
    a.m_nProcessFlag = 1;
    a.m_strTitle = "報告書.txt - メモ帳";
    a.m_nFull = 1;
    a.m_strPart = "報告";
    a.m_strExText = "本文";
    a.m_strExPart = "本";
    a.m_tGenDate = LocalTime(2024, 5, 6, 7, 8);
    a.m_tAcsDate = LocalTime(2024, 5, 7, 9, 10);
    a.m_rectWin = {300, 120, 500, 180};
    a.m_rectTarget = {100, 100, 700, 500};
    a.m_nReadOnly = 0;
    a.m_nTransparent = 80;
    a.m_nColor = 2;
    a.m_nBkColor = 3;
    a.m_nBkTransparent = 0;
    a.m_nPickPos = 1;
    a.m_nGraFlg = 1;
    a.m_nGraPtn = 4;
    a.m_logFont.lfItalic = 1;
    a.m_arrow.m_nStartX = -150;
    a.m_arrow.m_nStartY = -120;
    a.m_nArLineWidth = 3;
    a.m_strText = "会議は１５時から\r\n資料を持参";

    CMemletData b = Base();
    b.m_nTitleFlag = 0;
    b.m_nProcessFlag = 1;
    b.m_strTitle = "無題";
    b.m_nFull = 0;
    b.m_strExeName = "MISSING.EXE";
    b.m_strExePath = "C:\\tools\\missing.exe";
    b.m_tGenDate = LocalTime(2025, 1, 2, 15, 30);
    b.m_tAcsDate = LocalTime(2025, 1, 3, 16, 45);
    b.m_rectWin = {60, 50, 260, 110};
    b.m_nReadOnly = 1;
    b.m_nTransparent = 100;
    b.m_nGraFlg = 0;
    return {a, b};
}

CMemletData PendingRecord(char letter) {
    CMemletData d = Base();
    std::string l(1, letter);
    d.m_strTitle = l + ".txt - メモ帳";
    d.m_strExeName = "NOTEPAD.EXE";
    d.m_strExePath = "C:\\windows\\system32\\notepad.exe";
    d.m_tGenDate = LocalTime(2024, 6, 1, 9, 0);
    d.m_tAcsDate = LocalTime(2024, 6, 2, 10, 0);
    d.m_rectWin = {10, 20, 210, 80};
    d.m_strText = "保留" + l;
    return d;
}

void CachesTest::SetUp() {
    PanelTest::SetUp();
    g_answers.clear();
    g_boxes.clear();
    g_files.clear();
    g_fileArgs.clear();
    SetMessageBoxHook(AnswerBox);
    SetFileDialogHook(AnswerFileDialog);
    // The main window's order: the two caches, then the pending list.
    ASSERT_TRUE(m_export.Create(m_host.m_hWnd));
    ASSERT_TRUE(m_import.Create(m_host.m_hWnd));
    ASSERT_TRUE(m_pending.Create(m_host.m_hWnd));
    m_pending.Initialize(PendingPath());
    m_pending.ShowWindow(SW_HIDE);
}

void CachesTest::TearDown() {
    m_pending.DestroyWindow();
    m_import.DestroyWindow();
    m_export.DestroyWindow();
    SetFileDialogHook(nullptr);
    EXPECT_TRUE(g_answers.empty()) << "answers left for questions never asked";
    EXPECT_TRUE(g_boxes.empty()) << "box not looked at: " << (g_boxes.empty() ? "" : g_boxes[0]);
    EXPECT_TRUE(g_files.empty()) << "file dialog never opened";
    g_answers.clear();
    g_boxes.clear();
    g_files.clear();
    PanelTest::TearDown();
}

void CachesTest::Answer(int id, std::function<void()> whileOpen) { g_answers.push_back({id, std::move(whileOpen)}); }

std::vector<std::string> CachesTest::Boxes() {
    std::vector<std::string> out;
    out.swap(g_boxes);
    return out;
}

void CachesTest::ChooseFile(const std::wstring& path) { g_files.push_back(path); }

std::vector<CFileDialogArgs> CachesTest::FileDialogs() {
    std::vector<CFileDialogArgs> out;
    out.swap(g_fileArgs);
    return out;
}

std::vector<std::string> CachesTest::Rows(const CListCtrl& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.GetItemCount(); i++)
        out.push_back(list.GetItemText(i, 0) + "|" + list.GetItemText(i, 1) + "|" + list.GetItemText(i, 2));
    return out;
}

void CachesTest::Select(CListCtrl& list, int row) {
    list.SetItemState(-1, 0, LVIS_SELECTED);
    list.SetSelectionMark(row);
    if (row >= 0 && row < list.GetItemCount())
        list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::string CachesTest::Texts(const std::vector<CMemletData>& list) {
    std::string out;
    for (const CMemletData& d : list)
        out += (out.empty() ? "" : " ") + (d.m_strText.empty() ? std::string("-") : d.m_strText);
    return out;
}

// As the button tells its dialog of a click, shown or hidden.
void CachesTest::Press(CDialog& dlg, int id) {
    dlg.Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)dlg.GetDlgItem(id));
}

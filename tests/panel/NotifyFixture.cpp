#include "panel/ControlDlgTestAccess.h"
#include "panel/NotifyFixture.h"

#include <commctrl.h>

#include "note/MemletWin.h"
#include "panel/Hub.h"
#include "storage/MemletDataStore.h"

const char kSaveError[] = "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";
const char kWindowSelCaption[] = "ウィンドウ選択";

namespace {

constexpr UINT_PTR kWatchId = 0x4E4F;

struct StraySearch {
    const std::vector<CMemletData>* list;
    HWND except;
    int count = 0;
};

BOOL CALLBACK CountStray(HWND hwnd, LPARAM lp) {
    StraySearch& s = *(StraySearch*)lp;
    if (hwnd == s.except || !dynamic_cast<CMemletWin*>(CWnd::FromHandle(hwnd)))
        return TRUE;
    for (const CMemletData& d : *s.list)
        if (d.m_pMemletWin && d.m_pMemletWin->m_hWnd == hwnd)
            return TRUE;
    s.count++;
    return TRUE;
}

}  // namespace

void NotifyTest::SetUp() {
    PanelTest::SetUp();
    if (HasFatalFailure())
        return;
    Fields(m_panel).m_nSaveTiming = 1;
    // A template whose condition and leader line no note below has.
    CMemletData& t = Fields(m_panel).m_MemletTemplate;
    t.m_nProcessFlag = 1;
    t.m_nTitleFlag = 1;
    t.m_nFull = 1;
    t.m_nExtentFlag = 0;
    t.m_nExFullFlag = 0;
    t.m_strExText = "型の本文";
    t.m_strExPart = "型";
    t.m_nExCtlId = 77;
    t.m_strExClass = "TplClass";
    t.m_arrow.m_nArwFlag = 1;
    t.m_arrow.m_nStartX = 11;
    t.m_arrow.m_nStartY = 12;
    t.m_arrow.m_nEndX = 13;
    t.m_arrow.m_nEndY = 14;
    t.m_strText = "新";
    m_pending.m_strPath = m_folder.File(L"BriscoPendingList.ini");
    SetExportStackDlg(&m_export);
    SetPendingDlg(&m_pending);
    SetWindowSubclass(Fields(m_panel).m_ListCtrl.m_hWnd, WatchList, kWatchId, (DWORD_PTR)this);
}

void NotifyTest::TearDown() {
    RemoveWindowSubclass(Fields(m_panel).m_ListCtrl.m_hWnd, WatchList, kWatchId);
    Fields(m_panel).m_nSaveTiming = 0;
    PanelTest::TearDown();
}

LRESULT CALLBACK NotifyTest::WatchList(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    // Every refill starts by emptying the list view.
    if (msg == LVM_DELETEALLITEMS) {
        auto* self = (NotifyTest*)ref;
        self->m_refreshes.push_back(self->Labels());
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void NotifyTest::SetNotes(std::vector<CMemletData> notes) {
    for (CMemletData& d : notes)
        d.m_nSerial = CMemletData::NewSerial();
    Fields(m_panel).m_MemletList = std::move(notes);
    Tick();
}

void NotifyTest::ClearNotes() {
    int timing = m_panel.SaveTiming();
    Fields(m_panel).m_nSaveTiming = 0;
    for (CMemletData& d : Fields(m_panel).m_MemletList)
        d.EndMemlet();
    CloseNoteWindows();
    Fields(m_panel).m_nSaveTiming = timing;
    Fields(m_panel).m_MemletList.clear();
    m_export.m_MemletList.clear();
    m_pending.m_PendingList.clear();
    m_refreshes.clear();
    DeleteFileW(DataPath().c_str());
    DeleteFileW(m_pending.m_strPath.c_str());
}

CMemletData* NotifyTest::Find(const std::string& text) {
    for (CMemletData& d : Fields(m_panel).m_MemletList)
        if (d.m_strText == text)
            return &d;
    return nullptr;
}

CMemletWin* NotifyTest::NoteOf(const std::string& text) {
    for (CMemletData& d : Fields(m_panel).m_MemletList)
        if (d.m_strText == text && d.m_pMemletWin)
            return d.m_pMemletWin;
    return nullptr;
}

std::string NotifyTest::Labels(bool marks) const { return Labels(Fields(m_panel).m_MemletList, marks); }

std::string NotifyTest::Labels(const std::vector<CMemletData>& list, bool marks) {
    std::string out;
    for (const CMemletData& d : list) {
        if (!out.empty())
            out += " ";
        out += d.m_strText;
        if (marks && d.m_bDirty)
            out += "*";
    }
    return out;
}

int NotifyTest::StrayNotes(HWND except) const {
    StraySearch s{&Fields(m_panel).m_MemletList, except};
    EnumThreadWindows(GetCurrentThreadId(), CountStray, (LPARAM)&s);
    return s.count;
}

std::string NotifyTest::FileLabels(const std::wstring& path) const {
    std::vector<CMemletData> loaded;
    LoadMemletFile(path, loaded);
    return Labels(loaded, false);
}

CMemletData NotifyTest::Note(const std::string& text, const std::string& title, RECT rect) {
    CMemletData d = NoteFor(title);
    d.m_strText = text;
    d.m_rectWin = rect;
    return d;
}

CMemletData NotifyTest::DesktopNote(const std::string& text, RECT rect) {
    CMemletData d;
    d.m_strTitle = d.m_strExeName = d.m_strExePath = "DESKTOP";
    d.m_strText = text;
    d.m_rectWin = rect;
    return d;
}

// The main panel: a child dialog of the main window that owns the note
// list, the window list, the template note, the presets and the settings;
// it lists the notes, lets every note find its window on its tracking
// timer, pastes new notes and answers the notes' requests.
#pragma once
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "framework/MFCButton.h"
#include "model/CandidateWindow.h"
#include "model/MemletData.h"
#include "model/PreSetCondData.h"
#include "model/PropatyData.h"
#include "model/WinInf.h"
#include "platform/ImageListCashSmoll.h"
#include "storage/ListFilePair.h"
#include "storage/WriteIniFile.h"

class CMemletWin;

// Hot-key ids registered on the panel's window.
constexpr int IDHOT_PAST = 1000;    // paste on the window in front
constexpr int IDHOT_PASTDT = 1002;  // paste on the desktop

class CControlDlg : public CDialog, public CPropatyData {
public:
    CControlDlg();
    ~CControlDlg() override;

    // The main window's calls after creating the panel, in this order.
    void SetPreSetFilePath(const std::wstring& path);
    void SetPropatyFilePath(const std::wstring& path);
    void SetDataFilePath(const std::wstring& path);
    // The main window's: the tray's pastes, the extension utility's test
    // and record, the tray tip's hot keys, the save at the end.
    static int IsPasteTarget(HWND hwnd);
    void PasteToDesktop(int atCursor);
    void SelectWindowAndPaste();
    void PasteFromCopyData(const COPYDATASTRUCT* cds);
    unsigned HkPastModifiers() const { return m_nHkPastModifiers; }
    unsigned HkPastKey() const { return m_nHkPastKey; }
    unsigned HkPastDtModifiers() const { return m_nHkPastDtModifiers; }
    unsigned HkPastDtKey() const { return m_nHkPastDtKey; }
    // Detaches every note and writes the data and pending-list files; 0 when
    // either could not be written. Nothing before the data path is set.
    int SaveAll();
    // The note list and the data file, for a save of both files.
    CListFile DataListFile();
    bool DestroyWindow() override;

    // The search panel's: a window that hears of every refill of the list,
    // posted this message; the main window clears it when the panel hides.
    void SetRefreshListener(HWND hwnd, UINT message) {
        m_bRefreshListener = 1;
        m_nRefreshMessage = message;
        m_hWndRefreshListener = hwnd;
    }
    void ClearRefreshListener() {
        m_bRefreshListener = 0;
        m_nRefreshMessage = 0;
        m_hWndRefreshListener = nullptr;
    }

    // Requests that reach the panel through the hub. A note's request acts
    // on that note's record: the first attached one whose window is the
    // note's; without one it does nothing.
    void notifyDeleteWindow(CMemletWin* win);
    void notifyCopyWindow(CMemletWin* win);
    void notifyUpdateWindow();
    void notifySplit(CMemletWin* win, std::string first, std::string second);
    int notifyComposition(CMemletWin* win);
    void notifyMoveDesktop(CMemletWin* win);
    void notifyMove(CMemletWin* win);
    void notifyMatchCondition(CMemletWin* win);
    void notifyCopyToExportStack(CMemletWin* win);
    void notifyMovePendingList(CMemletWin* win);
    void InsertMemlet(CMemletData data);
    int RepasteMemlet(CMemletData data);
    void RepasteToWinInf(CWinInf winInf, CMemletData data);
    // Selects row i, scrolls it wholly into view and shows it; nothing for
    // a row out of range.
    void SelectItem(int row);
    std::vector<CMemletData>* GetDataList();
    std::vector<CWinInf> CopyWindowList() const { return m_WinInfList; }
    // The settings the notes and the caches read.
    int VolumeSerial() const { return m_nVolumeSerial; }  // text key of the data and pending-list files
    int SaveTiming() const { return m_nSaveTiming; }  // 1: save after every change of the list
    int SaveFormat() const { return m_nSaveFormat; }
    int PosInterval() const { return m_nPosInterval; }  // follow-timer period of a note, ms

    // The panel's own steps, each also reached by the tests on its own.
    // Refills the list view and the count from the note list.
    void UpdateList();
    // Shows row i's note below the list and sets the buttons that act on
    // it; a row out of range clears the text and disables them.
    void ShowItem(int row);
    // The candidate windows, rebuilt on every tracking tick: the desktop
    // entry first, then the windows that may take a note, in Z order.
    void UpdateWindowList();
    void AddDesktopWinInf();
    void AddWinInf(HWND hwnd);
    static BOOL CALLBACK EnumWindowsProc(HWND hwnd, LPARAM panel) noexcept;
    // Pasting a new note; none of these opens the note window, the next
    // tracking tick does.
    void PasteToWindow(HWND hwnd);
    void PasteToWinInf(CWinInf winInf);
    void ApplyPreSetCond(HWND hwnd, CMemletData& data);
    int FindPreSetCond(std::string exeName, CPreSetCondData& out);
    // Saving the data file.
    void SaveOnChange();
    int writeIniFile();
    int __writeIniFile();
    int writeIniItem(int index);
    void TakeLoadedData();
    // Property and preset files.
    void PropatyReadFile();
    int PropatyWriteFile();
    void PreSetReadFile();
    int PreSetWriteFile();

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    // Every button and radio of the panel: one switch to its handler.
    bool OnCommand(int id, int code, HWND ctl) override;
    void OnTimer(UINT_PTR id) override;
    bool OnNotify(NMHDR* nm, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;
    // Enter and Esc on the panel do not end the main window.
    void OnOK() override {}
    void OnCancel() override {}

    // The buttons on the selected row.
    void OnButtonDelete();
    void OnButtonDeleteAll();
    void OnButtonExportStack();
    void OnButtonPendingList();
    void OnButtonRepaste();
    void OnButtonWindowCenter();
    void OnButtonMonitorCenter();
    void OnButtonEditText();
    void OnButtonMatchCondition();
    void OnRadioTitle();
    void OnClickListData(NMHDR* nm, LRESULT& result);
    // The settings buttons: properties, initial values, presets.
    void OnButtonPropaty();
    void OnButtonInitialMemlet();
    void OnButtonPreSet();

private:
    // Tests set up scenes no program method makes through this, and read
    // what no method shows; it is defined beside them.
    friend struct CControlDlgTestAccess;

    CListCtrl m_ListCtrl;
    std::wstring m_strDataPath;
    std::wstring m_strPropatyPath;
    std::wstring m_strPreSetPath;
    std::vector<CMemletData> m_MemletList;  // newest first
    std::vector<CWinInf> m_WinInfList;
    CImageListCashSmoll m_ImageList;
    int m_bInit = 0;  // the data path is set: saving may begin
    bool m_bSavingAll = false;  // SaveAll is closing the notes: no refill for each
    // The tracking tick is matching: a note that closes meanwhile only marks
    // the list changed, and the tick refills and saves once at its end.
    bool m_bInTick = false;
    bool m_bListChanged = false;
    HBRUSH m_brGrey;
    HBRUSH m_brPale;
    int m_nVolumeSerial = 0;
    // One press of a paste hot key pastes one note: busy from the press
    // until the key has been seen up for a number of ticks in a row.
    int m_bPastBusy = 0;
    int m_nPastReleaseCount = 0;
    int m_bPastDtBusy = 0;
    int m_nPastDtReleaseCount = 0;
    int m_nSaveTiming = 0;
    int m_nSaveFormat = 0;
    CWriteIniFile m_WriteIniFile;
    // The records the data file holds, by serial: a save of all finds the
    // notes the list gained since (storage/ListFilePair.h).
    std::vector<uint64_t> m_DataFileSerials;
    CMemletData m_MemletTemplate;  // initial values of new notes
    unsigned m_nHkPastModifiers = 8, m_nHkPastKey = 83;      // Win + S
    unsigned m_nHkPastDtModifiers = 8, m_nHkPastDtKey = 86;  // Win + V
    int m_nPosInterval = 50;
    std::vector<CPreSetCondData> m_PreSetList;
    int m_bRefreshListener = 0;
    UINT m_nRefreshMessage = 0;
    HWND m_hWndRefreshListener = nullptr;
    int m_nListMode = 0;  // 0: titles in the second column, 1: note texts
    CMFCButton m_btnTelopCancel, m_btnTelop, m_btnInitialMemlet, m_btnPreSet, m_btnPropaty, m_btnEditText,
        m_btnMatchCondition, m_btnRepaste, m_btnExportStack, m_btnPendingList, m_btnWindowCenter,
        m_btnMonitorCenter, m_btnDelete, m_btnDeleteAll;
    HFONT m_hMenuFont = nullptr;  // the buttons' font
    CProcessNames m_ProcessNames;  // asked once a tick

    void SetupButtons();
    void RegisterHotKeys();
    // Unregistered, then registered anew; false (traced) when it failed.
    bool ReRegisterHotKey(int id, unsigned modifiers, unsigned key);
    void OnTrackingTick();
    void OnHotKeyReleaseTick();
    // A new record from the template note, not bound to any window.
    CMemletData NewFromTemplate() const;
    // Every new record goes to the front; the rest are marked changed.
    void InsertAtFront(CMemletData data);

    // Positions in the note list, or -1: the caller's record, and the
    // record of a serial taken before a nested message loop.
    int FindCaller(CMemletWin* win) const;
    int FindSerial(uint64_t serial) const;
    // Erases record i; it and every record behind it are marked changed.
    void RemoveAt(int i);
    // The list's selection mark, or -1 after the command's own box when no
    // row is selected.
    int SelectionMark(const char* noRowText);
    // The record of a row the list shows; null past the end.
    CMemletData* RowRecord(int row);
    // What the list view shows in a cell of the row's record; empty past
    // the end.
    std::string RowText(int row, int column);
    // The list view's requests for a row's texts and icon, and for the row
    // that typed letters find (its index or -1).
    void OnGetDispInfoListData(NMLVDISPINFOW* info);
    int OnFindItemListData(const NMLVFINDITEMW* find);
    // Row i marked, selected, hot and wholly in view.
    void MarkRow(int row);
    // Record i closed and taken off to the pending list.
    void MoveToPendingList(int i);
    // The record of serial closed and taken to the chosen window, if it is
    // still in the list by then.
    void MoveToWindow(uint64_t serial, const CWinInf& chosen);
    // The new target's place, name and the template's condition for a
    // record going to another window (or the desktop).
    void Retarget(CMemletData& data, HWND target, const std::string& title, const std::string& exeName,
                  const std::string& exePath) const;

    // While an operation holds a record across a nested loop, the
    // tracking tick leaves it alone: a record it has closed is not opened
    // again before the operation is done with it.
    class CHold {
    public:
        CHold(CControlDlg& panel, uint64_t serial);
        ~CHold();
        CHold(const CHold&) = delete;
        CHold& operator=(const CHold&) = delete;

    private:
        CControlDlg& m_panel;
    };
    std::vector<uint64_t> m_HeldSerials;
    bool IsHeld(uint64_t serial) const;

    // A record may vanish or move during any nested loop (a box, a dialog,
    // a failed save): after one, a command finds its record again by the
    // serial it took before and acts only when it is still there.
    // work(i, record) runs on the record of serial where the list holds it
    // now; nothing runs when it is gone. True when work ran.
    template <class Work>
    bool WithRecord(uint64_t serial, Work&& work);
    // Record i held and its note closed, then WithRecord on it: the
    // closing may ask the user, and until work is done the tracking tick
    // does not open the note again.
    template <class Work>
    bool WithClosedRecord(int i, Work&& work);
};

template <class Work>
bool CControlDlg::WithRecord(uint64_t serial, Work&& work) {
    int i = FindSerial(serial);
    if (i < 0)
        return false;
    work(i, m_MemletList[i]);
    return true;
}

template <class Work>
bool CControlDlg::WithClosedRecord(int i, Work&& work) {
    uint64_t serial = m_MemletList[i].m_nSerial;
    CHold hold(*this, serial);
    m_MemletList[i].EndMemlet();
    return WithRecord(serial, work);
}

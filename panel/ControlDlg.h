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
    void SetPreSetFilePath(const std::string& path);
    void SetPropatyFilePath(const std::string& path);
    void SetDataFilePath(const std::string& path);

    // Refills the list view and the count from the note list.
    void UpdateList();
    // Detaches every note and writes the data and pending-list files; 0 when
    // either could not be written. Nothing before the data path is set.
    int SaveAll();
    bool DestroyWindow() override;

    // The candidate windows, rebuilt on every tracking tick: the desktop
    // entry first, then the windows that may take a note, in Z order.
    void UpdateWindowList();
    void AddDesktopWinInf();
    void AddWinInf(HWND hwnd);
    static BOOL CALLBACK EnumWindowsProc(HWND hwnd, LPARAM panel) noexcept;

    // Pasting a new note; none of these opens the note window, the next
    // tracking tick does.
    static int IsPasteTarget(HWND hwnd);
    void PasteToWindow(HWND hwnd);
    void PasteToDesktop(int atCursor);
    void PasteToWinInf(CWinInf winInf);
    void PasteFromCopyData(const COPYDATASTRUCT* cds);
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
    // The selected note's match condition (button 1019), the presets (1032).
    void OnButtonMatchCondition();
    void OnButtonPreSet();
    void notifyCopyToExportStack(CMemletWin* win);
    void notifyMovePendingList(CMemletWin* win);
    void InsertMemlet(CMemletData data);
    int RepasteMemlet(CMemletData data);
    void RepasteToWinInf(CWinInf winInf, CMemletData data);
    // Selects row i, scrolls it wholly into view and shows it; nothing for
    // a row out of range.
    void SelectItem(int row);
    // Shows row i's note below the list and sets the buttons that act on
    // it; a row out of range clears the text and disables them.
    void ShowItem(int row);
    std::vector<CMemletData>* GetDataList();
    std::vector<CWinInf> CopyWindowList() const { return m_WinInfList; }

    // The panel's buttons on the selected row, and the tray's choice of a
    // window to paste a new note on.
    void OnButtonDelete();
    void OnButtonDeleteAll();
    void OnButtonExportStack();
    void OnButtonPendingList();
    void OnButtonRepaste();
    void OnButtonWindowCenter();
    void OnButtonMonitorCenter();
    void OnButtonEditText();
    void OnRadioTitle();
    void OnClickListData(NMHDR* nm, LRESULT& result);
    void SelectWindowAndPaste();
    // The settings buttons: properties (1018) and initial values (1031).
    void OnButtonPropaty();
    void OnButtonInitialMemlet();

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    CListCtrl m_ListCtrl;
    std::string m_strDataPath;
    std::string m_strPropatyPath;
    std::string m_strPreSetPath;
    std::vector<CMemletData> m_MemletList;  // newest first
    std::vector<CWinInf> m_WinInfList;
    CImageListCashSmoll m_ImageList;
    int m_bInit = 0;  // the data path is set: saving may begin
    bool m_bSavingAll = false;  // SaveAll is closing the notes: no refill for each
    HBRUSH m_brGrey;
    HBRUSH m_brPale;
    int m_nVolumeSerial = 0;  // text key of the data and pending-list files
    // One press of a paste hot key pastes one note: busy from the press
    // until the key has been seen up for a number of ticks in a row.
    int m_bPastBusy = 0;
    int m_nPastReleaseCount = 0;
    int m_bPastDtBusy = 0;
    int m_nPastDtReleaseCount = 0;
    int m_nSaveTiming = 0;  // 1: save after every change of the list
    int m_nSaveFormat = 0;
    CWriteIniFile m_WriteIniFile;
    CMemletData m_MemletTemplate;  // initial values of new notes
    unsigned m_nHkPastModifiers = 8, m_nHkPastKey = 83;      // Win + S
    unsigned m_nHkPastDtModifiers = 8, m_nHkPastDtKey = 86;  // Win + V
    int m_nPosInterval = 50;  // follow-timer period of a note, ms
    std::vector<CPreSetCondData> m_PreSetList;
    // A window that hears of every refill of the list (the search panel).
    int m_bRefreshListener = 0;
    UINT m_nRefreshMessage = 0;
    HWND m_hWndRefreshListener = nullptr;
    int m_nListMode = 0;  // 0: titles in the second column, 1: note texts
    CMFCButton m_btnTelopCancel, m_btnTelop, m_btnInitialMemlet, m_btnPreSet, m_btnPropaty, m_btnEditText,
        m_btnMatchCondition, m_btnRepaste, m_btnExportStack, m_btnPendingList, m_btnWindowCenter,
        m_btnMonitorCenter, m_btnDelete, m_btnDeleteAll;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(int id, int code, HWND ctl) override;
    void OnTimer(UINT_PTR id) override;
    bool OnNotify(NMHDR* nm, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;
    // Enter and Esc on the panel do not end the main window.
    void OnOK() override {}
    void OnCancel() override {}

private:
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
    // A button's click to its command; false for an id that is no button
    // of the panel's.
    bool OnPanelCommand(int id);
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
};

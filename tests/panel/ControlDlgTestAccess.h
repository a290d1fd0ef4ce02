// The panel's own fields for tests and benchmarks: a scene no program
// method makes (records placed as they are, a path that cannot be written,
// a hot key seen as held), and what no method shows.
#pragma once
#include "panel/ControlDlg.h"

struct CControlDlgTestAccess {
    explicit CControlDlgTestAccess(CControlDlg& p)
        : m_ListCtrl(p.m_ListCtrl),
          m_strDataPath(p.m_strDataPath),
          m_strPropatyPath(p.m_strPropatyPath),
          m_strPreSetPath(p.m_strPreSetPath),
          m_MemletList(p.m_MemletList),
          m_WinInfList(p.m_WinInfList),
          m_ImageList(p.m_ImageList),
          m_bInit(p.m_bInit),
          m_nVolumeSerial(p.m_nVolumeSerial),
          m_bPastBusy(p.m_bPastBusy),
          m_nPastReleaseCount(p.m_nPastReleaseCount),
          m_bPastDtBusy(p.m_bPastDtBusy),
          m_nPastDtReleaseCount(p.m_nPastDtReleaseCount),
          m_nSaveTiming(p.m_nSaveTiming),
          m_nSaveFormat(p.m_nSaveFormat),
          m_MemletTemplate(p.m_MemletTemplate),
          m_nHkPastModifiers(p.m_nHkPastModifiers),
          m_nHkPastKey(p.m_nHkPastKey),
          m_nHkPastDtModifiers(p.m_nHkPastDtModifiers),
          m_nHkPastDtKey(p.m_nHkPastDtKey),
          m_nPosInterval(p.m_nPosInterval),
          m_PreSetList(p.m_PreSetList),
          m_bRefreshListener(p.m_bRefreshListener),
          m_nRefreshMessage(p.m_nRefreshMessage),
          m_hWndRefreshListener(p.m_hWndRefreshListener),
          m_nListMode(p.m_nListMode) {}

    CListCtrl& m_ListCtrl;
    std::wstring& m_strDataPath;
    std::wstring& m_strPropatyPath;
    std::wstring& m_strPreSetPath;
    std::vector<CMemletData>& m_MemletList;
    std::vector<CWinInf>& m_WinInfList;
    CImageListCashSmoll& m_ImageList;
    int& m_bInit;
    int& m_nVolumeSerial;
    int& m_bPastBusy;
    int& m_nPastReleaseCount;
    int& m_bPastDtBusy;
    int& m_nPastDtReleaseCount;
    int& m_nSaveTiming;
    int& m_nSaveFormat;
    CMemletData& m_MemletTemplate;
    unsigned& m_nHkPastModifiers;
    unsigned& m_nHkPastKey;
    unsigned& m_nHkPastDtModifiers;
    unsigned& m_nHkPastDtKey;
    int& m_nPosInterval;
    std::vector<CPreSetCondData>& m_PreSetList;
    int& m_bRefreshListener;
    UINT& m_nRefreshMessage;
    HWND& m_hWndRefreshListener;
    int& m_nListMode;
};

inline CControlDlgTestAccess Fields(CControlDlg& panel) { return CControlDlgTestAccess(panel); }
// Read-only uses from a const fixture.
inline CControlDlgTestAccess Fields(const CControlDlg& panel) {
    return CControlDlgTestAccess(const_cast<CControlDlg&>(panel));
}

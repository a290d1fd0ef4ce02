// The matching part of a note record: which window the note belongs to.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/WinInf.h"

class CObjData {
public:
    CObjData();
    virtual ~CObjData() = default;
    CObjData(const CObjData&) = default;
    CObjData& operator=(const CObjData&) = default;

    // One matching step against the window list: a detached record attaches
    // to the first window that meets its condition, an attached one stays
    // while its window is listed and still meets it, and is lost otherwise.
    virtual void FindMatch(std::vector<CWinInf>& windows);
    // 1 when the window meets the condition. A process match stores the
    // window's program path even when a later test fails.
    virtual int IsMatch(CWinInf& window);
    virtual void OnMatch(HWND target);
    // Stamps the last access while attached.
    virtual void OnLost();

    std::string m_strKind;  // record type name, never consulted
    int m_nTitleFlag = 1;
    int m_nProcessFlag = 1;  // stored as PRECESSEFLAG
    int m_nFull = 1;
    int m_nExtentFlag = 0;
    int m_nExFullFlag = 1;
    std::string m_strTitle;
    std::string m_strPart;
    std::string m_strExeName;  // upper case; "DESKTOP" marks a desktop note
    std::string m_strExePath;
    std::string m_strExText;
    std::string m_strExPart;
    int m_nExCtlId = 0;
    std::string m_strExClass;
    int64_t m_tGenDate = 0;  // seconds since 1970 UTC
    int64_t m_tAcsDate = 0;
    RECT m_rectWin{};     // the note window, screen pixels
    RECT m_rectTarget{};  // the target window as last recorded
    HWND m_hWndTarget = nullptr;
    int m_bAttached = 0;
    int m_bDirty = 0;
};

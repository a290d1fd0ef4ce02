// One candidate window of another program, and its visible child windows.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "model/ChildScan.h"

class CChildWinInf {
public:
    virtual ~CChildWinInf() = default;
    HWND m_hWnd = nullptr;
    WINDOWINFO m_WindowInfo;  // as GetWindowInfo gave it at enumeration
    std::string m_strText;    // at most 511 bytes
    std::string m_strClass;   // at most 511 bytes
    int m_nCtlId = 0;
};

class CWinInf {
public:
    virtual ~CWinInf() = default;

    // Fills the children once, while the window still exists.
    void EnumChild();
    static BOOL CALLBACK EnumChildProc(HWND child, LPARAM owner) noexcept;
    // 1 and out filled when a child of that class and id is among the children.
    int FindChild(const std::string& className, int ctlId, CChildWinInf& out) const;
    // For matching: 1 and text set when EnumChild would list a child of that
    // class and id, text being the first one's. Reads only what it needs,
    // once per entry, unless the children are enumerated already.
    int FindChildText(const std::string& className, int ctlId, std::string& text);

    HWND m_hWnd = nullptr;
    std::string m_strTitle;
    std::string m_strProcessName;  // upper case
    std::string m_strPath;
    int m_bEnumChild = 0;
    std::vector<CChildWinInf> m_ChildList;
    CChildScan m_ChildScan;  // what FindChildText has read
};

// Base name / full path of the program of a process, or empty.
void GetProcessName(DWORD pid, std::string& out);
void GetProcessPath(DWORD pid, std::string& out);
// Both, opening the process once.
void GetProcessNameAndPath(DWORD pid, std::string& name, std::string& path);

// The search panel: a modeless popup of the main window that finds notes of
// the panel's list by up to five conditions, all of which must hold, and
// steps the panel's selection through what it found. After a search it hears
// of every refill of the panel's list and searches again.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/SpinButtonCtrl.h"

class CControlDlg;
class CMemletData;

// Posted by the panel after every refill of its list.
constexpr UINT WM_SERCH_UPDATE = WM_APP + 100;

class CSerchDlg : public CDialog {
public:
    CSerchDlg();
    ~CSerchDlg() override;

    // The panel whose notes are searched; none until the main window sets it.
    void SetPanel(CControlDlg* panel) { m_pControlDlg = panel; }
    // At each show: no result, days 5 to 1000 at 90.
    void Initialize();

    // Rows of the panel's list that matched, ascending, and the one shown
    // (-1: none).
    const std::vector<int>& Results() const { return m_Results; }
    int Current() const { return m_nCurrent; }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(int id, int code, HWND ctl) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;
    // Enter presses 検索実行; Esc, the close box and OK only hide the panel.
    void OnOK() override { OnCancel(); }
    void OnCancel() override;

    void OnButtonSearch();
    void OnButtonPrev();
    void OnButtonNext();
    void OnNcLButtonDown(UINT hitTest, LPARAM lp);

private:
    // The record against the conditions of the last accepted search, at the
    // time now (seconds since 1970).
    bool IsMatch(CMemletData& data, int64_t now) const;
    void Search();
    void ReSearch();
    void UpdateResultLabel();
    void SelectCurrent();

    HBRUSH m_brNoResult;
    HBRUSH m_brResult;
    CControlDlg* m_pControlDlg = nullptr;  // not owned
    std::vector<int> m_Results;
    int m_nCurrent = -1;

    // The conditions of the last accepted search; the program text upper-cased.
    int m_nActiveBody = 0, m_nActiveTitle = 0, m_nActiveProgram = 0, m_nActiveLastRef = 0, m_nActiveShownOnly = 0;
    std::string m_strActiveBody, m_strActiveTitle, m_strActiveProgram;
    int m_nActiveDays = 0;

    // The controls, as read at the last 検索実行.
    int m_nBodyCheck = 0;
    std::string m_strBody;
    std::string m_strResult;
    int m_nTitleCheck = 0;
    int m_nProgramCheck = 0;
    std::string m_strTitle;
    std::string m_strProgram;
    int m_nBodyCase = 0;
    int m_nTitleCase = 0;
    CSpinButtonCtrl m_spinDays;
    int m_nLastRefCheck = 0;
    int m_nShownOnlyCheck = 0;
};

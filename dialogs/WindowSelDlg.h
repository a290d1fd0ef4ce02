// The choice of the window a note is pasted on, moved to or pasted on
// again: a list of the candidate windows the caller hands over, with a
// picture of the window in the chosen row. Runs modal, on the caller's
// stack; after IDOK the chosen entry is there to be taken.
#pragma once
#include <vector>

#include "dialogs/StcImage.h"
#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "model/WinInf.h"
#include "platform/ImageListCashSmoll.h"

class CWindowSelDlg : public CDialog {
public:
    CWindowSelDlg();
    ~CWindowSelDlg() override;

    // Before DoModal: the windows to list, copied.
    void SetWinInfList(const std::vector<CWinInf>& list);
    // Before DoModal: leaves every entry of that window out.
    void RemoveWinInf(HWND hwnd);
    // After IDOK: the chosen entry as the list held it, children and all.
    CWinInf GetWinInf() const { return m_WinInf; }

    CListCtrl m_ListCtrl;
    std::vector<CWinInf> m_WinInfList;  // row i is entry i
    CWinInf m_WinInf;                   // the result
    CImageListCashSmoll m_ImageList;
    CStcImage m_stcImage;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnNotify(NMHDR* nm, LRESULT& result) override;

    void OnClickListWindow(NMHDR* nm, LRESULT& result);
    void UpdateList();
    void SelectFirstWindow();
    void ShowImage(HWND hwnd);
};

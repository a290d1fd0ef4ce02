// The choice of the one child window (component) of a target window that a
// note's child condition names: a list of the children that condition can
// name, beside a still picture of the target with the chosen child framed.
// Runs modal on the caller's stack; after IDOK the chosen child's class,
// id and text are there to be taken.
#pragma once
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "model/WinInf.h"

class CChildSelDlg : public CDialog {
public:
    CChildSelDlg();
    ~CChildSelDlg() override;

    std::string GetChildClass() const { return m_strClass; }
    std::string GetChildText() const { return m_strText; }

    // Where the picture goes, in client pixels.
    static constexpr POINT kImageOrigin{10, 20};
    static constexpr SIZE kImageSize{200, 170};

    CListCtrl m_ListCtrl;
    HWND m_hWndTarget = nullptr;  // set before DoModal
    std::vector<CChildWinInf> m_ChildList;  // row i is child i
    int m_nWidth = 0;  // the snapshot; 0 by 0: none
    int m_nHeight = 0;
    CBitmap m_bmpImage;
    HWND m_hWndChild = nullptr;
    RECT m_rectChild{};  // relative to the target's top-left corner
    // In: the current condition, whose child is chosen first. Out: the
    // chosen child's, as read when the list was filled.
    std::string m_strClass;
    int m_nCtlId = 0;
    std::string m_strText;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND ctl) override;
    bool OnNotify(NMHDR* nm, LRESULT& result) override;
    void OnPaint() override;

    void OnClickListChild(NMHDR* nm, LRESULT& result);
    void OnButtonReloadImage();
    void CaptureImage();
    void update();
    void SelectChild(int row);
};

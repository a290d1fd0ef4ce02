// The choice, among the windows open now, of a program and of one child
// window of one of its windows, for a per-application preset: a list of
// the windows with their program icons, a still picture of the chosen one
// with the chosen child framed, and the list of its children. Runs modal
// on the caller's stack; after IDOK the program name, the child's class
// and its id are there to be taken.
#pragma once
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "model/WinInf.h"
#include "platform/ImageListCashSmoll.h"

class CWinExSelDlg : public CDialog {
public:
    CWinExSelDlg();
    ~CWinExSelDlg() override;

    std::string GetProcessName() const { return m_strProcessName; }
    std::string GetChildClass() const { return m_strClass; }

    // Where the picture goes, in client pixels.
    static constexpr POINT kImageOrigin{20, 150};
    static constexpr SIZE kImageSize{150, 120};

    CListCtrl m_ChildListCtrl;
    CListCtrl m_WinListCtrl;
    std::vector<CWinInf> m_WinInfList;  // row i is window i
    // In: the preset's program, "" for none. Out: the chosen window's.
    std::string m_strProcessName;
    CImageListCashSmoll m_ImageList;
    int m_nWidth = 0;  // the snapshot; 0 by 0: none
    int m_nHeight = 0;
    CBitmap m_bmpImage;
    HWND m_hWndSelect = nullptr;  // the window whose children are listed
    std::vector<CChildWinInf> m_ChildList;  // row i is child i
    HWND m_hWndChild = nullptr;
    RECT m_rectChild{};  // relative to the chosen window's top-left corner
    // In: the preset's child. Out: the chosen child's.
    std::string m_strClass;
    int m_nCtlId = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND ctl) override;
    bool OnNotify(NMHDR* nm, LRESULT& result) override;
    void OnPaint() override;

    // Where the windows come from: the panel's list.
    virtual std::vector<CWinInf> FetchWindowList();

    void OnButtonReload();
    void RemoveWinInf(HWND hwnd);
    void UpdateWindowList();
    void SelectDefaultWindow();
    void OnClickListWindow(NMHDR* nm, LRESULT& result);
    void OnClickListChild(NMHDR* nm, LRESULT& result);
    // The window becomes the chosen one: its picture and its children.
    void ChooseWindow(int row);
    void CaptureImage();
    void update();
    void SelectCondChild();
    void SelectChild(int row);
};

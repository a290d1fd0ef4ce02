// The main panel: owns the note list, the window list, the presets and the
// settings, and answers the notes' requests.
#pragma once
#include <string>
#include <vector>

#include "model/MemletData.h"
#include "model/PreSetCondData.h"
#include "model/PropatyData.h"
#include "model/WinInf.h"
#include "storage/WriteIniFile.h"

class CMemletWin;

class CControlDlg : public CPropatyData {
public:
    CControlDlg();
    ~CControlDlg() override;

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

    // Requests that reach the panel through the hub.
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
    void SelectItem(int row);
    std::vector<CMemletData>* GetDataList();
    std::vector<CWinInf> CopyWindowList();

    std::string m_strDataPath;
    std::string m_strPropatyPath;
    std::string m_strPreSetPath;
    std::vector<CMemletData> m_MemletList;  // newest first
    std::vector<CWinInf> m_WinInfList;
    std::vector<CPreSetCondData> m_PreSetList;
    CMemletData m_MemletTemplate;  // initial values of new notes
    int m_nSaveTiming = 0;         // 1: save after every change of the list
    int m_nSaveFormat = 0;
    int m_nPosInterval = 50;       // follow-timer period of a note, ms
    int m_nVolumeSerial = 0;       // text key of the data and pending-list files
    unsigned m_nHkPastModifiers = 8, m_nHkPastKey = 83;      // Win + S
    unsigned m_nHkPastDtModifiers = 8, m_nHkPastDtKey = 86;  // Win + V
    CWriteIniFile m_WriteIniFile;
};

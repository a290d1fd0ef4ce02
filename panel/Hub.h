// Notes and dialogs reach the panel, the export cache, the pending list and
// the main window only through these forwarders; each does nothing (and
// returns an empty result) while its object does not exist yet.
#pragma once
#include <string>
#include <vector>

#include "model/MemletData.h"
#include "model/WinInf.h"
#include "storage/ListFilePair.h"

class CControlDlg;
class CExportStackDlg;
class CPendingDlg;
class CTesselinDlg;
class CMemletWin;

extern CControlDlg* g_pControlDlg;
extern CExportStackDlg* g_pExportStackDlg;
extern CPendingDlg* g_pPendingDlg;
extern CTesselinDlg* g_pTesselinDlg;

void SetControlDlg(CControlDlg* p);
void SetExportStackDlg(CExportStackDlg* p);
void SetPendingDlg(CPendingDlg* p);
void SetTesselinDlg(CTesselinDlg* p);

// To the panel.
void NotifyDeleteWindow(CMemletWin* win);
void NotifyCopyWindow(CMemletWin* win);
void NotifyUpdateWindow();
void NotifySplit(CMemletWin* win, std::string first, std::string second);
int NotifyComposition(CMemletWin* win);
void NotifyMoveDesktop(CMemletWin* win);
void NotifyMove(CMemletWin* win);
void NotifyMatchCondition(CMemletWin* win);
void NotifyCopyToExportStack(CMemletWin* win);
void NotifyMovePendingList(CMemletWin* win);
void InsertMemlet(CMemletData data);
int RepasteMemlet(CMemletData data);
void RepasteToWinInf(CWinInf winInf, CMemletData data);
void SelectListItem(int row);
std::vector<CMemletData>* GetDataList();
std::vector<CWinInf> GetWindowList();
std::vector<CWinInf> CopyWindowList();

// Panel values; 0 while there is no panel.
int GetVolumeSerial();
int GetSaveTiming();
int GetSaveFormat();
int GetPosInterval();
// The note list with the data file; no list without a panel.
CListFile DataListFile();

// To the export cache, the pending list and the main window.
void AddExportStack(CMemletData data);
void AddPendingList(CMemletData data);
// 0 when the pending list could not be written; 1 without a pending list.
int SavePendingList();
// The pending list with its file, for a save of both files; no list without
// a pending list.
CListFile PendingListFile();
// The pending list's box of a file it could not write.
void TellPendingListUnsaved();
void UncheckSerchPanel();

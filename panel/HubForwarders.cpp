// The requests of the hub, each passed on while its object exists.
#include "panel/Hub.h"

#include "app/TesselinDlg.h"
#include "dialogs/ExportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "panel/ControlDlg.h"

void NotifyDeleteWindow(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyDeleteWindow(win);
}

void NotifyCopyWindow(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyCopyWindow(win);
}

void NotifyUpdateWindow() {
    if (g_pControlDlg)
        g_pControlDlg->notifyUpdateWindow();
}

void NotifySplit(CMemletWin* win, std::string first, std::string second) {
    if (g_pControlDlg)
        g_pControlDlg->notifySplit(win, first, second);
}

int NotifyComposition(CMemletWin* win) {
    return g_pControlDlg ? g_pControlDlg->notifyComposition(win) : 0;
}

void NotifyMoveDesktop(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMoveDesktop(win);
}

void NotifyMove(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMove(win);
}

void NotifyMatchCondition(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMatchCondition(win);
}

void NotifyCopyToExportStack(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyCopyToExportStack(win);
}

void NotifyMovePendingList(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMovePendingList(win);
}

void InsertMemlet(CMemletData data) {
    if (g_pControlDlg)
        g_pControlDlg->InsertMemlet(data);
}

int RepasteMemlet(CMemletData data) {
    return g_pControlDlg ? g_pControlDlg->RepasteMemlet(data) : 0;
}

void RepasteToWinInf(CWinInf winInf, CMemletData data) {
    if (g_pControlDlg)
        g_pControlDlg->RepasteToWinInf(winInf, data);
}

void SelectListItem(int row) {
    if (g_pControlDlg)
        g_pControlDlg->SelectItem(row);
}

std::vector<CMemletData>* GetDataList() {
    return g_pControlDlg ? g_pControlDlg->GetDataList() : nullptr;
}

void AddExportStack(CMemletData data) {
    if (g_pExportStackDlg)
        g_pExportStackDlg->AddData(data);
}

void AddPendingList(CMemletData data) {
    if (g_pPendingDlg)
        g_pPendingDlg->AddData(data);
}

void SavePendingList() {
    if (g_pPendingDlg)
        g_pPendingDlg->writeIniFile();
}

void UncheckSerchPanel() {
    if (g_pTesselinDlg)
        g_pTesselinDlg->UncheckSerchPanel();
}

#include "panel/Hub.h"

#include "panel/ControlDlg.h"

// Each request forwarder is a file of its own under panel/hub/: a program
// links only the requests it makes, so each request needs its handler only
// once something sends it.

CControlDlg* g_pControlDlg;
CExportStackDlg* g_pExportStackDlg;
CPendingDlg* g_pPendingDlg;
CTesselinDlg* g_pTesselinDlg;

void SetControlDlg(CControlDlg* p) { g_pControlDlg = p; }
void SetExportStackDlg(CExportStackDlg* p) { g_pExportStackDlg = p; }
void SetPendingDlg(CPendingDlg* p) { g_pPendingDlg = p; }
void SetTesselinDlg(CTesselinDlg* p) { g_pTesselinDlg = p; }

int GetVolumeSerial() { return g_pControlDlg ? g_pControlDlg->VolumeSerial() : 0; }
int GetSaveTiming() { return g_pControlDlg ? g_pControlDlg->SaveTiming() : 0; }
int GetSaveFormat() { return g_pControlDlg ? g_pControlDlg->SaveFormat() : 0; }
int GetPosInterval() { return g_pControlDlg ? g_pControlDlg->PosInterval() : 0; }

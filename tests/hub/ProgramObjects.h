// The program's long-lived objects as the tests hold them: they live until
// the test program ends, as they do in the program; the panel lives in the
// main window and announces itself to the hub.
#pragma once
#include "app/TesselinDlg.h"
#include "dialogs/ExportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "panel/ControlDlg.h"

inline CTesselinDlg& MainWindow() {
    static CTesselinDlg* mainWindow = new CTesselinDlg;
    return *mainWindow;
}
inline CControlDlg& Panel() { return MainWindow().m_ControlDlg; }
inline CExportStackDlg& ExportStack() {
    static CExportStackDlg exportStack;
    return exportStack;
}
inline CPendingDlg& Pending() {
    static CPendingDlg pending;
    return pending;
}

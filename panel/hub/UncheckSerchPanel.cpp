#include "panel/Hub.h"

#include "app/TesselinDlg.h"

void UncheckSerchPanel() {
    if (g_pTesselinDlg)
        g_pTesselinDlg->UncheckSerchPanel();
}

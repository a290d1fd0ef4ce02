// The hub's one request to the main window, filed beside the main window so
// that the panel's folder never includes it.
#include "panel/Hub.h"

#include "app/TesselinDlg.h"

void UncheckSerchPanel() {
    if (g_pTesselinDlg)
        g_pTesselinDlg->UncheckSerchPanel();
}

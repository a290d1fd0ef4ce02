// The notes' requests to the panel.
#include "panel/ControlDlg.h"

void CControlDlg::notifyUpdateWindow() {
    UpdateList();
    SaveOnChange();
}

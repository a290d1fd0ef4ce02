// A row chosen from outside the list (the search panel's result).
#include "panel/ControlDlg.h"

void CControlDlg::SelectItem(int row) {
    if (!RowRecord(row))
        return;
    MarkRow(row);
    ShowItem(row);
}

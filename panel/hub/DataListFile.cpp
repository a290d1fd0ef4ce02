#include "panel/Hub.h"

#include "panel/ControlDlg.h"

CListFile DataListFile() { return g_pControlDlg ? g_pControlDlg->DataListFile() : CListFile(); }

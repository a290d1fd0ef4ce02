// The property dialog with a combination in each hot-key field, the initial
// values of new notes, and the initial size, opened without their modal loop.
#include <cstring>

#include "dialogs/InitSizeDlg.h"
#include "dialogs/InitialMemletDlg.h"
#include "dialogs/PropatyDlg.h"
#include "shots/Sheets.h"

namespace {

CPropatyDlg g_propaty;
CInitialMemletDlg g_initialMemlet;
CInitSizeDlg g_initSize;

}  // namespace

RECT ShowPropatySheet() {
    g_propaty.m_nSaveTiming = 0;
    g_propaty.m_nSaveFormat = 0;
    g_propaty.m_nHkPastModifiers = MOD_CONTROL | MOD_ALT;
    g_propaty.m_nHkPastKey = 'P';
    g_propaty.m_nHkPastDtModifiers = MOD_WIN;
    g_propaty.m_nHkPastDtKey = 'V';
    g_propaty.m_nPosInterval = 2;
    if (!g_propaty.Create(nullptr))
        return RECT{};
    return PlaceDialog(g_propaty, 60, 60);
}

RECT ShowInitialMemletSheet() {
    CMemletData& d = g_initialMemlet.m_MemletData;
    d.m_nPickPos = 0;
    d.m_nColor = 3;
    d.m_nBkColor = 4;
    d.m_nTxColor = 0;
    d.m_nGraFlg = 1;
    d.m_nGraPtn = 5;
    d.m_arrow.m_nArwFlag = 1;
    d.m_nArLineWidth = 1;
    d.m_logFont.lfHeight = -12;
    strcpy(d.m_logFont.lfFaceName, "ＭＳ Ｐゴシック");
    d.m_nTransparent = 85;
    d.m_nMouseHideCtl = 1;
    d.m_nFrame = 0;
    g_initialMemlet.m_nIniHeight = 60;
    g_initialMemlet.m_nIniWidth = 200;
    if (!g_initialMemlet.Create(nullptr))
        return RECT{};
    return PlaceDialog(g_initialMemlet, 60, 60);
}

RECT ShowInitSizeSheet() {
    g_initSize.m_nHeight = 60;
    g_initSize.m_nWidth = 200;
    if (!g_initSize.Create(nullptr))
        return RECT{};
    return PlaceDialog(g_initSize, 60, 60);
}

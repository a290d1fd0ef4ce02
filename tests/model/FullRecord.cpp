#include "model/FullRecord.h"

#include <cstring>

#include "storage/StorageTestFiles.h"

CMemletData FullRecord() {
    CMemletData rec;
    rec.m_strKind = "MEMLETB";
    rec.m_nTitleFlag = 0;
    rec.m_nProcessFlag = 0;
    rec.m_nFull = 0;
    rec.m_nExtentFlag = 1;
    rec.m_nExFullFlag = 0;
    rec.m_strTitle = "(無題) - メモ帳";
    rec.m_strPart = "メモ";
    rec.m_strExeName = "NOTEPAD.EXE";
    rec.m_strExePath = "C:\\windows\\system32\\notepad.exe";
    rec.m_strExText = "表示";
    rec.m_strExPart = "表";
    rec.m_nExCtlId = 15;
    rec.m_strExClass = "Edit";
    rec.m_tGenDate = LocalTime(2024, 3, 15, 9, 30, 45);
    rec.m_tAcsDate = LocalTime(2025, 12, 31, 23, 59, 59);
    rec.m_rectWin = {10, 20, 210, 80};
    rec.m_rectTarget = {-8, -5, 800, 600};
    rec.m_nReadOnly = 1;
    rec.m_nTransparent = 85;
    rec.m_nMouseHideCtl = 1;
    rec.m_nColor = 3;
    rec.m_nPickPos = 2;
    rec.m_nBkColor = 2;
    rec.m_nGraFlg = 0;
    rec.m_nGraPtn = 7;
    rec.m_nBkTransparent = 1;
    rec.m_nTxColor = 1;
    rec.m_logFont.lfHeight = -16;
    rec.m_logFont.lfWeight = 700;
    rec.m_logFont.lfItalic = 255;
    strcpy(rec.m_logFont.lfFaceName, "ＭＳ ゴシック");
    rec.m_nFrame = 1;
    rec.m_strText = "メモ";
    rec.m_reserve.m_nKind = 2;
    rec.m_reserve.m_nYear = 2026;
    rec.m_reserve.m_nMonth = 4;
    rec.m_reserve.m_nDay = 5;
    rec.m_reserve.m_nHour = 9;
    rec.m_reserve.m_nMinute = 30;
    rec.m_reserve.m_nWeekMask = 2;
    rec.m_reserve.m_nDue = 1;
    rec.m_arrow.m_nArwFlag = 1;
    rec.m_arrow.m_nStartX = -210;
    rec.m_arrow.m_nStartY = -150;
    rec.m_arrow.m_nEndX = 30;
    rec.m_arrow.m_nEndY = 40;
    rec.m_nArLineWidth = 2;
    return rec;
}

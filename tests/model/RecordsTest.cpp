#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

#include "model/ArrowData.h"
#include "model/FullRecord.h"
#include "model/MemletData.h"
#include "model/PreSetCondData.h"
#include "model/PropatyData.h"
#include "platform/FontSize.h"

static bool IsZero(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

TEST(MemletData, FreshRecordHasTheDefaults) {
    int64_t before = _time64(nullptr);
    CMemletData m;
    int64_t after = _time64(nullptr);

    EXPECT_EQ(m.m_strKind, "MEMLETA");
    EXPECT_EQ(m.m_nTitleFlag, 1);
    EXPECT_EQ(m.m_nProcessFlag, 1);
    EXPECT_EQ(m.m_nFull, 1);
    EXPECT_EQ(m.m_nExtentFlag, 0);
    EXPECT_EQ(m.m_nExFullFlag, 1);
    EXPECT_TRUE(m.m_strTitle.empty() && m.m_strPart.empty() && m.m_strExeName.empty() &&
                m.m_strExePath.empty() && m.m_strExText.empty() && m.m_strExPart.empty() &&
                m.m_strExClass.empty() && m.m_strText.empty());
    EXPECT_EQ(m.m_nExCtlId, 0);
    EXPECT_LE(before, m.m_tGenDate);
    EXPECT_LE(m.m_tGenDate, m.m_tAcsDate);
    EXPECT_LE(m.m_tAcsDate, after);
    EXPECT_TRUE(IsZero(m.m_rectWin));
    EXPECT_TRUE(IsZero(m.m_rectTarget));
    EXPECT_EQ(m.m_hWndTarget, nullptr);
    EXPECT_EQ(m.m_bAttached, 0);
    EXPECT_EQ(m.m_bDirty, 0);

    EXPECT_EQ(m.m_nReadOnly, 0);
    EXPECT_EQ(m.m_nTransparent, 70);
    EXPECT_EQ(m.m_nMouseHideCtl, 0);
    EXPECT_EQ(m.m_nColor, 0);
    EXPECT_EQ(m.m_nPickPos, 0);
    EXPECT_EQ(m.m_nBkColor, 5);
    EXPECT_EQ(m.m_nGraFlg, 1);
    EXPECT_EQ(m.m_nGraPtn, 0);
    EXPECT_EQ(m.m_nBkTransparent, 0);
    EXPECT_EQ(m.m_nTxColor, 0);
    EXPECT_EQ(m.m_nFrame, 0);
    EXPECT_EQ(m.m_pMemletWin, nullptr);

    EXPECT_EQ(m.m_arrow.m_nArwFlag, 0);
    EXPECT_EQ(m.m_arrow.m_nStartX, -200);
    EXPECT_EQ(m.m_arrow.m_nStartY, -200);
    EXPECT_EQ(m.m_arrow.m_nEndX, 0);
    EXPECT_EQ(m.m_arrow.m_nEndY, 0);
    EXPECT_EQ(m.m_reserve.m_nKind, 0);
    EXPECT_EQ(m.m_reserve.m_nDue, 0);
}

TEST(MemletData, DefaultFontIsNinePointMsPGothic) {
    CMemletData m;
    const LOGFONTA& lf = m.m_logFont;
    HDC dc = GetDC(nullptr);
    int nine = MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(GetDefaultFontHeight(), nine);
    EXPECT_EQ(lf.lfHeight, -nine);
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_EQ(lf.lfCharSet, 128);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfEscapement, 0);
    EXPECT_EQ(lf.lfOrientation, 0);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfStrikeOut, 0);
    EXPECT_EQ(lf.lfOutPrecision, 0);
    EXPECT_EQ(lf.lfClipPrecision, 0);
    EXPECT_EQ(lf.lfQuality, 0);
    EXPECT_EQ(lf.lfPitchAndFamily, 0);
    // "ＭＳ Ｐゴシック" in code page 932, the half-width space included.
    static const char face[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";
    EXPECT_EQ(std::string(lf.lfFaceName), std::string(face));
}

TEST(MemletData, LineWidthIsTakenAtConstruction) {
    int saved = g_nArrowLineWidth;
    g_nArrowLineWidth = 2;
    CMemletData wide;
    g_nArrowLineWidth = 0;
    CMemletData thin;
    EXPECT_EQ(wide.m_nArLineWidth, 2);
    EXPECT_EQ(thin.m_nArLineWidth, 0);
    g_nArrowLineWidth = saved;
    EXPECT_EQ(wide.m_nArLineWidth, 2);
}

TEST(CompanionRecords, Defaults) {
    CPreSetCondData p;
    EXPECT_EQ(p.m_nTitleFlag, 1);
    EXPECT_EQ(p.m_nProcessFlag, 1);
    EXPECT_EQ(p.m_nExtentFlag, 1);  // unlike a note, which starts without the child test
    EXPECT_EQ(CMemletData().m_nExtentFlag, 0);
    EXPECT_TRUE(p.m_strCondName.empty() && p.m_strExeName.empty() && p.m_strExClass.empty());
    EXPECT_EQ(p.m_nExCtlId, 0);

    CArrowData a;
    EXPECT_EQ(a.m_nArwFlag, 0);
    EXPECT_EQ(a.m_nStartX, -200);
    EXPECT_EQ(a.m_nStartY, -200);
    EXPECT_EQ(a.m_nEndX, 0);
    EXPECT_EQ(a.m_nEndY, 0);

    CPropatyData limits;
    EXPECT_EQ(limits.m_nMinWidth, 50);
    EXPECT_EQ(limits.m_nMinHeight, 20);
    EXPECT_EQ(limits.m_nMaxWidth, 600);
    EXPECT_EQ(limits.m_nMaxHeight, 400);
}

// Every field away from its default, the run-time state of an attached note included.
static CMemletData AttachedRecord() {
    CMemletData m = FullRecord();
    m.m_hWndTarget = (HWND)0x1234;
    m.m_bAttached = 1;
    m.m_bDirty = 1;
    m.m_pMemletWin = (CMemletWin*)0x5678;
    return m;
}

static void ExpectSameRecord(const CMemletData& a, const CMemletData& b) {
    EXPECT_EQ(a.m_strKind, b.m_strKind);
    EXPECT_EQ(a.m_nTitleFlag, b.m_nTitleFlag);
    EXPECT_EQ(a.m_nProcessFlag, b.m_nProcessFlag);
    EXPECT_EQ(a.m_nFull, b.m_nFull);
    EXPECT_EQ(a.m_nExtentFlag, b.m_nExtentFlag);
    EXPECT_EQ(a.m_nExFullFlag, b.m_nExFullFlag);
    EXPECT_EQ(a.m_strTitle, b.m_strTitle);
    EXPECT_EQ(a.m_strPart, b.m_strPart);
    EXPECT_EQ(a.m_strExeName, b.m_strExeName);
    EXPECT_EQ(a.m_strExePath, b.m_strExePath);
    EXPECT_EQ(a.m_strExText, b.m_strExText);
    EXPECT_EQ(a.m_strExPart, b.m_strExPart);
    EXPECT_EQ(a.m_nExCtlId, b.m_nExCtlId);
    EXPECT_EQ(a.m_strExClass, b.m_strExClass);
    EXPECT_EQ(a.m_tGenDate, b.m_tGenDate);
    EXPECT_EQ(a.m_tAcsDate, b.m_tAcsDate);
    EXPECT_TRUE(EqualRect(&a.m_rectWin, &b.m_rectWin));
    EXPECT_TRUE(EqualRect(&a.m_rectTarget, &b.m_rectTarget));
    EXPECT_EQ(a.m_hWndTarget, b.m_hWndTarget);
    EXPECT_EQ(a.m_bAttached, b.m_bAttached);
    EXPECT_EQ(a.m_bDirty, b.m_bDirty);
    EXPECT_EQ(a.m_nReadOnly, b.m_nReadOnly);
    EXPECT_EQ(a.m_nTransparent, b.m_nTransparent);
    EXPECT_EQ(a.m_nMouseHideCtl, b.m_nMouseHideCtl);
    EXPECT_EQ(a.m_nColor, b.m_nColor);
    EXPECT_EQ(a.m_nPickPos, b.m_nPickPos);
    EXPECT_EQ(a.m_nBkColor, b.m_nBkColor);
    EXPECT_EQ(a.m_nGraFlg, b.m_nGraFlg);
    EXPECT_EQ(a.m_nGraPtn, b.m_nGraPtn);
    EXPECT_EQ(a.m_nBkTransparent, b.m_nBkTransparent);
    EXPECT_EQ(a.m_nTxColor, b.m_nTxColor);
    EXPECT_EQ(0, memcmp(&a.m_logFont, &b.m_logFont, sizeof a.m_logFont));
    EXPECT_EQ(a.m_nFrame, b.m_nFrame);
    EXPECT_EQ(a.m_pMemletWin, b.m_pMemletWin);
    EXPECT_EQ(a.m_strText, b.m_strText);
    EXPECT_EQ(a.m_reserve.m_nKind, b.m_reserve.m_nKind);
    EXPECT_EQ(a.m_reserve.m_nWeekMask, b.m_reserve.m_nWeekMask);
    EXPECT_EQ(a.m_reserve.m_nHour, b.m_reserve.m_nHour);
    EXPECT_EQ(a.m_reserve.m_nDue, b.m_reserve.m_nDue);
    EXPECT_EQ(a.m_arrow.m_nArwFlag, b.m_arrow.m_nArwFlag);
    EXPECT_EQ(a.m_arrow.m_nStartX, b.m_arrow.m_nStartX);
    EXPECT_EQ(a.m_arrow.m_nEndY, b.m_arrow.m_nEndY);
    EXPECT_EQ(a.m_nArLineWidth, b.m_nArLineWidth);
}

TEST(MemletData, CopiesCarryEverythingIncludingTheAttachedState) {
    const CMemletData src = AttachedRecord();
    {
        SCOPED_TRACE("copy construction");
        CMemletData copy(src);
        ExpectSameRecord(copy, src);
    }
    {
        SCOPED_TRACE("assignment");
        CMemletData copy;
        copy = src;
        ExpectSameRecord(copy, src);
    }
    {
        SCOPED_TRACE("through the base's copy");
        CObjData base(src);
        EXPECT_EQ(base.m_hWndTarget, src.m_hWndTarget);
        EXPECT_EQ(base.m_bAttached, 1);
        EXPECT_EQ(base.m_strExClass, "Edit");
    }
    // The source is left as it was by the copies going away.
    ExpectSameRecord(src, AttachedRecord());
}

// The property file: program settings and the initial values of new notes.
#include "framework/Trace.h"
#include "panel/ControlDlg.h"
#include "storage/IniSection.h"
#include "storage/LookKeys.h"

static int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// Below this a note's follow timer would only burn the processor.
static const int kMinPosInterval = 10;

void CControlDlg::PropatyReadFile() {
    m_nSaveTiming = 0;
    CMemletData& t = m_MemletTemplate;
    CIniSection sys("SYSTEM", m_strPropatyPath);
    t.m_nTransparent = ClampTransparent(sys.GetInt("TRANSPARENT", 70));
    t.m_nColor = sys.GetInt("COLOR", t.m_nColor);
    t.m_nFrame = sys.GetInt("FRAME", t.m_nFrame);
    t.m_nBkColor = sys.GetInt("BKCOLOR", t.m_nBkColor);
    t.m_nGraFlg = sys.GetInt("GRAFLG", t.m_nGraFlg);
    t.m_nGraPtn = sys.GetInt("GRAPTN", t.m_nGraPtn);
    t.m_nTxColor = sys.GetInt("TXCOLOR", t.m_nTxColor);
    t.m_nPickPos = sys.GetInt("PICKPOS", t.m_nPickPos);
    ReadFontKeys(sys, 2048, t.m_logFont);
    t.m_arrow.m_nArwFlag = sys.GetInt("ARWFLAG", t.m_arrow.m_nArwFlag);
    // A size outside what a note may have would give notes that cannot be drawn or resized.
    g_nIniHeight = Clamp(sys.GetInt("INIHEIGHT", g_nIniHeight), m_nMinHeight, m_nMaxHeight);
    g_nIniWidth = Clamp(sys.GetInt("INIWIDTH", g_nIniWidth), m_nMinWidth, m_nMaxWidth);
    // The template's leader-line width is kept under this key.
    g_nArrowLineWidth = sys.GetInt("ARROWLINEWIDTH", g_nArrowLineWidth);
    t.m_nArLineWidth = g_nArrowLineWidth;
    m_nPosInterval = sys.GetInt("POSINTERVAL", m_nPosInterval);
    if (m_nPosInterval < kMinPosInterval)
        m_nPosInterval = kMinPosInterval;

    CIniSection past("HK_PAST", m_strPropatyPath);
    m_nHkPastModifiers = (unsigned)past.GetInt("MODIFIERS", 8);
    m_nHkPastKey = (unsigned)past.GetInt("KEY", 83);
    CIniSection pastDt("HK_PASTDT", m_strPropatyPath);
    m_nHkPastDtModifiers = (unsigned)pastDt.GetInt("MODIFIERS", 8);
    m_nHkPastDtKey = (unsigned)pastDt.GetInt("KEY", 86);
    CIniSection format("SV_FORMAT", m_strPropatyPath);
    m_nSaveFormat = format.GetInt("FORMAT", m_nSaveFormat);
}

int CControlDlg::PropatyWriteFile() {
    Trace("CControlDlg::PropatyWriteFile()\n");
    const CMemletData& t = m_MemletTemplate;
    CWriteIniFile w;
    if (!w.openFile(m_strPropatyPath))
        return 0;
    auto put = [&w](const char* section, const char* key, const std::string& value) {
        return w.writeString(section, key, value);
    };
    auto num = [](long long v) { return std::to_string(v); };
    int ok = put("SYSTEM", "SAVETIMING", num(m_nSaveTiming)) &&
             put("SYSTEM", "TRANSPARENT", num(t.m_nTransparent)) && put("SYSTEM", "COLOR", num(t.m_nColor)) &&
             put("SYSTEM", "FRAME", num(t.m_nFrame)) && put("SYSTEM", "BKCOLOR", num(t.m_nBkColor)) &&
             put("SYSTEM", "GRAFLG", num(t.m_nGraFlg)) && put("SYSTEM", "GRAPTN", num(t.m_nGraPtn)) &&
             put("SYSTEM", "TXCOLOR", num(t.m_nTxColor)) && put("SYSTEM", "PICKPOS", num(t.m_nPickPos)) &&
             put("SYSTEM", "FONTFACENAME", FaceName(t.m_logFont)) && put("SYSTEM", "FONTHEIGHT", num(t.m_logFont.lfHeight)) &&
             put("SYSTEM", "FONTWEIGHT", num(t.m_logFont.lfWeight)) &&
             put("SYSTEM", "FONTITALIC", num((unsigned char)t.m_logFont.lfItalic)) &&
             put("SYSTEM", "ARWFLAG", num(t.m_arrow.m_nArwFlag)) && put("SYSTEM", "INIHEIGHT", num(g_nIniHeight)) &&
             put("SYSTEM", "INIWIDTH", num(g_nIniWidth)) && put("SYSTEM", "ARROWLINEWIDTH", num(t.m_nArLineWidth)) &&
             put("SYSTEM", "POSINTERVAL", num(m_nPosInterval)) &&
             put("HK_PAST", "MODIFIERS", num((int)m_nHkPastModifiers)) &&
             put("HK_PAST", "KEY", num((int)m_nHkPastKey)) &&
             put("HK_PASTDT", "MODIFIERS", num((int)m_nHkPastDtModifiers)) &&
             put("HK_PASTDT", "KEY", num((int)m_nHkPastDtKey)) && put("SV_FORMAT", "FORMAT", num(m_nSaveFormat));
    if (!ok) {
        w.abandonFile();
        return 0;
    }
    return w.closeFile();
}

// A note as one INI section of 46 keys, and back.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <ctime>

#include "framework/Text.h"
#include "framework/Trace.h"
#include "model/MemletData.h"
#include "storage/IniSection.h"
#include "storage/LookKeys.h"
#include "storage/TextEncoding.h"
#include "storage/WriteIniFile.h"

static const size_t kIniBufferSize = 8192;  // every string is read through this
static const size_t kTextMax = 4095;        // bytes of note text in a file

static std::string Num(int n) {
    char buf[16];
    snprintf(buf, sizeof buf, "%d", n);
    return buf;
}

// Local time to the minute; a time the run-time cannot convert is written
// empty and reads back as "keep the time the record has".
static std::string DateValue(int64_t t) {
    __time64_t t64 = t;
    struct tm* tm = _localtime64(&t64);
    if (!tm)
        return {};
    char buf[32];
    snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d", tm->tm_year + 1900, tm->tm_mon + 1, tm->tm_mday, tm->tm_hour,
             tm->tm_min);
    return buf;
}

// "YYYYMMDDhhmm" in local time, or false: the value must be exactly twelve
// digits naming a minute the run-time can convert.
static bool ParseDate(const std::string& s, int64_t* out) {
    if (s.size() != 12)
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    auto field = [&](size_t at, size_t len) { return atoi(s.substr(at, len).c_str()); };
    struct tm tm {};
    tm.tm_year = field(0, 4);
    tm.tm_mon = field(4, 2);
    tm.tm_mday = field(6, 2);
    tm.tm_hour = field(8, 2);
    tm.tm_min = field(10, 2);
    if (tm.tm_year < 1900 || tm.tm_mon < 1 || tm.tm_mon > 12 || tm.tm_mday < 1 || tm.tm_mday > 31 || tm.tm_hour > 23 ||
        tm.tm_min > 59)
        return false;
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    tm.tm_sec = 0;
    tm.tm_isdst = -1;
    __time64_t t = _mktime64(&tm);
    if (t == -1)
        return false;
    *out = t;
    return true;
}

int CMemletData::WriteIniSection(CWriteIniFile& writer, int textFormat, int key, const std::string& section,
                                 const std::wstring& path) {
    (void)path;  // the file the writer has open
    int ok = 1;
    auto put = [&](const char* name, const std::string& value) {
        if (!writer.writeString(section, name, value))
            ok = 0;
    };
    put("TITLEFLAG", Num(m_nTitleFlag));
    put("PRECESSEFLAG", Num(m_nProcessFlag));
    put("EXTENTFLAG", Num(m_nExtentFlag));
    put("EXFULLFLAG", Num(m_nExFullFlag));
    put("TITLE", m_strTitle);
    put("FULL", Num(m_nFull));
    put("PART", m_strPart);
    put("EXENAME", m_strExeName);
    put("EXEPATH", m_strExePath);
    put("EXCTLID", Num(m_nExCtlId));
    put("EXCLASS", m_strExClass);
    put("EXTEXT", m_strExText);
    put("EXPART", m_strExPart);
    put("GENDATE", DateValue(m_tGenDate));
    put("ACSDATE", DateValue(m_tAcsDate));
    put("REC_TOP", Num(m_rectWin.top));
    put("REC_BOTTOM", Num(m_rectWin.bottom));
    put("REC_LEFT", Num(m_rectWin.left));
    put("REC_RIGHT", Num(m_rectWin.right));
    put("TGT_TOP", Num(m_rectTarget.top));
    put("TGT_BOTTOM", Num(m_rectTarget.bottom));
    put("TGT_LEFT", Num(m_rectTarget.left));
    put("TGT_RIGHT", Num(m_rectTarget.right));
    put("READONLY", Num(m_nReadOnly));
    put("TRANSPARENT", Num(m_nTransparent));
    put("MOUSEHIDECTL", Num(m_nMouseHideCtl));
    put("COLOR", Num(m_nColor));
    put("FRAME", Num(m_nFrame));
    put("BKCOLOR", Num(m_nBkColor));
    put("TXCOLOR", Num(m_nTxColor));
    put("BKTRANSPARENT", Num(m_nBkTransparent));
    put("PICKPOS", Num(m_nPickPos));
    put("GRAFLG", Num(m_nGraFlg));
    put("GRAPTN", Num(m_nGraPtn));
    put("FONTFACENAME", FaceName(m_logFont));
    put("FONTHEIGHT", Num(m_logFont.lfHeight));
    put("FONTWEIGHT", Num(m_logFont.lfWeight));
    put("FONTITALIC", Num((unsigned char)m_logFont.lfItalic));
    put("ARWFLAG", Num(m_arrow.m_nArwFlag));
    put("ARWSATRTX", Num(m_arrow.m_nStartX));
    put("ARWSTARTY", Num(m_arrow.m_nStartY));
    put("ARWENDX", Num(m_arrow.m_nEndX));
    put("ARWENDY", Num(m_arrow.m_nEndY));
    put("ARLINEWIDTH", Num(m_nArLineWidth));

    // Any format other than 1 stores the plain text: a section without TEXT
    // would lose the note's text at the next start.
    bool transformed = textFormat == 1;
    std::string_view whole(m_strText.c_str());  // a text ends at its first zero byte
    unsigned char text[kTextMax + 1];
    size_t len = MbCutLength(whole, kTextMax);
    memcpy(text, whole.data(), len);
    text[len] = '\0';
    Trace("strlen=%d\n", (int)strlen((char*)text));
    Trace("byte len = %d\n", (int)len);
    if (transformed)
        EncryptText((int)len, text, key);
    char hex[2 * kTextMax + 1];
    EncodeHex((int)len, text, hex);
    put("TEXTFORMAT", transformed ? "1" : "0");
    put("TEXT", hex);
    return ok;
}

bool CMemletData::ReadIniSection(int key, const std::string& section, const std::wstring& path) {
    CIniSection ini(section, path);
    auto str = [&](const char* name) { return ini.GetString(name, "", kIniBufferSize); };

    m_nTitleFlag = ini.GetInt("TITLEFLAG", m_nTitleFlag);
    m_nProcessFlag = ini.GetInt("PRECESSEFLAG", m_nProcessFlag);
    m_nExtentFlag = ini.GetInt("EXTENTFLAG", m_nExtentFlag);
    m_nExFullFlag = ini.GetInt("EXFULLFLAG", m_nExFullFlag);
    m_strTitle = str("TITLE");
    m_nFull = ini.GetInt("FULL", m_nFull);
    m_strPart = str("PART");
    m_strExeName = MbUpper(str("EXENAME"));
    m_strExePath = str("EXEPATH");
    m_nExCtlId = ini.GetInt("EXCTLID", m_nExCtlId);
    m_strExClass = str("EXCLASS");
    m_strExText = str("EXTEXT");
    m_strExPart = str("EXPART");
    ParseDate(str("GENDATE"), &m_tGenDate);
    ParseDate(str("ACSDATE"), &m_tAcsDate);

    m_rectWin.top = ini.GetInt("REC_TOP", 0);
    m_rectWin.bottom = ini.GetInt("REC_BOTTOM", 0);
    m_rectWin.left = ini.GetInt("REC_LEFT", 0);
    m_rectWin.right = ini.GetInt("REC_RIGHT", 0);
    m_rectTarget.top = ini.GetInt("TGT_TOP", 0);
    m_rectTarget.bottom = ini.GetInt("TGT_BOTTOM", 0);
    m_rectTarget.left = ini.GetInt("TGT_LEFT", 0);
    m_rectTarget.right = ini.GetInt("TGT_RIGHT", 0);
    m_nReadOnly = ini.GetInt("READONLY", 0);
    m_nTransparent = ClampTransparent(ini.GetInt("TRANSPARENT", 70));
    m_nMouseHideCtl = ini.GetInt("MOUSEHIDECTL", m_nMouseHideCtl);
    m_nColor = ini.GetInt("COLOR", m_nColor);
    m_nFrame = ini.GetInt("FRAME", m_nFrame);
    m_nBkColor = ini.GetInt("BKCOLOR", m_nBkColor);
    m_nTxColor = ini.GetInt("TXCOLOR", m_nTxColor);
    m_nBkTransparent = ini.GetInt("BKTRANSPARENT", m_nBkTransparent);
    m_nPickPos = ini.GetInt("PICKPOS", m_nPickPos);
    m_nGraFlg = ini.GetInt("GRAFLG", m_nGraFlg);
    m_nGraPtn = ini.GetInt("GRAPTN", m_nGraPtn);

    ReadFontKeys(ini, kIniBufferSize, m_logFont);

    m_arrow.m_nArwFlag = ini.GetInt("ARWFLAG", m_arrow.m_nArwFlag);
    m_arrow.m_nStartX = ini.GetInt("ARWSATRTX", m_arrow.m_nStartX);
    m_arrow.m_nStartY = ini.GetInt("ARWSTARTY", m_arrow.m_nStartY);
    m_arrow.m_nEndX = ini.GetInt("ARWENDX", m_arrow.m_nEndX);
    m_arrow.m_nEndY = ini.GetInt("ARWENDY", m_arrow.m_nEndY);
    m_nArLineWidth = ini.GetInt("ARLINEWIDTH", m_nArLineWidth);

    bool whole = true;
    int textFormat = ini.GetInt("TEXTFORMAT", 0);
    if (textFormat == 0 || textFormat == 1) {
        // At most 8,191 digits arrive, so at most 4,095 bytes. A writer
        // leaves an even number: an odd one is a text cut short, in the file
        // or by the buffer, and what it holds whole is kept.
        std::string hex = str("TEXT");
        whole = hex.size() % 2 == 0;
        unsigned char text[kIniBufferSize / 2] = {};
        int n = DecodeHex(hex, text);
        text[n] = '\0';
        if (textFormat == 1)
            DecryptText(n, text, key);
        m_strText = (const char*)text;
    }
    return whole;
}

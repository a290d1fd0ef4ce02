// Notes with every stored field fixed, and their sections as the data file holds them.
#pragma once
#include <cstring>
#include <string>

#include "StorageTestFiles.h"
#include "model/MemletData.h"

inline CMemletData FixedNote(const std::string& title, const std::string& text) {
    CMemletData d;
    d.m_strTitle = title;
    d.m_strExeName = "NOTEPAD.EXE";
    d.m_strExePath = "C:\\windows\\system32\\notepad.exe";
    d.m_tGenDate = LocalTime(2024, 5, 6, 7, 8);
    d.m_tAcsDate = LocalTime(2024, 5, 7, 9, 10);
    d.m_rectWin = {10, 20, 210, 80};
    d.m_logFont = LOGFONTA{};
    d.m_logFont.lfHeight = -12;
    d.m_logFont.lfWeight = 400;
    d.m_logFont.lfCharSet = SHIFTJIS_CHARSET;
    strcpy(d.m_logFont.lfFaceName, "ＭＳ Ｐゴシック");
    d.m_nArLineWidth = 1;
    d.m_strText = text;
    return d;
}

// The section of FixedNote(title, text) with its text stored as given.
inline std::string FixedSection(int index, const std::string& title, const std::string& textLines) {
    return "[MEMLETITEM" + std::to_string(index) +
           "]\r\n"
           "TITLEFLAG=1\r\n"
           "PRECESSEFLAG=1\r\n"
           "EXTENTFLAG=0\r\n"
           "EXFULLFLAG=1\r\n"
           "TITLE=" +
           title +
           "\r\n"
           "FULL=1\r\n"
           "PART=\r\n"
           "EXENAME=NOTEPAD.EXE\r\n"
           "EXEPATH=C:\\windows\\system32\\notepad.exe\r\n"
           "EXCTLID=0\r\n"
           "EXCLASS=\r\n"
           "EXTEXT=\r\n"
           "EXPART=\r\n"
           "GENDATE=202405060708\r\n"
           "ACSDATE=202405070910\r\n"
           "REC_TOP=20\r\n"
           "REC_BOTTOM=80\r\n"
           "REC_LEFT=10\r\n"
           "REC_RIGHT=210\r\n"
           "TGT_TOP=0\r\n"
           "TGT_BOTTOM=0\r\n"
           "TGT_LEFT=0\r\n"
           "TGT_RIGHT=0\r\n"
           "READONLY=0\r\n"
           "TRANSPARENT=70\r\n"
           "MOUSEHIDECTL=0\r\n"
           "COLOR=0\r\n"
           "FRAME=0\r\n"
           "BKCOLOR=5\r\n"
           "TXCOLOR=0\r\n"
           "BKTRANSPARENT=0\r\n"
           "PICKPOS=0\r\n"
           "GRAFLG=1\r\n"
           "GRAPTN=0\r\n"
           "FONTFACENAME=ＭＳ Ｐゴシック\r\n"
           "FONTHEIGHT=-12\r\n"
           "FONTWEIGHT=400\r\n"
           "FONTITALIC=0\r\n"
           "ARWFLAG=0\r\n"
           "ARWSATRTX=-200\r\n"
           "ARWSTARTY=-200\r\n"
           "ARWENDX=0\r\n"
           "ARWENDY=0\r\n"
           "ARLINEWIDTH=1\r\n" +
           textLines;
}

// The data file header; VERSION from the test's own resource ("1,2;3,4").
inline std::string DataHeader(const char* saveFormat, int count) {
    return std::string("[SYSTEM]\r\n"
                       "APPNAME=Corvana\r\n"
                       "MESSAGE=このファイルのデータは直接編集しないでください\r\n"
                       "VERSION=Ver.:1-2.3-4\r\n"
                       "SAVEFORMAT=") +
           saveFormat + "\r\nMEMLTENUM=" + std::to_string(count) + "\r\n";
}

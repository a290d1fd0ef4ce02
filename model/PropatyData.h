// Program-wide limits of a note's size, and the settings every new note starts from.
#pragma once

class CPropatyData {
public:
    virtual ~CPropatyData() = default;
    int m_nMinWidth = 50;
    int m_nMinHeight = 20;
    int m_nMaxWidth = 600;
    int m_nMaxHeight = 400;
};

// The panel's size limits; null until the panel exists.
extern CPropatyData* g_pPropatyData;

// Initial size of a new note (INIWIDTH, INIHEIGHT) and the leader-line width
// index every record takes at construction (ARROWLINEWIDTH).
extern int g_nIniWidth;
extern int g_nIniHeight;
extern int g_nArrowLineWidth;

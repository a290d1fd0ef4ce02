// Leader-line geometry of a note.
#pragma once

class CArrowData {
public:
    virtual ~CArrowData() = default;
    int m_nArwFlag = 0;     // 1: the leader line is shown
    int m_nStartX = -200;   // start offset from the note
    int m_nStartY = -200;
    int m_nEndX = 0;        // end offset from the target window
    int m_nEndY = 0;
};

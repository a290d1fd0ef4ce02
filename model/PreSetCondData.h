// A per-application condition preset, applied to new notes of one program.
#pragma once
#include <string>

class CPreSetCondData {
public:
    virtual ~CPreSetCondData() = default;
    std::string m_strCondName;
    int m_nTitleFlag = 1;
    int m_nProcessFlag = 1;
    int m_nExtentFlag = 1;
    std::string m_strExeName;
    int m_nExCtlId = 0;
    std::string m_strExClass;
};

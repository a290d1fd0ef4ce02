#include "model/MatchCondition.h"

void CopyMatchCondition(const CObjData& from, CObjData& to) {
    to.m_nProcessFlag = from.m_nProcessFlag;
    to.m_nTitleFlag = from.m_nTitleFlag;
    to.m_nExtentFlag = from.m_nExtentFlag;
    to.m_nFull = from.m_nFull;
    to.m_nExFullFlag = from.m_nExFullFlag;
    to.m_strPart = from.m_strPart;
    to.m_strExPart = from.m_strExPart;
    to.m_strExClass = from.m_strExClass;
    to.m_nExCtlId = from.m_nExCtlId;
    to.m_strExText = from.m_strExText;
}

#include "model/ReserveData.h"

#include <ctime>

void CReserveData::CheckTime(int64_t t) {
    int year = 0, month = 0, day = 0, hour = -1, minute = -1, weekBit = 0;
    struct tm tm {};
    __time64_t t64 = t;
    if (_localtime64_s(&tm, &t64) == 0) {
        year = tm.tm_year + 1900;
        month = tm.tm_mon + 1;
        day = tm.tm_mday;
        hour = tm.tm_hour;
        minute = tm.tm_min;
        weekBit = 1 << tm.tm_wday;
    }
    switch (m_nKind) {
    case 0:
        m_nDue = 0;
        return;
    case 1:
        break;
    case 2:
        if ((m_nWeekMask & weekBit) == 0) {
            m_nDue = 0;
            return;
        }
        break;
    case 3: {
        const int mine[3] = {m_nYear, m_nMonth, m_nDay};
        const int now[3] = {year, month, day};
        for (int i = 0; i < 3; i++) {
            if (mine[i] < now[i]) {
                m_nDue = 0;
                return;
            }
            if (mine[i] > now[i]) {
                m_nDue = 1;
                return;
            }
        }
        break;
    }
    default:
        return;
    }
    // Due from t up to and including the reservation's own minute.
    if (m_nHour < hour || (m_nHour == hour && m_nMinute < minute))
        m_nDue = 0;
    else
        m_nDue = 1;
}

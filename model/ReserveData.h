// Telop reservation of a note: carried, copied and evaluated, never stored.
#pragma once
#include <cstdint>

class CReserveData {
public:
    virtual ~CReserveData() = default;
    // Sets the due flag for the moment t (seconds since 1970 UTC, local calendar).
    void CheckTime(int64_t t);

    int m_nKind = 0;  // 0 none, 1 daily, 2 weekly, 3 on one date
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    int m_nHour = 0;
    int m_nMinute = 0;
    int m_nWeekMask = 0;  // 1 << weekday, Sunday 1 .. Saturday 64
    int m_nDue = 0;
};

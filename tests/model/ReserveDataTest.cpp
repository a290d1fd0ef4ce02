#include <gtest/gtest.h>

#include <ctime>

#include "model/ReserveData.h"

// The moment every case is judged at: Wednesday 2024-05-15 10:30:20, local time.
static int64_t LocalMoment() {
    struct tm tm {};
    tm.tm_year = 2024 - 1900;
    tm.tm_mon = 5 - 1;
    tm.tm_mday = 15;
    tm.tm_hour = 10;
    tm.tm_min = 30;
    tm.tm_sec = 20;
    tm.tm_isdst = -1;
    return _mktime64(&tm);
}

enum { kSun = 1, kMon = 2, kTue = 4, kWed = 8, kThu = 16, kFri = 32, kSat = 64 };

struct CheckTimeCase {
    const char* what;
    int kind, year, month, day, hour, minute, weekMask;
    int dueBefore, dueAfter;
};

static const CheckTimeCase kCases[] = {
    {"none is never due", 0, 2024, 5, 15, 23, 59, 0x7f, 1, 0},
    {"unknown kind 4 keeps due 1", 4, 2024, 5, 15, 10, 29, 0, 1, 1},
    {"unknown kind 4 keeps due 0", 4, 2024, 5, 15, 23, 59, 0x7f, 0, 0},
    {"unknown kind -1 keeps due 1", -1, 2024, 5, 15, 10, 29, 0, 1, 1},

    {"daily, its own minute", 1, 0, 0, 0, 10, 30, 0, 0, 1},
    {"daily, next minute", 1, 0, 0, 0, 10, 31, 0, 0, 1},
    {"daily, minute past", 1, 0, 0, 0, 10, 29, 0, 1, 0},
    {"daily, later hour, lower minute", 1, 0, 0, 0, 11, 5, 0, 0, 1},
    {"daily, earlier hour, higher minute", 1, 0, 0, 0, 9, 45, 0, 1, 0},
    {"daily, end of day", 1, 0, 0, 0, 23, 59, 0, 0, 1},
    {"daily, start of day", 1, 0, 0, 0, 0, 0, 0, 1, 0},

    {"weekly, Wednesday set, later", 2, 0, 0, 0, 11, 0, kWed, 0, 1},
    {"weekly, Wednesday among others", 2, 0, 0, 0, 10, 30, kMon | kWed | kFri, 0, 1},
    {"weekly, Wednesday set, past", 2, 0, 0, 0, 10, 29, kWed, 1, 0},
    {"weekly, every day but Wednesday", 2, 0, 0, 0, 23, 59, 0x7f & ~kWed, 1, 0},
    {"weekly, empty mask", 2, 0, 0, 0, 23, 59, 0, 1, 0},

    {"date, earlier year, later month", 3, 2023, 12, 31, 23, 59, 0, 1, 0},
    {"date, later year, earlier month", 3, 2025, 1, 1, 0, 0, 0, 0, 1},
    {"date, earlier month, later day", 3, 2024, 4, 30, 23, 59, 0, 1, 0},
    {"date, later month, earlier day", 3, 2024, 6, 1, 0, 0, 0, 0, 1},
    {"date, earlier day", 3, 2024, 5, 14, 23, 59, 0, 1, 0},
    {"date, later day", 3, 2024, 5, 16, 0, 0, 0, 0, 1},
    {"date, today, its own minute", 3, 2024, 5, 15, 10, 30, 0, 0, 1},
    {"date, today, later hour", 3, 2024, 5, 15, 11, 0, 0, 0, 1},
    {"date, today, minute past", 3, 2024, 5, 15, 10, 29, 0, 1, 0},
    {"date, today, earlier hour", 3, 2024, 5, 15, 9, 59, 0, 1, 0},
};

TEST(ReserveData, CheckTime) {
    const int64_t t = LocalMoment();
    ASSERT_NE(t, -1);
    for (const CheckTimeCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CReserveData r;
        r.m_nKind = c.kind;
        r.m_nYear = c.year;
        r.m_nMonth = c.month;
        r.m_nDay = c.day;
        r.m_nHour = c.hour;
        r.m_nMinute = c.minute;
        r.m_nWeekMask = c.weekMask;
        r.m_nDue = c.dueBefore;
        r.CheckTime(t);
        EXPECT_EQ(r.m_nDue, c.dueAfter);
        EXPECT_EQ(r.m_nKind, c.kind);
    }
}

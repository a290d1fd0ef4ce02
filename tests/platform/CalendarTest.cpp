#include <gtest/gtest.h>

#include <time.h>

#include "platform/Calendar.h"

// The first second of January 1st of year in local time.
static int64_t NewYear(int year) {
    struct tm tm {};
    tm.tm_year = year - 1900;
    tm.tm_mday = 1;
    tm.tm_isdst = -1;
    return _mktime64(&tm);
}

TEST(Calendar, FirstSecondOfAYear) {
    for (int year : {1971, 2000, 2024, 2039, 2999}) {
        int64_t t = NewYear(year);
        ASSERT_GT(t, 0) << year;
        EXPECT_EQ(year, GetYear(t)) << year;
        EXPECT_EQ(1, GetMonth(t)) << year;
        EXPECT_EQ(year - 1, GetYear(t - 1)) << year;
        EXPECT_EQ(12, GetMonth(t - 1)) << year;
    }
}

TEST(Calendar, UnconvertibleTimeGivesZero) {
    const int64_t after3000 = 32535215999LL + 86400 * 2;  // past 3000-12-31 23:59:59 UTC
    for (int64_t t : {int64_t(-1), int64_t(-86400LL * 365), after3000, INT64_MAX}) {
        EXPECT_EQ(0, GetYear(t)) << t;
        EXPECT_EQ(0, GetMonth(t)) << t;
    }
}

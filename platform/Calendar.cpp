#include "platform/Calendar.h"

#include <time.h>

static bool LocalCalendar(int64_t time, struct tm& out) {
    __time64_t t = time;
    return _localtime64_s(&out, &t) == 0;
}

int GetYear(int64_t time) {
    struct tm tm {};
    return LocalCalendar(time, tm) ? tm.tm_year + 1900 : 0;
}

int GetMonth(int64_t time) {
    struct tm tm {};
    return LocalCalendar(time, tm) ? tm.tm_mon + 1 : 0;
}

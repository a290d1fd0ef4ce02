// Calendar parts of a time (seconds since 1970 UTC) in local time.
#pragma once
#include <cstdint>

// The year, or 0 when the time has no local calendar form.
int GetYear(int64_t time);
// The month 1..12, or 0 when the time has no local calendar form.
int GetMonth(int64_t time);

#include "framework/Trace.h"

#include <cstdarg>
#include <cstdio>

static bool g_bTraceOn = true;

void EnableTrace(bool on) { g_bTraceOn = on; }

void Trace(const char* format, ...) {
    if (!g_bTraceOn)
        return;
    va_list args;
    va_start(args, format);
    vfprintf(stdout, format, args);
    va_end(args);
    fflush(stdout);
}

// Trace lines go to standard output: a console in debug mode, the null
// device otherwise (start-up decides which).
#pragma once

void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Trace lines go to standard output: a console in debug mode, the null
// device otherwise (start-up decides which).
#pragma once

void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Off, trace lines cost nothing: the program turns them off outside debug
// mode, where they would only reach the null device. On by default.
void EnableTrace(bool on);

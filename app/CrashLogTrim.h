// The crash log keeps only its newest lines. Each crash or unexpected end
// adds one, for ever: a program that ends so at every start would fill the
// disk. The log is cut at start-up, where the heap and the file calls can
// be trusted, not by the handler of a crashed process; a run adds at most a
// few lines of at most 1 KB after that.
#pragma once
#include <cstddef>
#include <string>

// What a cut keeps: the newest whole lines within this many bytes.
constexpr size_t kCrashLogKeep = 60 * 1024;

// Cuts folder's CorvanaCrash.log to its newest lines when it is longer; a
// log that cannot be replaced (another program holds it) stays as it is.
void TrimCrashLog(const std::wstring& folder);

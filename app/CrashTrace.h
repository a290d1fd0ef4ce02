// When the program crashes (an exception of the processor or the system
// that nothing handled, or a C++ exception that left everything), one line
// of what happened and where goes to "CorvanaCrash.log" beside the
// program's files, and the program ends.
#pragma once
#include <string>

constexpr const wchar_t* kCrashTraceName = L"CorvanaCrash.log";

// From now on, for the whole process; folder is where the line goes.
void InstallCrashTrace(const std::wstring& folder);

// The line of an end that is no crash but as unexpected (the main window
// could not be made, or went without 終了), with the system's error code.
void WriteEndTrace(const char* what, unsigned long error);

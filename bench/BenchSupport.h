// What the benchmarks share: a clock, waiting with messages served, a data
// file dated back as one from an earlier session, the titles of another
// program's windows, and stored notes written as the program writes them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "model/MemletData.h"

// Seconds, from the performance counter.
double Now();

// Waits for h (none: only the time) while this thread's messages are
// dispatched, so that our windows and other processes' sends are served.
// True when h was set in time.
bool WaitPumping(HANDLE h, DWORD ms);

// At start-up the data file comes from the last session. Wine's INI reader
// trusts its cache only for files older than about two seconds and parses a
// younger file again on every call, so a file just written is dated back.
void AgeFile(const std::wstring& path);

// The titles of another program's windows: distinct, a third of them
// Japanese, sharing the parts a user's part-of-title condition would pick.
std::string CandidateTitle(int i);

// Stored notes as a user collects them, on programs that are not running:
// some dozens of programs, titles, texts of a few lines.
std::vector<CMemletData> StoredNotes(int count);

// A data file of these notes through the program's own save chain, dated
// back as one from an earlier session.
bool WriteNotesFile(const std::wstring& path, std::vector<CMemletData> notes);

// The middle one of some figures; -1 for none.
double Median(std::vector<double> v);

// A file beside this executable (a helper program built with it).
std::string BesideThisExe(const std::string& name);

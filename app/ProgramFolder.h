// The program's own folder: its files are kept there, whatever folder it is
// started from.
#pragma once
#include <string>

// From the program's module, cut before its last backslash ("E:" for a
// program on the root of a drive); empty when the system gives no path.
std::wstring ProgramFolder();

// Makes folder the current directory, from which the program's files are
// then named. False when they cannot be kept there: no folder, a folder
// that cannot be made current (the files of the folder that stays current
// would be taken for its own), or one whose files' paths the system cannot
// name (too long for the INI functions). Reads and writes no file.
bool EnterProgramFolder(const std::wstring& folder);

// What the user is told before the program ends then.
std::wstring UnservedFolderMessage(const std::wstring& folder);

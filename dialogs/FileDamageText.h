// The damage found in a file of notes as the user is told it: the notes
// read and a line for each kind of damage, indented under the file's path.
#pragma once
#include <string>

// Lines in CP932, each ended by CR LF.
std::string FileDamageLines(unsigned damage, int notesRead);

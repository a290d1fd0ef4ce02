// What the user is told at start-up about files that were not read whole:
// each file, what was read of it and what was wrong, and the copy kept of
// it as found.
#pragma once
#include <string>
#include <vector>

#include "storage/UnreadFileCopy.h"

std::wstring UnreadFilesMessage(const std::vector<CUnreadFile>& files);

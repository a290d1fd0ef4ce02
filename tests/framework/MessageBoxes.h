// The program's message boxes ("Corvana") open on this thread, as tests and
// the screenshot sheets find them.
#pragma once
#include <windows.h>

#include <vector>

std::vector<HWND> OpenMessageBoxes();

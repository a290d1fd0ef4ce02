#include "app/HomePage.h"

#include <windows.h>

#include <shellapi.h>

static const wchar_t kHomePage[] = L"https://tamberlo.example/corvana/";

void OpenHomePage() { ShellExecuteW(nullptr, L"open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL); }

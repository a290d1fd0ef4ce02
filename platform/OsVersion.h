// The system's version, asked once; the gate for every call that older
// systems lack.
#pragma once
#include <windows.h>

void GetOSVersion();
// 1 from Windows 6.0 on; a failed query is asked again on the next call.
int IsVistaOrLater();

// For tests: take info as if the system had answered it; null forgets it,
// so the next call asks the system again.
void SetOSVersion(const OSVERSIONINFOA* info);

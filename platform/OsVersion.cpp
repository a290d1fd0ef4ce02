#include "platform/OsVersion.h"

static OSVERSIONINFOA g_osVersion;
static int g_bOsVersionKnown;

void GetOSVersion() {
    ZeroMemory(&g_osVersion, sizeof(g_osVersion));
    g_osVersion.dwOSVersionInfoSize = sizeof(g_osVersion);
    if (GetVersionExA(&g_osVersion) == TRUE)
        g_bOsVersionKnown = 1;
}

int IsVistaOrLater() {
    if (!g_bOsVersionKnown)
        GetOSVersion();
    return g_bOsVersionKnown && g_osVersion.dwMajorVersion >= 6 ? 1 : 0;
}

void SetOSVersion(const OSVERSIONINFOA* info) {
    if (info) {
        g_osVersion = *info;
        g_bOsVersionKnown = 1;
    } else {
        ZeroMemory(&g_osVersion, sizeof(g_osVersion));
        g_bOsVersionKnown = 0;
    }
}

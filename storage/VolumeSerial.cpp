#include "storage/VolumeSerial.h"

#include <windows.h>

#include "framework/Trace.h"

uint32_t GetVolumeSerialNumber(char letter) {
    char root[] = {letter, ':', '\\', '\0'};
    char volumeName[MAX_PATH];
    char fileSystem[MAX_PATH];
    DWORD serial = 0;
    // No "insert a disk" box for an empty drive: the call just fails.
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (!GetVolumeInformationA(root, volumeName, sizeof volumeName, &serial, nullptr, nullptr, fileSystem,
                               sizeof fileSystem))
        serial = 0;
    SetErrorMode(oldMode);
    Trace("VolumeSerialNumber=0x%08x\n", (unsigned)serial);
    return serial;
}

uint32_t GetVolumeSerialNumberOf(const std::wstring& path) {
    // Anything but an ASCII first character names no drive letter.
    return GetVolumeSerialNumber(!path.empty() && path[0] < 0x80 ? (char)path[0] : '\0');
}

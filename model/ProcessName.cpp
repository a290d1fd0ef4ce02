#include <windows.h>

#include <psapi.h>

#include "model/WinInf.h"

// Names the first module of the process (the program itself): its base
// name or its full path.
static void GetProcessModuleText(DWORD pid, bool fullPath, std::string& out) {
    out.clear();
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return;
    HMODULE modules[1024];
    DWORD needed = 0;
    char buf[1024] = {};
    DWORD len = 0;
    if (EnumProcessModules(process, modules, sizeof modules, &needed) && needed >= sizeof(HMODULE)) {
        len = fullPath ? GetModuleFileNameExA(process, modules[0], buf, sizeof buf)
                       : GetModuleBaseNameA(process, modules[0], buf, sizeof buf);
    }
    CloseHandle(process);
    if (len > 0) {
        buf[sizeof buf - 1] = '\0';
        out = buf;
    }
}

void GetProcessName(DWORD pid, std::string& out) { GetProcessModuleText(pid, false, out); }

void GetProcessPath(DWORD pid, std::string& out) { GetProcessModuleText(pid, true, out); }

#include <windows.h>

#include <psapi.h>

#include "model/WinInf.h"

// Names the first module of the process (the program itself): its base
// name and its full path, each where asked for.
static void GetProcessModuleText(DWORD pid, std::string* name, std::string* path) {
    if (name)
        name->clear();
    if (path)
        path->clear();
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return;
    HMODULE modules[1024];
    DWORD needed = 0;
    if (EnumProcessModules(process, modules, sizeof modules, &needed) && needed >= sizeof(HMODULE)) {
        char buf[1024] = {};
        if (name && GetModuleBaseNameA(process, modules[0], buf, sizeof buf) > 0) {
            buf[sizeof buf - 1] = '\0';
            *name = buf;
        }
        if (path && GetModuleFileNameExA(process, modules[0], buf, sizeof buf) > 0) {
            buf[sizeof buf - 1] = '\0';
            *path = buf;
        }
    }
    CloseHandle(process);
}

void GetProcessName(DWORD pid, std::string& out) { GetProcessModuleText(pid, &out, nullptr); }

void GetProcessPath(DWORD pid, std::string& out) { GetProcessModuleText(pid, nullptr, &out); }

void GetProcessNameAndPath(DWORD pid, std::string& name, std::string& path) {
    GetProcessModuleText(pid, &name, &path);
}

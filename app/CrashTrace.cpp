#include "app/CrashTrace.h"

#include <windows.h>

#include <cstdint>
#include <exception>

namespace {

// Everything the crashing program needs is here before it crashes: the
// filter allocates nothing of its own.
wchar_t g_path[32768];
HMODULE g_module;
// Where the last C++ exception was thrown: the program's frames of the
// stack at the throw, innermost first.
constexpr int kThrowFrames = 8;
void* g_throwFrames[kThrowFrames];
int g_throwFrameCount;

// libgcc raises every C++ throw as this exception; when no frame takes it,
// the throw comes back (the entry code of the run-time sees to that) and
// the run-time calls std::terminate.
constexpr DWORD kGccMagic = 0x20474343;  // "GCC " with the flags masked off

class CLine {
public:
    void Add(const char* s) {
        while (*s && m_n < sizeof m_text - 2)
            m_text[m_n++] = *s++;
    }
    // "0x" and at least minDigits hexadecimal digits, with leading zeros.
    void AddHex(uint64_t v, int minDigits) {
        Add("0x");
        AddDigits(v, 16, minDigits);
    }
    // At least minDigits, with leading zeros.
    void AddDecimal(uint64_t v, int minDigits) { AddDigits(v, 10, minDigits); }
    // Appended with its line end; a file that cannot be opened gets nothing.
    void Write() {
        m_text[m_n++] = '\r';
        m_text[m_n++] = '\n';
        HANDLE f = CreateFileW(g_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE)
            return;
        DWORD written = 0;
        WriteFile(f, m_text, (DWORD)m_n, &written, nullptr);
        CloseHandle(f);
    }

private:
    void AddDigits(uint64_t v, unsigned base, int minDigits) {
        char digits[21];
        int n = 0;
        do {
            digits[n++] = "0123456789abcdef"[v % base];
            v /= base;
        } while (v || n < minDigits);
        char s[22];
        for (int i = 0; i < n; i++)
            s[i] = digits[n - 1 - i];
        s[n] = '\0';
        Add(s);
    }

    char m_text[1024];
    size_t m_n = 0;
};

void AddTime(CLine& line) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    const struct {
        WORD value;
        int digits;
        const char* after;
    } parts[] = {{t.wYear, 4, "-"}, {t.wMonth, 2, "-"},   {t.wDay, 2, " "},
                 {t.wHour, 2, ":"}, {t.wMinute, 2, ":"}, {t.wSecond, 2, " "}};
    for (const auto& p : parts) {
        line.AddDecimal(p.value, p.digits);
        line.Add(p.after);
    }
}

HMODULE ModuleOf(const void* address) {
    HMODULE module = nullptr;
    // Wine takes no address for the program's own module.
    if (!address || !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            (LPCWSTR)address, &module))
        return nullptr;
    return module;
}

// "module+0xoffset", or the bare address outside every module.
void AddPlace(CLine& line, const void* address) {
    HMODULE module = ModuleOf(address);
    wchar_t path[MAX_PATH];
    DWORD n = module ? GetModuleFileNameW(module, path, MAX_PATH) : 0;
    if (!n || n >= MAX_PATH) {
        line.AddHex((uintptr_t)address, 16);
        return;
    }
    const wchar_t* name = path;
    for (DWORD i = 0; i < n; i++)
        if (path[i] == L'\\' || path[i] == L'/')
            name = path + i + 1;
    char narrow[MAX_PATH * 2];
    if (WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof narrow, nullptr, nullptr) <= 0)
        narrow[0] = '?', narrow[1] = '\0';
    line.Add(narrow);
    line.Add("+");
    line.AddHex((uintptr_t)address - (uintptr_t)module, 1);
}

// Every C++ throw, caught or not, as it is raised: its stack is still
// there. The program's own frames below this handler's are kept; a throw
// that nothing catches is the last one before the terminate handler.
LONG WINAPI OnFirstChance(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* r = info->ExceptionRecord;
    if ((r->ExceptionCode & 0x20ffffff) != kGccMagic)
        return EXCEPTION_CONTINUE_SEARCH;
    void* frames[64];
    USHORT n = RtlCaptureStackBackTrace(0, 64, frames, nullptr);
    int kept = 0;
    USHORT i = 0;
    while (i < n && ModuleOf(frames[i]) == g_module)
        i++;
    for (; i < n && kept < kThrowFrames; i++)
        if (ModuleOf(frames[i]) == g_module)
            g_throwFrames[kept++] = frames[i];
    g_throwFrameCount = kept;
    return EXCEPTION_CONTINUE_SEARCH;
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* r = info->ExceptionRecord;
    if ((r->ExceptionCode & 0x20ffffff) == kGccMagic && !(r->ExceptionFlags & EXCEPTION_NONCONTINUABLE))
        return EXCEPTION_CONTINUE_EXECUTION;  // on to the terminate handler
    CLine line;
    AddTime(line);
    line.Add("exception ");
    line.AddHex(r->ExceptionCode, 8);
    if ((r->ExceptionCode == EXCEPTION_ACCESS_VIOLATION || r->ExceptionCode == EXCEPTION_IN_PAGE_ERROR) &&
        r->NumberParameters >= 2) {
        ULONG_PTR op = r->ExceptionInformation[0];
        line.Add(op == 0 ? " (read of " : op == 8 ? " (execution of " : " (write of ");
        line.AddHex(r->ExceptionInformation[1], 1);
        line.Add(")");
    }
    line.Add(" at ");
    AddPlace(line, r->ExceptionAddress);
    line.Write();
    // Ends the process with the exception's code, without the system's
    // debugger or its dialog.
    return EXCEPTION_EXECUTE_HANDLER;
}

void OnTerminate() {
    // Taken first: the rethrow below is a throw of its own.
    void* frames[kThrowFrames];
    int count = g_throwFrameCount;
    for (int i = 0; i < count; i++)
        frames[i] = g_throwFrames[i];
    // The rethrow needs memory; when that fails it calls std::terminate
    // again, which then writes the line without the text.
    static bool s_inside;
    bool again = s_inside;
    s_inside = true;
    CLine line;
    AddTime(line);
    line.Add("uncaught C++ exception");
    std::exception_ptr e = again ? nullptr : std::current_exception();
    if (e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            line.Add(" \"");
            line.Add(x.what());
            line.Add("\"");
        } catch (...) {
        }
    }
    if (count > 0) {
        line.Add(" thrown at");
        for (int i = 0; i < count; i++) {
            line.Add(" ");
            AddPlace(line, frames[i]);
        }
    }
    line.Write();
    // Not abort(): the run-time may show its box first and wait for a click.
    TerminateProcess(GetCurrentProcess(), 3);
}

}  // namespace

void WriteEndTrace(const char* what, unsigned long error) {
    if (!g_path[0])
        return;
    CLine line;
    AddTime(line);
    line.Add(what);
    line.Add(" (error ");
    line.AddDecimal(error, 1);
    line.Add(")");
    line.Write();
}

void InstallCrashTrace(const std::wstring& folder) {
    std::wstring path = (folder.empty() ? std::wstring(L".") : folder) + L"\\" + kCrashTraceName;
    if (path.size() >= sizeof g_path / sizeof g_path[0])
        return;
    path.copy(g_path, path.size());
    g_path[path.size()] = L'\0';
    g_module = ModuleOf((const void*)&InstallCrashTrace);
    SetUnhandledExceptionFilter(OnUnhandledException);
    AddVectoredExceptionHandler(0, OnFirstChance);
    std::set_terminate(OnTerminate);
}

#include "framework/TargetProcess.h"

#include <cstring>

#include "framework/Text.h"

namespace {

// Longer than any command takes, even on a loaded machine.
constexpr UINT kCommandTimeoutMs = 10000;
constexpr DWORD kStartTimeoutMs = 20000;

void CopyText(char* out, size_t size, const std::string& text) {
    size_t n = MbCutLength(text, size - 1);
    memcpy(out, text.data(), n);
    out[n] = '\0';
}

}  // namespace

std::string DefaultTargetsExe() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    size_t slash = path.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "corvana_targets.exe";
}

bool CTargetProcess::Start(const std::string& exe) {
    Stop();
    m_exe = exe.empty() ? DefaultTargetsExe() : exe;
    static int counter;
    std::wstring ready = L"CorvanaTargetsReady-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                         std::to_wstring(++counter);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, ready.c_str());
    if (!event)
        return false;
    std::wstring path = ToWide(m_exe);
    std::wstring cmd = L"\"" + path + L"\" " + ready;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi)) {
        m_pi = PROCESS_INFORMATION{};
        CloseHandle(event);
        return false;
    }
    HANDLE waits[2] = {event, m_pi.hProcess};
    DWORD got = WaitForMultipleObjects(2, waits, FALSE, kStartTimeoutMs);
    CloseHandle(event);
    if (got == WAIT_OBJECT_0)
        m_control = FindWindowExW(HWND_MESSAGE, nullptr, kTargetsControlClass, ready.c_str());
    if (!m_control) {
        Stop();
        return false;
    }
    return true;
}

void CTargetProcess::Stop() {
    if (!m_pi.hProcess)
        return;
    if (m_control) {
        TargetRequest r{};
        Command(kTargetQuit, r);
    }
    if (WaitForSingleObject(m_pi.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
    m_pi = PROCESS_INFORMATION{};
    m_control = nullptr;
}

bool CTargetProcess::IsRunning() const {
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

LRESULT CTargetProcess::Command(TargetCommand command, const TargetRequest& request) {
    if (!m_control)
        return 0;
    COPYDATASTRUCT cds{command, sizeof request, (void*)&request};
    DWORD_PTR result = 0;
    // Messages sent to our windows meanwhile (a note owned by the helper's
    // window) are handled while we wait.
    if (!SendMessageTimeoutW(m_control, WM_COPYDATA, 0, (LPARAM)&cds, SMTO_NORMAL, kCommandTimeoutMs, &result))
        return 0;
    return (LRESULT)result;
}

TargetRequest CTargetProcess::Request(HWND hwnd, const TargetArgs& a) {
    TargetRequest r{};
    r.hwnd = (uint64_t)(UINT_PTR)hwnd;
    r.x = a.x;
    r.y = a.y;
    r.cx = a.cx;
    r.cy = a.cy;
    r.style = a.style;
    r.exStyle = a.exStyle;
    r.visible = a.visible;
    r.enabled = a.enabled;
    r.id = a.id;
    CopyText(r.className, sizeof r.className, a.className);
    CopyText(r.text, sizeof r.text, a.title);
    return r;
}

HWND CTargetProcess::Create(const TargetArgs& args) { return (HWND)Command(kTargetCreate, Request(nullptr, args)); }

HWND CTargetProcess::AddChild(HWND parent, const TargetArgs& args) {
    return (HWND)Command(kTargetAddChild, Request(parent, args));
}

bool CTargetProcess::Move(HWND hwnd, int x, int y, int cx, int cy) {
    TargetArgs a;
    a.x = x;
    a.y = y;
    a.cx = cx;
    a.cy = cy;
    return Command(kTargetMove, Request(hwnd, a)) == 1;
}

bool CTargetProcess::SetText(HWND hwnd, const std::string& text) {
    TargetArgs a;
    a.title = text;
    return Command(kTargetSetText, Request(hwnd, a)) == 1;
}

bool CTargetProcess::Show(HWND hwnd, int cmd) {
    TargetRequest r = Request(hwnd, TargetArgs());
    r.showCmd = cmd;
    return Command(kTargetShow, r) == 1;
}

bool CTargetProcess::Enable(HWND hwnd, bool enabled) {
    TargetArgs a;
    a.enabled = enabled;
    return Command(kTargetEnable, Request(hwnd, a)) == 1;
}

bool CTargetProcess::Close(HWND hwnd) { return Command(kTargetDestroy, Request(hwnd, TargetArgs())) == 1; }

bool CTargetProcess::Foreground(HWND hwnd) { return Command(kTargetForeground, Request(hwnd, TargetArgs())) == 1; }

bool CTargetProcess::RegisterHotKey(int id, UINT modifiers, UINT vk) {
    TargetRequest r = Request(nullptr, TargetArgs());
    r.id = id;
    r.modifiers = modifiers;
    r.vk = vk;
    return Command(kTargetRegisterHotKey, r) == 1;
}

bool CTargetProcess::UnregisterHotKey(int id) {
    TargetRequest r = Request(nullptr, TargetArgs());
    r.id = id;
    return Command(kTargetUnregisterHotKey, r) == 1;
}

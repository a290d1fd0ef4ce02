// A client of corvana_targets.exe (tests/targets/): windows of another
// process, made and changed on command, for tests and benchmarks that need
// real target windows. Every call waits until the helper has done it.
//
//     CTargetProcess targets;
//     ASSERT_TRUE(targets.Start());
//     TargetArgs a;
//     a.title = "メモ帳の代わり";
//     HWND w = targets.Create(a);           // shown, not activated
//     targets.Move(w, 200, 150, 400, 300);
//     targets.SetText(w, "別の題");
//     targets.Close(w);
//     targets.Stop();                       // also in the destructor
#pragma once
#include <windows.h>

#include <string>

#include "targets/TargetsProtocol.h"

// A window to make. For a child, title is its text and id its control id.
struct TargetArgs {
    std::string title;
    std::string className;  // empty: "CorvanaTarget", a plain window; or a system class ("Edit")
    DWORD style = 0;        // 0: WS_OVERLAPPEDWINDOW for a top-level window, WS_CHILD for a child
    DWORD exStyle = 0;
    bool visible = true;
    bool enabled = true;
    int x = 100, y = 100, cx = 400, cy = 300;
    int id = 0;
};

class CTargetProcess {
public:
    CTargetProcess() = default;
    ~CTargetProcess() { Stop(); }
    CTargetProcess(const CTargetProcess&) = delete;
    CTargetProcess& operator=(const CTargetProcess&) = delete;

    // Starts the helper and waits until it takes commands. exe: the program
    // to start, by default corvana_targets.exe beside the running program
    // (a copy under another name works the same).
    bool Start(const std::string& exe = std::string());
    // Asks the helper to end and waits for it; kills it when it does not.
    void Stop();
    bool IsRunning() const;
    DWORD ProcessId() const { return m_pi.dwProcessId; }
    HANDLE Process() const { return m_pi.hProcess; }
    // The helper's program path.
    const std::string& Path() const { return m_exe; }

    // Null when the window could not be made.
    HWND Create(const TargetArgs& args);
    HWND AddChild(HWND parent, const TargetArgs& args);
    bool Move(HWND hwnd, int x, int y, int cx, int cy);
    bool SetText(HWND hwnd, const std::string& text);
    bool Show(HWND hwnd, int cmd = SW_SHOWNOACTIVATE);
    bool Hide(HWND hwnd) { return Show(hwnd, SW_HIDE); }
    bool Enable(HWND hwnd, bool enabled);
    bool Close(HWND hwnd);
    // The helper brings its window to the front itself.
    bool Foreground(HWND hwnd);
    // A hot key held by the helper's process, as another program would.
    bool RegisterHotKey(int id, UINT modifiers, UINT vk);
    bool UnregisterHotKey(int id);

private:
    LRESULT Command(TargetCommand command, const TargetRequest& request);
    static TargetRequest Request(HWND hwnd, const TargetArgs& args);

    PROCESS_INFORMATION m_pi{};
    HWND m_control = nullptr;
    std::string m_exe;
};

// corvana_targets.exe beside the running program.
std::string DefaultTargetsExe();

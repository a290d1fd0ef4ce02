// The commands of corvana_targets.exe, the program whose windows the tests
// and the benchmark paste notes on: top-level windows of another process.
//
// Start:   corvana_targets.exe EVENT-NAME
//          It makes a message-only control window of class kTargetsControlClass
//          whose title is EVENT-NAME, then sets the named event EVENT-NAME (made
//          by the starter). Find the window with
//          FindWindowExW(HWND_MESSAGE, nullptr, kTargetsControlClass, EVENT-NAME).
// Command: SendMessage(control, WM_COPYDATA, 0, &cds) with cds.dwData one of
//          TargetCommand and cds.lpData one TargetRequest (cbData its size).
//          The reply is the message's result: a window handle for kCreate and
//          kAddChild, otherwise 1 for done and 0 for failed; 0 also for a
//          record of another size or an unknown command.
// Texts:   CP932 bytes, ending with a zero byte, as the program's own texts.
// Ends:    on kQuit, or when its starter kills it.
#pragma once
#include <cstdint>

#define kTargetsControlClass L"CorvanaTargetsControl"
// The class of the windows made without a class name of their own.
#define kTargetsWindowClass "CorvanaTarget"

enum TargetCommand : uint32_t {
    kTargetCreate = 1,        // a top-level window; the fields below
    kTargetAddChild,          // a child of hwnd: className, text, id, visible, enabled, x, y, cx, cy
    kTargetMove,              // SetWindowPos(hwnd, x, y, cx, cy), no Z order, no activation
    kTargetSetText,           // SetWindowText(hwnd, text)
    kTargetShow,              // ShowWindow(hwnd, showCmd)
    kTargetEnable,            // EnableWindow(hwnd, enabled)
    kTargetDestroy,           // DestroyWindow(hwnd)
    kTargetForeground,        // SetForegroundWindow(hwnd) from the helper itself
    kTargetRegisterHotKey,    // RegisterHotKey(control, id, modifiers, vk)
    kTargetUnregisterHotKey,  // UnregisterHotKey(control, id)
    kTargetQuit,              // ends the program
};

struct TargetRequest {
    uint64_t hwnd;           // the window acted on; the parent for kTargetAddChild
    int32_t x, y, cx, cy;    // screen for a top-level window, parent's client for a child
    uint32_t style;          // 0: WS_OVERLAPPEDWINDOW (top level), WS_CHILD (child)
    uint32_t exStyle;        // WS_EX_*
    int32_t visible;         // shown without activation after creation
    int32_t enabled;         // 0: made with WS_DISABLED; kTargetEnable: the new state
    int32_t showCmd;         // kTargetShow
    int32_t id;              // control id of a child, id of a hot key
    uint32_t modifiers, vk;  // hot key
    char className[256];     // empty: kTargetsWindowClass; a system class (Edit) is used as it is
    char text[1024];         // title or text
};

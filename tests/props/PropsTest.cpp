#include "props/PropsTest.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "framework/TestWindows.h"
#include "framework/Trace.h"

namespace {

std::vector<std::string> g_boxes;

int RecordBox(const std::string& text, UINT) {
    g_boxes.push_back(text);
    return IDOK;
}

class QuietTrace : public testing::Environment {
public:
    void SetUp() override { EnableTrace(false); }
};
const testing::Environment* const g_quiet = testing::AddGlobalTestEnvironment(new QuietTrace);

}  // namespace

CBoxRecorder::CBoxRecorder() {
    g_boxes.clear();
    SetMessageBoxHook(RecordBox);
}

CBoxRecorder::~CBoxRecorder() { SetMessageBoxHook(nullptr); }

std::vector<std::string> CBoxRecorder::Take() {
    std::vector<std::string> out;
    out.swap(g_boxes);
    return out;
}

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
    DWORD end = GetTickCount() + ms;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);  // wakes the loop
    bool ok = done();
    while (!ok && (LONG)(GetTickCount() - end) < 0) {
        int exitCode = 0;
        if (!AppPumpMessage(exitCode)) {
            PostQuitMessage(exitCode);
            break;
        }
        ok = done();
    }
    KillTimer(nullptr, timer);
    return ok;
}

void Click(HWND dlg, int id) {
    SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
    PumpPending();
}

void Click(CDialog& dlg, int id) { Click(dlg.m_hWnd, id); }

namespace {

CNewWindowScript* g_newWindowScript;

struct ThreadWindows {
    const std::wstring* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto* w = (ThreadWindows*)lp;
    wchar_t name[64];
    if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, 64) && *w->className == name)
        w->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> WindowsOfClass(const std::wstring& className) {
    ThreadWindows w{&className, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, (LPARAM)&w);
    return w.found;
}

}  // namespace

CNewWindowScript::CNewWindowScript(const wchar_t* className, std::function<void(HWND)> script)
    : m_class(className), m_before(WindowsOfClass(className)), m_script(std::move(script)) {
    g_newWindowScript = this;
    m_timer = SetTimer(nullptr, 0, 20, OnTimer);
}

CNewWindowScript::~CNewWindowScript() {
    if (m_timer)
        KillTimer(nullptr, m_timer);
    if (g_newWindowScript == this)
        g_newWindowScript = nullptr;
}

void CALLBACK CNewWindowScript::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    CNewWindowScript* self = g_newWindowScript;
    if (!self || self->m_ran || id != self->m_timer)
        return;
    for (HWND h : WindowsOfClass(self->m_class)) {
        if (std::find(self->m_before.begin(), self->m_before.end(), h) != self->m_before.end())
            continue;
        KillTimer(nullptr, self->m_timer);
        self->m_timer = 0;
        self->m_ran = true;
        self->m_script(h);
        return;
    }
}

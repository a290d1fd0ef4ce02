#include "platform/MultiDisplay.h"

#include "framework/Trace.h"

CMultiDisplay* CMultiDisplay::s_pInstance;

CMultiDisplay* CMultiDisplay::GetInstance() {
    if (!s_pInstance)
        s_pInstance = new CMultiDisplay;
    return s_pInstance;
}

void CMultiDisplay::DeleteInstance() {
    delete s_pInstance;
    s_pInstance = nullptr;
}

BOOL CMultiDisplay::EnumMonitors() {
    return EnumDisplayMonitors(nullptr, nullptr, MonitorEnumProc, reinterpret_cast<LPARAM>(this));
}

void CMultiDisplay::AddMonitor(const Monitor& monitor) {
    m_nCount++;
    if (monitor.info.dwFlags == MONITORINFOF_PRIMARY)
        m_MonitorList.insert(m_MonitorList.begin(), monitor);
    else
        m_MonitorList.push_back(monitor);
}

static void TraceRect(const char* name, const RECT& r) {
    Trace("%s top=%d, left=%d, bottom=%d, right=%d\n", name, (int)r.top, (int)r.left, (int)r.bottom,
          (int)r.right);
}

BOOL CALLBACK CMultiDisplay::MonitorEnumProc(HMONITOR hMonitor, HDC hdc, LPRECT rect, LPARAM self) noexcept {
    Monitor monitor{};
    monitor.info.cbSize = sizeof(monitor.info);
    GetMonitorInfoA(hMonitor, &monitor.info);
    monitor.hMonitor = hMonitor;
    monitor.hdc = hdc;
    reinterpret_cast<CMultiDisplay*>(self)->AddMonitor(monitor);

    TraceRect("rcMonitor", monitor.info.rcMonitor);
    TraceRect("rcWork", monitor.info.rcWork);
    Trace("Flag = %d\n", (int)monitor.info.dwFlags);
    if (rect)
        TraceRect("rcMonitor", *rect);
    return TRUE;
}

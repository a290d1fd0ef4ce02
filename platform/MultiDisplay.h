// The display monitors as start-up found them, primary first. Only the
// start-up trace uses the list; placement asks the system itself.
#pragma once
#include <windows.h>

#include <vector>

class CMultiDisplay {
public:
    struct Monitor {
        MONITORINFOEXA info;
        HMONITOR hMonitor;
        HDC hdc;  // as the enumeration handed it over
    };

    CMultiDisplay() = default;
    virtual ~CMultiDisplay() = default;

    // The one instance, created empty on the first call.
    static CMultiDisplay* GetInstance();
    static void DeleteInstance();

    BOOL EnumMonitors();
    // Counts and keeps one monitor; the primary goes to the front.
    void AddMonitor(const Monitor& monitor);

    int m_nCount = 0;
    std::vector<Monitor> m_MonitorList;

private:
    static BOOL CALLBACK MonitorEnumProc(HMONITOR hMonitor, HDC hdc, LPRECT rect, LPARAM self) noexcept;
    static CMultiDisplay* s_pInstance;
};

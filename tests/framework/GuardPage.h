// Objects that delete themselves are put on a page of their own; deleting
// one takes all access away from the page, and a later touch of it is
// recorded (then let through), so the test sees it instead of a crash.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

inline void* g_guardPage;
inline bool g_touchedAfterDelete;
inline const size_t kGuardPage = 4096;

inline LONG CALLBACK OnGuardPageAccess(EXCEPTION_POINTERS* ep) {
    const EXCEPTION_RECORD* rec = ep->ExceptionRecord;
    if (rec->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || !g_guardPage || rec->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    ULONG_PTR addr = rec->ExceptionInformation[1];
    if (addr < (ULONG_PTR)g_guardPage || addr >= (ULONG_PTR)g_guardPage + kGuardPage)
        return EXCEPTION_CONTINUE_SEARCH;
    g_touchedAfterDelete = true;
    DWORD old;
    VirtualProtect(g_guardPage, kGuardPage, PAGE_READWRITE, &old);
    return EXCEPTION_CONTINUE_EXECUTION;
}

// One guarded object at a time.
template <class Base>
class Guarded : public Base {
public:
    using Base::Base;
    static void* operator new(size_t size) {
        EXPECT_LE(size, kGuardPage);
        g_guardPage = VirtualAlloc(nullptr, kGuardPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        return g_guardPage;
    }
    static void operator delete(void* p) {
        DWORD old;
        VirtualProtect(p, kGuardPage, PAGE_NOACCESS, &old);
    }
};

class SelfDeleting : public testing::Test {
protected:
    void SetUp() override {
        g_touchedAfterDelete = false;
        m_handler = AddVectoredExceptionHandler(1, OnGuardPageAccess);
    }
    void TearDown() override {
        RemoveVectoredExceptionHandler(m_handler);
        if (g_guardPage)
            VirtualFree(g_guardPage, 0, MEM_RELEASE);
        g_guardPage = nullptr;
    }
    void* m_handler = nullptr;
};

// A GDI bitmap owned by its object: deleted with it.
#pragma once
#include <windows.h>

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // A bitmap for dc's surface; the one held before is deleted first.
    bool CreateCompatibleBitmap(HDC dc, int cx, int cy) {
        DeleteObject();
        m_bitmap = ::CreateCompatibleBitmap(dc, cx, cy);
        return m_bitmap != nullptr;
    }
    void DeleteObject() {
        if (m_bitmap)
            ::DeleteObject(m_bitmap);
        m_bitmap = nullptr;
    }
    HBITMAP GetSafeHandle() const { return m_bitmap; }

private:
    HBITMAP m_bitmap = nullptr;
};

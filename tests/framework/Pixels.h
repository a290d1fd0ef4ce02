// A top-down 32-bit bitmap selected into a memory DC: a surface to draw on
// and read back, and a copy of what a window shows.
#pragma once
#include <windows.h>

#include <string>

class CPixels {
public:
    CPixels(int cx, int cy);
    ~CPixels();
    CPixels(const CPixels&) = delete;
    CPixels& operator=(const CPixels&) = delete;

    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    HDC Dc() const { return m_dc; }
    // 0xAARRGGBB; GDI's drawing is flushed first.
    DWORD At(int x, int y) const;
    COLORREF Colour(int x, int y) const;
    BYTE Alpha(int x, int y) const { return (BYTE)(At(x, y) >> 24); }
    void Fill(DWORD pixel);

    // What the window shows of its client area after it painted it anew.
    bool CaptureClient(HWND hwnd);
    // The screen at (x, y), the size of the bitmap.
    bool CaptureScreen(int x, int y);

    // The same size and every pixel alike.
    bool SameAs(const CPixels& other) const;

    // A 24-bit BMP file.
    bool SaveBmp(const std::string& path) const;

private:
    int m_cx, m_cy;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};

// Colours further apart than a trace of anti-aliasing.
bool Differs(COLORREF a, COLORREF b);

// Rows of pixels, from column left to the right edge, that hold a pixel of
// another colour than background.
int InkRows(const CPixels& pixels, int left, COLORREF background);

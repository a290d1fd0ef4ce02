#include "framework/Pixels.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/DrawingManager.h"

CPixels::CPixels(int cx, int cy) : m_cx(cx), m_cy(cy) {
    m_bitmap = CreateDib32(cx, cy, &m_bits);
    m_dc = CreateCompatibleDC(nullptr);
    if (m_dc && m_bitmap)
        m_old = SelectObject(m_dc, m_bitmap);
}

CPixels::~CPixels() {
    if (m_old)
        SelectObject(m_dc, m_old);
    if (m_dc)
        DeleteDC(m_dc);
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

DWORD CPixels::At(int x, int y) const {
    GdiFlush();
    return m_bits[(size_t)y * m_cx + x];
}

COLORREF CPixels::Colour(int x, int y) const {
    DWORD p = At(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void CPixels::Fill(DWORD pixel) {
    GdiFlush();
    for (size_t i = 0, n = (size_t)m_cx * m_cy; i < n; i++) m_bits[i] = pixel;
}

bool CPixels::CaptureClient(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(hwnd);
    bool ok = BitBlt(m_dc, 0, 0, m_cx, m_cy, dc, 0, 0, SRCCOPY) != 0;
    ReleaseDC(hwnd, dc);
    return ok;
}

bool CPixels::CaptureScreen(int x, int y) {
    HDC dc = GetDC(nullptr);
    bool ok = BitBlt(m_dc, 0, 0, m_cx, m_cy, dc, x, y, SRCCOPY) != 0;
    ReleaseDC(nullptr, dc);
    return ok;
}

bool CPixels::SameAs(const CPixels& other) const {
    if (m_cx != other.m_cx || m_cy != other.m_cy || !m_bits || !other.m_bits)
        return false;
    GdiFlush();
    return memcmp(m_bits, other.m_bits, (size_t)m_cx * m_cy * sizeof(DWORD)) == 0;
}

bool CPixels::SaveBmp(const std::string& path) const {
    const int stride = (m_cx * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = m_cx;
    info.biHeight = m_cy;  // bottom-up, as every reader expects
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = (DWORD)(stride * m_cy);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<BYTE> rows(info.biSizeImage);
    for (int y = 0; y < m_cy; y++) {
        BYTE* row = &rows[(size_t)(m_cy - 1 - y) * stride];
        for (int x = 0; x < m_cx; x++) {
            DWORD p = At(x, y);
            row[x * 3] = (BYTE)p;
            row[x * 3 + 1] = (BYTE)(p >> 8);
            row[x * 3 + 2] = (BYTE)(p >> 16);
        }
    }
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(&file, sizeof file, 1, f) == 1 && fwrite(&info, sizeof info, 1, f) == 1 &&
              fwrite(rows.data(), rows.size(), 1, f) == 1;
    return fclose(f) == 0 && ok;
}

bool Differs(COLORREF a, COLORREF b) {
    return abs(GetRValue(a) - GetRValue(b)) > 48 || abs(GetGValue(a) - GetGValue(b)) > 48 ||
           abs(GetBValue(a) - GetBValue(b)) > 48;
}

int InkRows(const CPixels& pixels, int left, COLORREF background) {
    int rows = 0;
    for (int y = 0; y < pixels.Height(); y++) {
        for (int x = left; x < pixels.Width(); x++) {
            if (Differs(pixels.Colour(x, y), background)) {
                rows++;
                break;
            }
        }
    }
    return rows;
}

#include "app/OpaCheck.h"

#include <vsstyle.h>

#include <cstdlib>

#include "framework/Text.h"
#include "platform/Dwm.h"
#include "platform/FontSize.h"
#include "platform/UxTheme.h"

COpaCheck::~COpaCheck() {
    if (m_bufferedPaintInit)
        UxBufferedPaintUnInit();
}

bool COpaCheck::IsGlowOn() const {
    BOOL enabled = FALSE;
    return SUCCEEDED(IsCompositionEnabled(&enabled)) && enabled;
}

void COpaCheck::OnPaint() {
    if (!IsGlowOn()) {
        Default();
        return;
    }
    if (!m_bufferedPaintInit)
        m_bufferedPaintInit = SUCCEEDED(UxBufferedPaintInit());

    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT client = GetClientRect();
    HDC buffer = nullptr;
    HPAINTBUFFER paintBuffer = UxBeginBufferedPaint(dc, &client, BPBF_TOPDOWNDIB, nullptr, &buffer);
    if (!paintBuffer) {
        EndPaint(m_hWnd, &ps);
        return;
    }
    // The themed box and background; the system's caption in it stays
    // invisible on glass, where GDI leaves the alpha at 0.
    Send(WM_PRINTCLIENT, (WPARAM)buffer, PRF_CLIENT);

    HFONT made = nullptr;
    std::wstring text = ToWide(GetText());
    if (!text.empty()) {
        HTHEME theme = UxOpenThemeData(m_hWnd, L"Button");
        // A parent without a font of its own answers null.
        LOGFONTA lf{};
        auto parentFont = (HFONT)::SendMessageW(GetParent(), WM_GETFONT, 0, 0);
        if (!parentFont || !GetObjectA(parentFont, sizeof lf, &lf))
            GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
        made = CreateFontIndirectA(&lf);
        HGDIOBJ oldFont = made ? SelectObject(buffer, made) : nullptr;
        // A cell height (positive) glows as much as the same character height.
        int glow = PixelToPoint(std::abs(lf.lfHeight));

        SIZE size{};
        GetTextExtentPoint32W(buffer, text.c_str(), (int)text.size(), &size);
        RECT r;
        r.top = (client.bottom - size.cy) / 2 + 1;
        r.bottom = r.top + size.cy;
        r.left = client.left + 16;
        r.right = r.left + size.cx;

        DTTOPTS options{};
        options.dwSize = sizeof options;
        options.dwFlags = DTT_COMPOSITED | DTT_GLOWSIZE;
        options.iGlowSize = glow;
        UxDrawThemeTextEx(theme, buffer, BP_CHECKBOX, 0, text.c_str(), (int)text.size(),
                          DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, &r, &options);
        if (theme)
            UxCloseThemeData(theme);
        if (oldFont)
            SelectObject(buffer, oldFont);
    }
    UxEndBufferedPaint(paintBuffer, TRUE);
    if (made)
        DeleteObject(made);
    EndPaint(m_hWnd, &ps);
}

#include "platform/MenuFont.h"

#include <cstddef>

#include "framework/Trace.h"
#include "platform/OsVersion.h"

HFONT CreateMenuFont() {
    NONCLIENTMETRICSA metrics{};
    // Below Windows 6.0 the system refuses the structure with the padded
    // border width it does not know.
    metrics.cbSize = IsVistaOrLater() ? sizeof metrics : offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        Trace("SystemParametersInfo(SPI_GETNONCLIENTMETRICS) Error=%lu\n", GetLastError());
        return nullptr;
    }
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

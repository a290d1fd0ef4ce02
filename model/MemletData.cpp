#include "model/MemletData.h"

#include <cstring>

#include "model/PropatyData.h"
#include "platform/FontSize.h"

LOGFONTA DefaultMemletFont() {
    LOGFONTA lf{};
    lf.lfHeight = -GetDefaultFontHeight();
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    strncpy(lf.lfFaceName, "ＭＳ Ｐゴシック", sizeof lf.lfFaceName - 1);
    return lf;
}

CMemletData::CMemletData() : m_logFont(DefaultMemletFont()), m_nArLineWidth(g_nArrowLineWidth) {
    m_strKind = "MEMLETA";
}

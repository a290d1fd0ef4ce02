#include "storage/LookKeys.h"

#include <cstring>

#include "framework/Text.h"

int ClampTransparent(int percent) {
    if (percent > 100)
        percent = 100;
    if (percent < 20)
        percent = 20;
    return percent;
}

std::string FaceName(const LOGFONTA& lf) {
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, sizeof lf.lfFaceName));
}

void ReadFontKeys(const CIniSection& ini, size_t bufferSize, LOGFONTA& lf) {
    std::string face = ini.GetString("FONTFACENAME", "", bufferSize);
    if (face.empty())
        return;
    face = MbCut(face, sizeof lf.lfFaceName - 1);
    memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    memcpy(lf.lfFaceName, face.data(), face.size());
    lf.lfHeight = ini.GetInt("FONTHEIGHT", 0);
    lf.lfWeight = ini.GetInt("FONTWEIGHT", 0);
    lf.lfItalic = (BYTE)ini.GetInt("FONTITALIC", 0);
}

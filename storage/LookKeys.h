// Keys that a note section and the property file read the same way.
#pragma once
#include <windows.h>

#include <string>

#include "storage/IniSection.h"

// Opacity in percent as the files allow it: 20..100.
int ClampTransparent(int percent);

// The face name of a font; one that fills the array has no terminating zero.
std::string FaceName(const LOGFONTA& lf);

// FONTFACENAME gates the other font keys: without a face name the font stays
// whole; with one, FONTHEIGHT, FONTWEIGHT and FONTITALIC default to 0. The
// face is cut to 31 bytes on a character boundary.
void ReadFontKeys(const CIniSection& ini, size_t bufferSize, LOGFONTA& lf);

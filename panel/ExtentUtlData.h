// The note-creation record the extension utility sends by WM_COPYDATA.
// All integers little-endian; 116 bytes.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

struct EXTENTUTLDATA {
    int32_t nCheck1;    // must be 1
    int32_t nCheck2;    // must be 1
    uint8_t reserved[8];
    uint64_t hWnd;      // the target; the desktop window asks for a desktop note
    int32_t x, y;       // drop point, screen
    int32_t nColor;     // pick-bar colour index
    int32_t nPickPos;
    int32_t nBkColor;
    int32_t nTxColor;
    LOGFONTA logFont;
    int32_t nGraFlg;
    int32_t nGraPtn;
};
constexpr size_t kExtentUtlDataSize = 116;
static_assert(offsetof(EXTENTUTLDATA, hWnd) == 16 && offsetof(EXTENTUTLDATA, logFont) == 48 &&
              offsetof(EXTENTUTLDATA, nGraPtn) == 112 && sizeof(LOGFONTA) == 60,
              "the record's layout is fixed by the utility");

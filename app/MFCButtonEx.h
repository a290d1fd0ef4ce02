// The main window's buttons: painted fully opaque, because on the glass
// frame every pixel GDI drew (with alpha 0) would let the glass through.
#pragma once
#include "framework/MFCButton.h"

class CMFCButtonEx : public CMFCButton {
protected:
    void OnDraw(HDC dc, const RECT& rect, UINT state) override;
};

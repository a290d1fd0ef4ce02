// A check box that paints its caption itself, with a glow under the text,
// so that it stays readable on the main window's glass frame whatever lies
// behind it. The caption takes the parent's font. Without desktop
// composition it paints as a plain check box.
#pragma once
#include "framework/Button.h"

class COpaCheck : public CButton {
public:
    ~COpaCheck() override;

protected:
    void OnPaint() override;
    // Composition is on: the glow is painted. Tests choose either path here.
    virtual bool IsGlowOn() const;

private:
    bool m_bufferedPaintInit = false;
};

// The text field of a note: a multi-line edit that paints its own
// background, one colour or a gradation of it, tells its listener of the
// mouse, and holds at most a given number of CP932 bytes.
#pragma once
#include <string>

#include "framework/Edit.h"
#include "note/EditMemletListener.h"

class CEditMemlet : public CEdit {
public:
    ~CEditMemlet() override = default;

    // 0: no byte limit of ours.
    void SetByteLimit(size_t bytes) { m_nByteLimit = bytes; }
    // The text, cut to the byte limit on a character boundary.
    void SetLimitedText(const std::string& text);

    int m_nGradation = 0;  // paint the gradation instead of the solid colour
    int m_nPattern = 0;    // gradation pattern 0..7
    COLORREF m_crBase = RGB(255, 255, 255);
    CEditMemletListener* m_pListener = nullptr;  // not owned

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    bool OnEraseBkgnd(HDC dc) override;
    void OnMouseWheel(UINT flags, short delta, POINT screen) override;
    void OnMouseMove(UINT flags, POINT pt) override;
    void OnLButtonDown(UINT flags, POINT pt) override;
    void OnRButtonDown(UINT flags, POINT pt) override;
    bool OnReflectCommand(int code) override;

private:
    void EnforceByteLimit();

    size_t m_nByteLimit = 0;
    std::wstring m_accepted;  // the text after the last change, within the limit
    bool m_bTrimming = false;
};

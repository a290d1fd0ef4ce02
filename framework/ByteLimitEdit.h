// An edit for a text the user goes on writing: it holds at most a given
// number of CP932 bytes (the control itself counts characters), counted
// once what CP932 cannot hold has been left out, and when a dialog gives it
// the focus the caret stays where it is instead of the whole text being
// selected, so that a key typed then does not replace it.
#pragma once
#include <string>

#include "framework/StoredTextEdit.h"

class CByteLimitEdit : public CStoredTextEdit {
public:
    // 0: no byte limit of ours.
    void SetByteLimit(size_t bytes) { m_nByteLimit = bytes; }
    size_t GetByteLimit() const { return m_nByteLimit; }
    // The text, cut to the byte limit on a character boundary.
    void SetLimitedText(const std::string& text);

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    // Takes EN_UPDATE and EN_CHANGE to hold the limit; passes every
    // notification on to the parent.
    bool OnReflectCommand(int code) override;

private:
    void EnforceByteLimit();

    size_t m_nByteLimit = 0;
    std::wstring m_accepted;  // the text after the last change, within the limit
};

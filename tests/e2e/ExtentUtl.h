// The extension utility's side of its protocol with Corvana: a window that
// asks and hears the answers, and the note-creation record sent by
// WM_COPYDATA, laid out byte by byte as the utility writes it.
#pragma once
#include <windows.h>

#include <string>

// A message-only window of ours that Corvana answers.
class CUtilityWindow {
public:
    CUtilityWindow();
    ~CUtilityWindow();
    CUtilityWindow(const CUtilityWindow&) = delete;
    CUtilityWindow& operator=(const CUtilityWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    // The handle Corvana replied with (wParam 1) and how many replies came.
    HWND Replied() const { return m_hWndReplied; }
    int Replies() const { return m_nReplies; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND m_hWnd = nullptr;
    HWND m_hWndReplied = nullptr;
    int m_nReplies = 0;
};

// 116 bytes, little-endian.
struct CNoteRecord {
    static constexpr size_t kSize = 116;
    unsigned char bytes[kSize] = {};

    // Both leading ints 1, the target, the drop point.
    CNoteRecord(HWND target, POINT drop);
    void SetInt(size_t offset, int value);
    void SetChecks(int first, int second);
    void SetLook(int color, int pickPos, int bkColor, int txColor, int graFlg, int graPtn);
    // Height and weight of the font, and its face of up to 32 bytes.
    void SetFont(int height, int weight, const std::string& face);
};

// Sent as the utility sends it; false when it is not answered in time.
bool SendRecord(HWND main, HWND from, const void* data, DWORD size);
inline bool SendRecord(HWND main, HWND from, const CNoteRecord& rec) {
    return SendRecord(main, from, rec.bytes, (DWORD)CNoteRecord::kSize);
}

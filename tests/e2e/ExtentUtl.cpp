#include "e2e/ExtentUtl.h"

#include <cstdint>
#include <cstring>

#include "e2e/CorvanaProcess.h"

namespace {

constexpr wchar_t kClass[] = L"CorvanaE2EUtility";
constexpr UINT kSendMs = 10000;

}  // namespace

CUtilityWindow::CUtilityWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    m_hWnd = CreateWindowExW(0, kClass, L"utility", WS_POPUP, 0, 0, 10, 10, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
}

CUtilityWindow::~CUtilityWindow() {
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CUtilityWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = (CUtilityWindow*)GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    if (self && msg == ExtentUtlMessage() && wp == kHandleReply) {
        self->m_hWndReplied = (HWND)lp;
        self->m_nReplies++;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

CNoteRecord::CNoteRecord(HWND target, POINT drop) {
    SetChecks(1, 1);
    uint64_t handle = (uint64_t)(UINT_PTR)target;
    memcpy(bytes + 16, &handle, 8);
    SetInt(24, drop.x);
    SetInt(28, drop.y);
}

void CNoteRecord::SetInt(size_t offset, int value) {
    for (int i = 0; i < 4; i++)
        bytes[offset + i] = (unsigned char)((unsigned)value >> (8 * i));
}

void CNoteRecord::SetChecks(int first, int second) {
    SetInt(0, first);
    SetInt(4, second);
}

void CNoteRecord::SetLook(int color, int pickPos, int bkColor, int txColor, int graFlg, int graPtn) {
    SetInt(32, color);
    SetInt(36, pickPos);
    SetInt(40, bkColor);
    SetInt(44, txColor);
    SetInt(108, graFlg);
    SetInt(112, graPtn);
}

void CNoteRecord::SetFont(int height, int weight, const std::string& face) {
    // LOGFONTA at 48: five ints (height, width, escapement, orientation,
    // weight), eight bytes (italic to pitch, the character set fourth), the
    // face at 76.
    SetInt(48, height);
    SetInt(64, weight);
    bytes[48 + 23] = SHIFTJIS_CHARSET;
    memset(bytes + 76, 0, 32);
    memcpy(bytes + 76, face.data(), face.size() < 32 ? face.size() : 32);
}

bool SendRecord(HWND main, HWND from, const void* data, DWORD size) {
    COPYDATASTRUCT cds{};
    cds.dwData = 0;
    cds.cbData = size;
    cds.lpData = (void*)data;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(main, WM_COPYDATA, (WPARAM)from, (LPARAM)&cds, SMTO_NORMAL, kSendMs, &result) != 0;
}

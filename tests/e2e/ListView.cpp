#include "e2e/ListView.h"

#include <commctrl.h>

#include "e2e/Input.h"
#include "e2e/Waiting.h"
#include "framework/Text.h"

namespace {

constexpr UINT kSendMs = 5000;

// A block of another process's memory, freed with the object.
class CRemoteBlock {
public:
    CRemoteBlock(HWND owner, size_t size) : m_size(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(owner, &pid);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process)
            m_at = (BYTE*)VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~CRemoteBlock() {
        if (m_at)
            VirtualFreeEx(m_process, m_at, 0, MEM_RELEASE);
        if (m_process)
            CloseHandle(m_process);
    }
    CRemoteBlock(const CRemoteBlock&) = delete;
    CRemoteBlock& operator=(const CRemoteBlock&) = delete;

    BYTE* At() const { return m_at; }
    bool Write(size_t offset, const void* data, size_t size) const {
        SIZE_T done = 0;
        return m_at && offset + size <= m_size && WriteProcessMemory(m_process, m_at + offset, data, size, &done) &&
               done == size;
    }
    bool Read(size_t offset, void* data, size_t size) const {
        SIZE_T done = 0;
        return m_at && offset + size <= m_size && ReadProcessMemory(m_process, m_at + offset, data, size, &done) &&
               done == size;
    }

private:
    HANDLE m_process = nullptr;
    BYTE* m_at = nullptr;
    size_t m_size;
};

bool Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_NORMAL, kSendMs, &r))
        return false;
    result = (LRESULT)r;
    return true;
}

bool RowRect(HWND list, int row, RECT& r) {
    CRemoteBlock block(list, sizeof(RECT));
    RECT ask{};
    ask.left = LVIR_BOUNDS;
    LRESULT ok = 0;
    return block.Write(0, &ask, sizeof ask) && Send(list, LVM_GETITEMRECT, row, (LPARAM)block.At(), ok) && ok &&
           block.Read(0, &r, sizeof r);
}

}  // namespace

int ListRowCount(HWND list) {
    LRESULT n = 0;
    return Send(list, LVM_GETITEMCOUNT, 0, 0, n) ? (int)n : -1;
}

int ListSelectionMark(HWND list) {
    LRESULT mark = -1;
    return Send(list, LVM_GETSELECTIONMARK, 0, 0, mark) ? (int)mark : -1;
}

std::string ListCellText(HWND list, int row, int column) {
    constexpr int kChars = 4200;
    CRemoteBlock block(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = column;
    item.cchTextMax = kChars;
    item.pszText = (LPWSTR)(block.At() + sizeof(LVITEMW));
    LRESULT got = 0;
    if (!block.Write(0, &item, sizeof item) || !Send(list, LVM_GETITEMTEXTW, row, (LPARAM)block.At(), got) ||
        got <= 0 || got >= kChars)
        return {};
    std::wstring text((size_t)got, L'\0');
    if (!block.Read(sizeof(LVITEMW), text.data(), got * sizeof(wchar_t)))
        return {};
    return FromWide(text);
}

std::vector<std::string> ListColumn(HWND list, int column) {
    std::vector<std::string> texts;
    for (int row = 0, n = ListRowCount(list); row < n; row++)
        texts.push_back(ListCellText(list, row, column));
    return texts;
}

int FindListRow(HWND list, int column, const std::string& text) {
    std::vector<std::string> texts = ListColumn(list, column);
    for (size_t row = 0; row < texts.size(); row++)
        if (texts[row] == text)
            return (int)row;
    return -1;
}

bool ClickListRow(HWND list, int row) {
    // Given again when the first was lost, as with the clicks into a note's
    // field: seen to happen right after the window came in front.
    for (int attempt = 0; attempt < 3; attempt++) {
        RECT r{};
        if (!RowRect(list, row, r))
            return false;
        POINT pt{r.left + 12, (r.top + r.bottom) / 2};
        if (!ClientToScreen(list, &pt) || !ClickAt(pt))
            return false;
        if (WaitFor([&] { return ListSelectionMark(list) == row; }, 3000))
            return true;
    }
    return false;
}

// A child-window condition tested without listing every child: of the
// children of one window, in enumeration order, each is read only as far as
// a test needs (its control id, then its class, then whether it is listed
// and its text), and at most once. A window's children can be many, and
// every read of another program's window costs a server round trip, its
// text a message to that program.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The text of a child as CWinInf::EnumChild lists it, each CR and LF a
// space as in the data file: false when the child is hidden or disabled,
// does not answer, or has no text.
bool ReadListedChildText(HWND child, std::string& text);
std::string ReadChildClass(HWND child);

class CChildScan {
public:
    // The text of the first child of top that CWinInf::EnumChild would list
    // with that class and control id. The children are taken once, while
    // top is still a window.
    bool FindText(HWND top, const std::string& className, int ctlId, std::string& text);

private:
    struct Child {
        HWND hwnd = nullptr;
        int ctlId = 0;
        bool classRead = false, textRead = false, listed = false;
        std::string className, text;
    };
    static BOOL CALLBACK Collect(HWND child, LPARAM self) noexcept;
    bool m_bTaken = false;
    std::vector<Child> m_children;
};

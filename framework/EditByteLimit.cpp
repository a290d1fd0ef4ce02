#include "framework/EditByteLimit.h"

#include <algorithm>

#include "framework/Text.h"

namespace {

// The most characters of w from its start that fit in limit bytes; a
// surrogate pair counts as one character.
size_t FittingPrefix(std::wstring_view w, size_t limit) {
    size_t bytes = 0, i = 0;
    while (i < w.size()) {
        size_t unit = IsHighSurrogate(w[i]) && i + 1 < w.size() ? 2 : 1;
        size_t b = ByteLength(w.substr(i, unit));
        if (bytes + b > limit)
            break;
        bytes += b;
        i += unit;
    }
    return i;
}

}  // namespace

bool FindOverflow(std::wstring_view before, std::wstring_view after, size_t caret, size_t limit, size_t& start,
                  size_t& count) {
    if (ByteLength(after) <= limit)
        return false;
    size_t n = after.size(), m = before.size();
    // [a, e) of after replaced [a, b) of before. The caret marks the end of
    // the insertion when the text after it is the old text's end.
    size_t e, b;
    if (caret <= n && n - caret <= m && after.substr(caret) == before.substr(m - (n - caret))) {
        e = caret;
        b = m - (n - caret);
    } else {
        size_t s = 0;
        while (s < n && s < m && after[n - 1 - s] == before[m - 1 - s])
            s++;
        e = n - s;
        b = m - s;
    }
    size_t a = 0;
    while (a < e && a < b && after[a] == before[a])
        a++;
    if (a > 0 && a < e && IsHighSurrogate(after[a - 1]))
        a--;  // a pair is kept or taken whole
    size_t rest = ByteLength(after.substr(0, a)) + ByteLength(after.substr(e));
    if (rest > limit) {
        // The text was too long before the change: keep its start.
        start = FittingPrefix(after, limit);
        count = n - start;
        return true;
    }
    start = a + FittingPrefix(after.substr(a, e - a), limit - rest);
    count = e - start;
    return true;
}

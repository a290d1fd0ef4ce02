#include "framework/StoredText.h"

#include <windows.h>

#include "framework/Text.h"

namespace {

// The bytes of w in CP932; usedDefault tells whether the conversion had to
// use its default character.
std::string Narrow(std::wstring_view w, BOOL& usedDefault) {
    usedDefault = FALSE;
    std::string s(w.size() * 2, '\0');
    int n = WideCharToMultiByte(kTextCodePage, 0, w.data(), (int)w.size(), s.data(), (int)s.size(), nullptr,
                                &usedDefault);
    s.resize(n > 0 ? n : 0);
    return s;
}

}  // namespace

std::wstring StoredForm(std::wstring_view w) {
    // Most texts are kept whole: one conversion there and back says so.
    BOOL usedDefault = FALSE;
    std::string whole = Narrow(w, usedDefault);
    if (!usedDefault && ToWide(whole) == w)
        return std::wstring(w);
    std::wstring out;
    out.reserve(w.size());
    for (size_t i = 0; i < w.size();) {
        size_t unit = IsHighSurrogate(w[i]) && i + 1 < w.size() && IsLowSurrogate(w[i + 1]) ? 2 : 1;
        std::string one = Narrow(w.substr(i, unit), usedDefault);
        if (!usedDefault)
            out += ToWide(one);
        i += unit;
    }
    return out;
}

bool FindUnstoredSpan(std::wstring_view text, size_t caret, CStoredSpan& span) {
    std::wstring stored = StoredForm(text);
    if (stored == text)
        return false;
    // Every character kept as it is stays: the run between the first and
    // the last one that changed is replaced.
    size_t n = text.size(), m = stored.size();
    size_t p = 0;
    while (p < n && p < m && text[p] == stored[p])
        p++;
    size_t s = 0;
    while (s < n - p && s < m - p && text[n - 1 - s] == stored[m - 1 - s])
        s++;
    span.start = p;
    span.count = n - s - p;
    span.text = stored.substr(p, m - s - p);
    span.caret = StoredForm(text.substr(0, caret < n ? caret : n)).size();
    return true;
}

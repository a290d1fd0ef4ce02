// Text for a field whose text is kept in CP932: each character as the
// conversion will save it and read it back. A character CP932 holds only by
// a best fit (é, ¥) becomes what it will read back as (e, \); one for which
// the conversion has only its default character (an emoji, Hangul) is left
// out. A surrogate pair is one character.
#pragma once
#include <string>
#include <string_view>

std::wstring StoredForm(std::wstring_view w);

// A text in which a change put characters that are not kept as they are:
// the one run [start, start + count) to replace with text, after which the
// caret goes to caret (the old caret's place in the stored form).
struct CStoredSpan {
    size_t start = 0, count = 0;
    std::wstring text;
    size_t caret = 0;
};
// False when text is kept as it is.
bool FindUnstoredSpan(std::wstring_view text, size_t caret, CStoredSpan& span);

// A byte limit for an edit control, which counts its limit in characters:
// after a change, what to take out of the new text so that it holds at most
// so many bytes in CP932. The part taken out is the end of what the change
// put in, so typing, pasting and IME input stop at the limit and no
// character is split.
#pragma once
#include <cstddef>
#include <string_view>

// before: the text before the change, after: the text now, caret: the
// caret now (the end of what was put in, as after typing or pasting).
// Gives false when after fits; otherwise the span [start, start + count)
// of after to remove.
bool FindOverflow(std::wstring_view before, std::wstring_view after, size_t caret, size_t limit, size_t& start,
                  size_t& count);

#include <gtest/gtest.h>

#include <string>

#include "framework/EditByteLimit.h"
#include "framework/Text.h"

namespace {

// The text after taking out what FindOverflow names.
std::wstring Apply(const std::wstring& before, const std::wstring& after, size_t caret, size_t limit) {
    size_t start = 0, count = 0;
    if (!FindOverflow(before, after, caret, limit, start, count))
        return after;
    std::wstring w = after;
    w.erase(start, count);
    return w;
}

TEST(ByteLimit, TheEndOfWhatWasPutInGoes) {
    const std::wstring a8(8, L'a');  // 8 bytes
    struct Case {
        const char* what;
        std::wstring before, after;
        size_t caret, limit;
        std::wstring expected;
    } cases[] = {
        {"fits", L"abc", L"abcd", 4, 10, L"abcd"},
        {"typed at the end", a8, a8 + L"b", 9, 8, a8},
        {"double-byte typed into one free byte", a8.substr(1), a8.substr(1) + L"あ", 8, 8, a8.substr(1)},
        {"double-byte typed into two free bytes", a8.substr(2), a8.substr(2) + L"あ", 7, 8, a8.substr(2) + L"あ"},
        {"paste cut at a character", L"abcd", L"abかきくcd", 5, 7, L"abかcd"},
        {"paste at the start", L"abcd", L"かきくabcd", 3, 8, L"かきabcd"},
        {"paste over a selection", L"abXXcd", L"abかきくけcd", 6, 10, L"abかきくcd"},
        {"same letters around the caret", L"aaaa", L"aaaaaa", 3, 5, L"aaaaa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::wstring got = Apply(c.before, c.after, c.caret, c.limit);
        EXPECT_EQ(FromWide(c.expected), FromWide(got));
        EXPECT_LE(ByteLength(got), c.limit);
    }
}

TEST(ByteLimit, SurrogatePairsStayWhole) {
    // A character outside the code page still takes one or two bytes; its
    // two halves go or stay together.
    for (size_t limit = 2; limit <= 5; limit++) {
        std::wstring got = Apply(L"ab", L"ab\U0001F600\U0001F600", 6, limit);
        SCOPED_TRACE(limit);
        EXPECT_EQ(0u, got.size() % 2);
        EXPECT_LE(ByteLength(got), limit);
    }
}

TEST(ByteLimit, CaretElsewhereFallsBackToTheChangedRun) {
    // The caret does not mark the insertion: the run that differs goes.
    std::wstring got = Apply(L"abcd", L"abかきくcd", 0, 8);
    EXPECT_EQ(FromWide(L"abかきcd"), FromWide(got));
}

TEST(ByteLimit, TooLongBeforeTheChangeKeepsTheStart) {
    // The old text alone is over the limit (set from elsewhere): the end goes.
    std::wstring before(6, L'あ');  // 12 bytes
    std::wstring got = Apply(before, before + L"x", 7, 9);
    EXPECT_EQ(FromWide(std::wstring(4, L'あ')), FromWide(got));
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "app/VersionString.h"

// The data file's VERSION value: "," becomes "-", then ";" becomes ".".
static std::string VersionHeader(std::string s) {
    for (char& c : s)
        if (c == ',')
            c = '-';
    for (char& c : s)
        if (c == ';')
            c = '.';
    return s;
}

TEST(VersionString, BuiltOnceFromTheProductVersion) {
    const char* first = GetVersionString();
    EXPECT_STREQ("Ver.:1.1.6.193", first);
    EXPECT_EQ(1, VersionStringBuilt());

    const char* second = GetVersionString();
    EXPECT_EQ(first, second);
    EXPECT_STREQ("Ver.:1.1.6.193", second);

    EXPECT_EQ("Ver.:1.1.6.193", VersionHeader(GetVersionString()));
}

TEST(VersionString, HeaderRule) {
    EXPECT_EQ("Ver.:1-1-6-193.beta", VersionHeader("Ver.:1,1,6,193;beta"));
}

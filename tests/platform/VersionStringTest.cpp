#include <gtest/gtest.h>

#include <string>

#include "platform/VersionString.h"


TEST(VersionString, BuiltOnceFromTheProductVersion) {
    const char* first = GetVersionString();
    EXPECT_STREQ("Ver.:1.1.6.193", first);
    EXPECT_EQ(1, VersionStringBuilt());

    const char* second = GetVersionString();
    EXPECT_EQ(first, second);
    EXPECT_STREQ("Ver.:1.1.6.193", second);

    EXPECT_EQ("Ver.:1.1.6.193", HeaderVersion(GetVersionString()));
}

TEST(VersionString, HeaderRule) {
    EXPECT_EQ("Ver.:1-1-6-193.beta", HeaderVersion("Ver.:1,1,6,193;beta"));
}

// The entry of every test executable: gtest's, with the crash report.
#include <gtest/gtest.h>

#include "framework/CrashReport.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallCrashReport();
    return RUN_ALL_TESTS();
}

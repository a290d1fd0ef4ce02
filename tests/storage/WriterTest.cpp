#include <gtest/gtest.h>

#include "StorageTestFiles.h"
#include "storage/WriteIniFile.h"

namespace {

struct Line {
    const char* section;
    const char* key;
    std::string value;
};

class WriterTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::wstring target = folder.File(L"Test.ini");

    int Write(CWriteIniFile& w, std::initializer_list<Line> lines) {
        int ok = 1;
        for (const Line& l : lines)
            ok = w.writeString(l.section, l.key, l.value) && ok;
        return ok;
    }
};

TEST_F(WriterTest, WritesHeaderWhenTheSectionChangesAndReplacesTheOldFile) {
    ASSERT_TRUE(WriteBytes(target, "[OLD]\r\nX=1\r\n"));
    CWriteIniFile w;
    ASSERT_NE(0, w.openFile(target));
    EXPECT_EQ(1, Write(w, {{"A", "K1", "v1"}, {"A", "K2", ""}, {"B", "K", "ｶﾅ漢字"}, {"A", "K", "y"}}));
    // Nothing reaches the old file before the new one is whole.
    EXPECT_EQ("[OLD]\r\nX=1\r\n", ReadBytes(target));
    EXPECT_NE(0, w.closeFile());
    EXPECT_EQ("[A]\r\nK1=v1\r\nK2=\r\n[B]\r\nK=ｶﾅ漢字\r\n[A]\r\nK=y\r\n", ReadBytes(target));
    EXPECT_FALSE(FileExists(target + L".tmp"));
}

TEST_F(WriterTest, EveryOpenStartsWithAHeaderLine) {
    CWriteIniFile w;
    for (int round = 0; round < 2; round++) {
        ASSERT_NE(0, w.openFile(target));
        Write(w, {{"SYSTEM", "MEMLTENUM", "0"}});
        ASSERT_NE(0, w.closeFile());
        EXPECT_EQ("[SYSTEM]\r\nMEMLTENUM=0\r\n", ReadBytes(target)) << "round " << round;
    }
}

TEST_F(WriterTest, LineBreaksInsideNamesAndValuesBecomeSpaces) {
    struct Case {
        Line line;
        const char* expected;
    } cases[] = {
        {{"S", "TITLE", "x\r\nTEXT=41"}, "[S]\r\nTITLE=x  TEXT=41\r\n"},
        {{"S", "EXTEXT", "line1\nline2\r"}, "[S]\r\nEXTEXT=line1 line2 \r\n"},
        {{"S", "K\r\n[X]", "v"}, "[S]\r\nK  [X]=v\r\n"},
        {{"S\nT", "K", "\r"}, "[S T]\r\nK= \r\n"},
    };
    for (const Case& c : cases) {
        CWriteIniFile w;
        ASSERT_NE(0, w.openFile(target));
        EXPECT_EQ(1, w.writeString(c.line.section, c.line.key, c.line.value));
        ASSERT_NE(0, w.closeFile());
        EXPECT_EQ(c.expected, ReadBytes(target)) << c.line.key;
    }
}

TEST_F(WriterTest, ContentLargerThanOneBufferIsWrittenWhole) {
    CWriteIniFile w;
    ASSERT_NE(0, w.openFile(target));
    std::string expected;
    for (int i = 0; i < 5000; i++) {
        std::string section = "MEMLETITEM" + std::to_string(i / 50);
        std::string value = "メモ" + std::to_string(i) + std::string(i % 97, 'x');
        if (i % 50 == 0)
            expected += "[" + section + "]\r\n";
        expected += "TEXT=" + value + "\r\n";
        ASSERT_EQ(1, w.writeString(section, "TEXT", value));
    }
    ASSERT_NE(0, w.closeFile());
    EXPECT_EQ(expected, ReadBytes(target));
}

TEST_F(WriterTest, NothingIsWrittenWhileNoFileIsOpen) {
    CWriteIniFile w;
    EXPECT_EQ(0, w.writeString("S", "K", "v"));
    EXPECT_EQ(0, w.closeFile());
    ASSERT_NE(0, w.openFile(target));
    ASSERT_NE(0, w.closeFile());
    EXPECT_EQ(0, w.writeString("S", "K", "v"));
    EXPECT_EQ("", ReadBytes(target));
}

TEST_F(WriterTest, LockedTargetFailsToOpenAndStaysUnchanged) {
    ASSERT_TRUE(WriteBytes(target, "[OLD]\r\n"));
    HANDLE lock = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    CWriteIniFile w;
    EXPECT_EQ(0, w.openFile(target));
    EXPECT_EQ(0, w.writeString("S", "K", "v"));
    EXPECT_EQ(0, w.closeFile());
    CloseHandle(lock);
    EXPECT_EQ("[OLD]\r\n", ReadBytes(target));
    EXPECT_FALSE(FileExists(target + L".tmp"));
}

TEST_F(WriterTest, MissingFolderFailsToOpen) {
    CWriteIniFile w;
    EXPECT_EQ(0, w.openFile(folder.File(L"no-such-folder\\Test.ini")));
}

// An editor that keeps the file open sharing reads, writes and deletes: Wine
// (and Windows before POSIX renames) refuses the rename onto it, the rewrite
// in place works.
TEST_F(WriterTest, RefusedReplaceFallsBackToRewritingInPlace) {
    ASSERT_TRUE(WriteBytes(target, "[OLD]\r\nX=a much longer old content than the new one\r\n"));
    HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    CWriteIniFile w;
    ASSERT_NE(0, w.openFile(target));
    Write(w, {{"NEW", "K", "v"}});
    EXPECT_NE(0, w.closeFile());
    CloseHandle(held);
    EXPECT_EQ("[NEW]\r\nK=v\r\n", ReadBytes(target));
    EXPECT_FALSE(FileExists(target + L".tmp"));
}

// Another program takes the file for itself while the save runs: neither
// the replace nor the rewrite is possible, and the save reports it.
TEST_F(WriterTest, TargetLockedDuringTheSaveFailsAtClose) {
    ASSERT_TRUE(WriteBytes(target, "[OLD]\r\n"));
    CWriteIniFile w;
    ASSERT_NE(0, w.openFile(target));
    Write(w, {{"NEW", "K", "v"}});
    HANDLE lock = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ(0, w.closeFile());
    CloseHandle(lock);
    EXPECT_EQ("[OLD]\r\n", ReadBytes(target));
    EXPECT_FALSE(FileExists(target + L".tmp"));
}

TEST_F(WriterTest, AbandonedWriteLeavesTheOldFile) {
    ASSERT_TRUE(WriteBytes(target, "[OLD]\r\n"));
    CWriteIniFile w;
    ASSERT_NE(0, w.openFile(target));
    Write(w, {{"NEW", "K", "v"}});
    w.abandonFile();
    EXPECT_EQ(0, w.closeFile());
    EXPECT_EQ("[OLD]\r\n", ReadBytes(target));
    EXPECT_FALSE(FileExists(target + L".tmp"));
}

TEST_F(WriterTest, DestroyingAnOpenWriterCompletesTheFile) {
    {
        CWriteIniFile w;
        ASSERT_NE(0, w.openFile(target));
        Write(w, {{"S", "K", "v"}});
    }
    EXPECT_EQ("[S]\r\nK=v\r\n", ReadBytes(target));
    EXPECT_FALSE(FileExists(target + L".tmp"));
}

// Finished, the new file lies whole beside the old one, which stays as it
// was until the replace; a finished file not put in place goes again.
TEST_F(WriterTest, AFinishedFileWaitsBesideTheOldOneForTheReplace) {
    const std::string old = "[OLD]\r\n", now = "[NEW]\r\nK=v\r\n";
    const struct {
        const char* what;
        bool replace;  // else abandoned, or the writer destroyed
        bool destroy;
    } cases[] = {{"replaced", true, false}, {"abandoned", false, false}, {"destroyed", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(target, old));
        {
            CWriteIniFile w;
            ASSERT_NE(0, w.openFile(target));
            Write(w, {{"NEW", "K", "v"}});
            ASSERT_NE(0, w.finishFile());
            EXPECT_EQ(0, w.writeString("NEW", "L", "w"));
            EXPECT_EQ(old, ReadBytes(target));
            EXPECT_EQ(now, ReadBytes(target + L".tmp"));
            if (c.replace) {
                EXPECT_NE(0, w.replaceFile());
            } else if (!c.destroy) {
                w.abandonFile();
            }
            if (!c.destroy) {
                EXPECT_EQ(0, w.replaceFile());  // nothing is left to put in place
            }
        }
        EXPECT_EQ(c.replace ? now : old, ReadBytes(target));
        EXPECT_FALSE(FileExists(target + L".tmp"));
    }
}

// A save killed earlier leaves its temporary file; the next save overwrites it.
TEST_F(WriterTest, LeftoverTemporaryFileIsOverwritten) {
    ASSERT_TRUE(WriteBytes(target + L".tmp", "[HALF]\r\nK=garbage that is longer"));
    CWriteIniFile w;
    ASSERT_NE(0, w.openFile(target));
    Write(w, {{"S", "K", "v"}});
    ASSERT_NE(0, w.closeFile());
    EXPECT_EQ("[S]\r\nK=v\r\n", ReadBytes(target));
    EXPECT_FALSE(FileExists(target + L".tmp"));
}

}  // namespace

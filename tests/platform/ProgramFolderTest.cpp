// Start-up takes its own folder as the current directory, from which its
// files are named, or says it cannot and runs no further.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/ProgramFolder.h"

namespace {

std::wstring Current() {
    wchar_t dir[MAX_PATH * 2] = {};
    GetCurrentDirectoryW(MAX_PATH * 2, dir);
    return dir;
}

class EnterFolder : public testing::Test {
protected:
    void SetUp() override {
        m_before = Current();
        wchar_t tmp[MAX_PATH];
        GetTempPathW(MAX_PATH, tmp);
        m_cafe = std::wstring(tmp) + L"corvana-folder-caf\u00e9 \u2615 \uba54\ubaa8-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_cafe.c_str(), nullptr);
    }
    void TearDown() override {
        SetCurrentDirectoryW(m_before.c_str());
        RemoveDirectoryW(m_cafe.c_str());
    }
    std::wstring m_before, m_cafe;
};

TEST_F(EnterFolder, AnyNameIsEnteredAsItIs) {
    ASSERT_TRUE(EnterProgramFolder(m_cafe));
    EXPECT_EQ(Current(), m_cafe);
    // The root of a drive, not the drive's current folder.
    ASSERT_TRUE(SetCurrentDirectoryW((m_cafe + L"\\..").c_str()));
    ASSERT_TRUE(EnterProgramFolder(L"C:"));
    EXPECT_EQ(Current(), L"C:\\");
}

// Where the current directory cannot become the program's folder, the files
// of the folder that stays current would be taken for its own.
TEST_F(EnterFolder, AFolderThatCannotBeEnteredIsRefusedAndTheCurrentOneStays) {
    ASSERT_TRUE(SetCurrentDirectoryW(m_cafe.c_str()));
    const std::wstring refused[] = {L"", m_cafe + L"\\missing", m_cafe + L"\\a\x01name"};
    for (const std::wstring& folder : refused) {
        EXPECT_FALSE(EnterProgramFolder(folder)) << folder;
        EXPECT_EQ(Current(), m_cafe);
    }
}

TEST(UnservedFolder, TheMessageNamesTheFolderAsItIs) {
    const std::wstring folder = L"D:\\caf\u00e9\\\uba54\ubaa8";
    const std::wstring text = UnservedFolderMessage(folder);
    EXPECT_NE(text.find(L"\r\n\r\n" + folder + L"\r\n\r\n"), std::wstring::npos);
}

}  // namespace

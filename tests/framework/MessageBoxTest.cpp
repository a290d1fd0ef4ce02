#include <gtest/gtest.h>

#include "framework/MessageBox.h"

namespace {

std::string g_text;
UINT g_type;

int AnswerNo(const std::string& text, UINT type) {
    g_text = text;
    g_type = type;
    return IDNO;
}

TEST(AppMessageBox, HookAnswersInsteadOfTheScreen) {
    SetMessageBoxHook(AnswerNo);
    EXPECT_EQ(IDNO, AppMessageBox("削除しますか？", MB_YESNO));
    EXPECT_EQ("削除しますか？", g_text);
    EXPECT_EQ((UINT)MB_YESNO, g_type);
    EXPECT_EQ(IDNO, AppMessageBox("表示"));
    EXPECT_EQ((UINT)MB_OK, g_type);
    SetMessageBoxHook(nullptr);
}

}  // namespace

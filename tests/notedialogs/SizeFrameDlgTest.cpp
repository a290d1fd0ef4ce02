// The size-frame dialog run modal and driven from inside its own loop.
#include <gtest/gtest.h>

#include "dialogs/SizeFrameDlg.h"
#include "notedialogs/ModalScript.h"
#include "res/resource.h"

namespace {

TEST(SizeFrameDlg, RadiosGiveTheirValuesInTemplateOrder) {
    // 外す (1040) is 0 and comes first, although its id is the higher.
    const struct {
        int given;
        int checked;  // 0: none
        int click;    // 0: none
        int result;
    } cases[] = {
        {0, IDC_RADIO_FRAME_OFF, 0, 0},
        {1, IDC_RADIO_FRAME_ON, 0, 1},
        {1, IDC_RADIO_FRAME_ON, IDC_RADIO_FRAME_OFF, 0},
        {0, IDC_RADIO_FRAME_OFF, IDC_RADIO_FRAME_ON, 1},
        // Out of range: nothing checked; the caller's value comes back.
        {-1, 0, 0, -1},
        {2, 0, 0, 2},
        {7, 0, 0, 7},
        {7, 0, IDC_RADIO_FRAME_OFF, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.given << " " << c.click);
        CSizeFrameDlg dlg;
        dlg.m_nFrame = c.given;
        INT_PTR result = RunModal(dlg, [&] {
            EXPECT_EQ("サイズ変更枠", dlg.GetText());
            EXPECT_EQ(c.checked == IDC_RADIO_FRAME_OFF, IsChecked(dlg, IDC_RADIO_FRAME_OFF));
            EXPECT_EQ(c.checked == IDC_RADIO_FRAME_ON, IsChecked(dlg, IDC_RADIO_FRAME_ON));
            if (c.click)
                Click(dlg, c.click);
            Click(dlg, IDOK);
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(c.result, dlg.m_nFrame);
    }
}

}  // namespace

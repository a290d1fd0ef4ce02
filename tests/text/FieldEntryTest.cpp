// Every field whose text is kept in CP932, and every way a text reaches
// it: what the field shows is what is saved and read back.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/EditDlg.h"
#include "dialogs/MatchConditionDlg.h"
#include "dialogs/PoreSetSettingDlg.h"
#include "framework/ModalScript.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "framework/WideUnits.h"
#include "model/MemletData.h"
#include "note/MemletWin.h"
#include "note/NoteFixture.h"
#include "res/resource.h"
#include "storage/SectionFixture.h"
#include "storage/WriteIniFile.h"
#include "text/Entry.h"

namespace {

// Typed, pasted, composed or set, the same: what CP932 cannot hold is left
// out, a best fit goes in as it reads back, the rest as it is.
const std::wstring kGiven = L"会議 café ☕ 😀 𠮷 한국 終わり";
const std::wstring kKept = L"会議 cafe     終わり";

struct Way {
    const char* name;
    void (*enter)(HWND field, const std::wstring& text);
};
const Way kWays[] = {
    {"keys", TypeKeys},
    {"clipboard", Paste},
    {"input method", Compose},
    {"WM_SETTEXT", [](HWND field, const std::wstring& text) { SendMessageW(field, WM_SETTEXT, 0, (LPARAM)text.c_str()); }},
    {"EM_REPLACESEL",
     [](HWND field, const std::wstring& text) { SendMessageW(field, EM_REPLACESEL, TRUE, (LPARAM)text.c_str()); }},
};

// The field has taken all of it: the keys and the input method's
// characters come through the queue.
void EnterAndSettle(HWND field, const Way& way) {
    way.enter(field, kGiven);
    PumpUntil([field] {
        std::wstring now = GetWindowTextWide(field);
        return now.size() >= 3 && now.compare(now.size() - 3, 3, L"終わり") == 0;
    });
    PumpFor(50);
}

class FieldEntry : public NoteTest {
public:
    // Each field: the text entered, what it showed, and what was stored.
    void Note(const Way& way, std::wstring& shown, std::string& saved) {
        CMemletData r;
        r.m_rectWin = RECT{750, 200, 1000, 300};
        r.StartMemlet(m_target.m_hWnd);
        ASSERT_TRUE(r.m_pMemletWin);
        HWND note = r.m_pMemletWin->m_hWnd, field = r.m_pMemletWin->m_editMemlet.m_hWnd;
        ASSERT_TRUE(PumpUntil([note] { return IsWindowEnabled(note) != 0; }));
        SetFocus(field);
        EnterAndSettle(field, way);
        shown = GetWindowTextWide(field);
        // Closed: the record takes the text, writes its section and reads it back.
        r.EndMemlet();
        std::wstring path = SectionTestPath(L"fieldentry.ini");
        CWriteIniFile writer;
        ASSERT_TRUE(writer.openFile(path));
        ASSERT_EQ(1, r.WriteIniSection(writer, 0, 0, "MEMLETITEM0", path));
        ASSERT_TRUE(writer.closeFile());
        CMemletData back;
        back.ReadIniSection(0, "MEMLETITEM0", path);
        saved = back.m_strText;
    }

    void Body(const Way& way, std::wstring& shown, std::string& saved) {
        CEditDlg dlg;
        EnterInDialog(dlg, "本文編集", IDC_EDIT_BODY, way, shown);
        saved = dlg.m_strText;
    }

    void Match(int id, const Way& way, std::wstring& shown, std::string& saved) {
        CMatchConditionDlg dlg;
        dlg.m_MemletData.m_nProcessFlag = 1;
        EnterInDialog(dlg, "マッチング条件設定", id, way, shown);
        CMemletData d = dlg.GetMemletData();
        saved = id == IDC_EDIT_TITLEPART ? d.m_strPart : d.m_strExPart;
    }

    void Preset(const Way& way, std::wstring& shown, std::string& saved) {
        CPoreSetSettingDlg dlg;
        dlg.m_nMode = 0;
        dlg.m_PreSetCondData.m_strExeName = "NOTEPAD.EXE";
        dlg.m_PreSetCondData.m_strExClass = "Edit";
        EnterInDialog(dlg, "プリセット条件設定", IDC_EDIT_CONDNAME, way, shown);
        saved = dlg.GetPreSetCondData().m_strCondName;
    }

private:
    // The dialog run modal: the text entered into one of its fields, then OK.
    static void EnterInDialog(CDialog& dlg, const char* caption, int id, const Way& way, std::wstring& shown) {
        CModalScript script(caption, [&](HWND h) {
            HWND field = GetDlgItem(h, id);
            SetFocus(field);
            EnterAndSettle(field, way);
            shown = GetWindowTextWide(field);
            SendMessageW(GetDlgItem(h, IDOK), BM_CLICK, 0, 0);
        });
        EXPECT_EQ(IDOK, dlg.DoModal());
    }
};

TEST_F(FieldEntry, WhatTheFieldShowsIsWhatIsSaved) {
    const struct {
        const char* name;
        std::function<void(FieldEntry&, const Way&, std::wstring&, std::string&)> run;
    } fields[] = {
        {"note", [](FieldEntry& t, const Way& w, std::wstring& s, std::string& v) { t.Note(w, s, v); }},
        {"body", [](FieldEntry& t, const Way& w, std::wstring& s, std::string& v) { t.Body(w, s, v); }},
        {"title part",
         [](FieldEntry& t, const Way& w, std::wstring& s, std::string& v) { t.Match(IDC_EDIT_TITLEPART, w, s, v); }},
        {"child text part",
         [](FieldEntry& t, const Way& w, std::wstring& s, std::string& v) { t.Match(IDC_EDIT_EXPART, w, s, v); }},
        {"preset name", [](FieldEntry& t, const Way& w, std::wstring& s, std::string& v) { t.Preset(w, s, v); }},
    };
    for (const auto& field : fields) {
        for (const Way& way : kWays) {
            SCOPED_TRACE(std::string(field.name) + ", " + way.name);
            std::wstring shown;
            std::string saved;
            field.run(*this, way, shown, saved);
            EXPECT_EQ(Units(kKept), Units(shown));
            EXPECT_EQ(Units(shown), Units(ToWide(saved)));
        }
    }
}

}  // namespace

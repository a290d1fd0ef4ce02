// The export cache, the import cache and the pending list as the main window
// holds them: created hidden beside a panel of the test's own, published in
// the hub. Message boxes and file dialogs are answered by the test.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/ExportStackDlg.h"
#include "dialogs/InportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "framework/FileDialog.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/PanelFixture.h"

// Fixture files of the test's resources, byte for byte.
enum : int {
    kFileExportTwo = 301,      // the two records of TwoRecords(), exported
    kFileImportTwoSaved = 302,  // the same, imported and saved as a data file
    kFilePendingCba = 303,     // C, B, A parked, format 1, key kTestVolumeKey
    kFilePendingEmpty = 304,   // an empty pending list, format 1
};
std::string FixtureFile(int id);

constexpr int kTestVolumeKey = 0x12345678;

// The records of kFileExportTwo: a note with a Japanese title and text, a
// font of its own, a leader line and a child condition; one with no text.
std::vector<CMemletData> TwoRecords();
// A note of the pending fixture: "保留<letter>" on "<letter>.txt - メモ帳".
CMemletData PendingRecord(char letter);

class CachesTest : public PanelTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next boxes' answers, in order (IDYES / IDNO); OK boxes need none.
    // An action runs while the box is open, as the user's other clicks would.
    void Answer(int id, std::function<void()> whileOpen = nullptr);
    // The texts of the boxes shown since the last call.
    std::vector<std::string> Boxes();
    // The next file dialog gives this path; an empty one is a cancel.
    void ChooseFile(const std::wstring& path);
    // What the file dialogs were asked, since the last call.
    std::vector<CFileDialogArgs> FileDialogs();

    // The rows of a list as "program|title|text" lines.
    static std::vector<std::string> Rows(const CListCtrl& list);
    static void Select(CListCtrl& list, int row);
    static std::string Texts(const std::vector<CMemletData>& list);
    std::string PanelTexts() const { return Texts(Fields(m_panel).m_MemletList); }
    void Press(CDialog& dlg, int id);

    std::wstring PendingPath() const { return m_folder.File(L"BriscoPendingList.ini"); }

    CExportStackDlg m_export;
    CInportStackDlg m_import;
    CPendingDlg m_pending;
};

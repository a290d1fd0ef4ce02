// The panel answering its notes: a note list of records as the panel holds
// them (each with its serial), the export cache and the pending list in
// place, the panel saving on every change, and every refill of the list
// view watched as it happens.
#pragma once
#include <string>
#include <vector>

#include "dialogs/ExportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "panel/PanelFixture.h"

class CMemletWin;

class NotifyTest : public PanelTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The records in the note list as they stand, each with a serial, then
    // one tick, which opens those that match a window.
    void SetNotes(std::vector<CMemletData> notes);
    // Every note closed (without saving), also one no record holds any
    // more, and the list emptied; the caches, the refills and both files
    // forgotten.
    void ClearNotes();

    // The list's record with this stored text, or null; the window of the
    // first open one.
    CMemletData* Find(const std::string& text);
    CMemletWin* NoteOf(const std::string& text);
    // The stored texts in list order, each changed record marked with '*'.
    std::string Labels(bool marks = true) const;
    static std::string Labels(const std::vector<CMemletData>& list, bool marks = true);
    // Note windows of ours, but except, that no record of the note list holds.
    int StrayNotes(HWND except = nullptr) const;
    // The data file's records as Labels shows them, without marks.
    std::string FileLabels(const std::wstring& path) const;

    // A note of the helper's window title with this text at this place.
    static CMemletData Note(const std::string& text, const std::string& title, RECT rect);
    // A desktop note.
    static CMemletData DesktopNote(const std::string& text, RECT rect);

    std::vector<std::string> m_refreshes;  // Labels() at each refill, in order
    CExportStackDlg m_export;
    CPendingDlg m_pending;

private:
    static LRESULT CALLBACK WatchList(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);
};

// The texts of a failed save and of the window selection dialog's caption.
extern const char kSaveError[];
extern const char kWindowSelCaption[];

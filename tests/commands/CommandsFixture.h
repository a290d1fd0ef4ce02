// The panel's buttons pressed on a scene of real notes: D and A open on a
// window of the helper process, B closed, C on the desktop. The panel's
// boxes are answered by a stand-in that records them and may let the list
// change while it is "open", as the user's box would.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "panel/NotifyFixture.h"

class CommandsTest : public NotifyTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The notes in the note list and its view, after one tick; no refill
    // or box counted yet.
    void ShowNotes(std::vector<CMemletData> notes);
    // D, A (open on m_w1, D before A), B (closed), C (desktop).
    void OpenScene();
    void CloseScene();

    // The list's selection mark, as a click leaves it (-1: none).
    void Mark(int row);
    // The button's click as the panel receives it.
    void Click(int id);
    // Enabled state of a panel control, and the text of the note view.
    bool Enabled(int id) const;
    std::string ShownText() const;

    // The texts of the boxes since the last call.
    static std::vector<std::string> Boxes();
    // Yes/No boxes answer this; OK boxes OK.
    static void Answer(int answer);
    // Runs once inside the first box whose text is this.
    static void InBox(const std::string& text, std::function<void()> then);

    HWND m_w1 = nullptr, m_w2 = nullptr;
};

extern const char kEditCaption[];
// Sets the body-text dialog's text and presses OK.
void EditAndOk(HWND dlg, const std::string& text);

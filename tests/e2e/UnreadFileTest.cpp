// A data file and a pending list whose headers count fewer notes than they
// hold: the real program keeps a copy of each as found, says so in one box,
// and its save then writes the notes it read.
#include "e2e/CorvanaTest.h"
#include "framework/Text.h"

namespace {

std::vector<std::wstring> CopiesOf(const std::vector<std::wstring>& files, const std::wstring& stem) {
    std::vector<std::wstring> copies;
    for (const std::wstring& name : files)
        if (name.rfind(stem + L"_読込不完全_", 0) == 0)
            copies.push_back(name);
    return copies;
}

using UnreadFile = CorvanaTest;

TEST_F(UnreadFile, IsCopiedAsFoundAndToldOnceAndTheSaveWritesWhatWasRead) {
    // Three notes, one counted.
    std::string data = DesktopNotesFile({"一つ目", "二つ目", "三つ目"});
    const size_t count = data.find("MEMLTENUM=3\r\n");
    ASSERT_NE(count, std::string::npos);
    data.replace(count, 13, "MEMLTENUM=1\r\n");
    // A note and no [SYSTEM].
    std::string pending = DesktopNotesFile({"保留の付箋"});
    pending.erase(0, pending.find("[MEMLETITEM0]"));
    const std::wstring pendingFile = m_folder.File(L"BriscoPendingList.ini");
    ASSERT_TRUE(WriteFileBytes(DataFile(), data));
    ASSERT_TRUE(WriteFileBytes(pendingFile, pending));

    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    std::vector<std::wstring> dataCopies, pendingCopies;
    ASSERT_TRUE(WaitFor([&] {
        std::vector<std::wstring> files = m_folder.Files();
        dataCopies = CopiesOf(files, L"CorvanaData");
        pendingCopies = CopiesOf(files, L"BriscoPendingList");
        return !dataCopies.empty() && !pendingCopies.empty();
    })) << "no copies beside the program";
    ASSERT_EQ(dataCopies.size(), 1u);
    ASSERT_EQ(pendingCopies.size(), 1u);
    const std::wstring dataCopy = dataCopies[0], pendingCopy = pendingCopies[0];
    EXPECT_EQ(ReadFileBytes(m_folder.File(dataCopy)), data);
    EXPECT_EQ(ReadFileBytes(m_folder.File(pendingCopy)), pending);

    const std::string folder = FromWide(m_folder.Path()) + "\\";
    const std::string told = "次のファイルは全部を読み込めませんでした（付箋の数の記録が中身と合いません）。\r\n\r\n" +
                             folder + "CorvanaData.ini\r\n  元のままの控え: " + folder + FromWide(dataCopy) +
                             "\r\n\r\n" + folder + "BriscoPendingList.ini\r\n  元のままの控え: " + folder +
                             FromWide(pendingCopy) + "\r\n\r\n次の保存では、読み込めた付箋だけが書き込まれます。";
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(m_corvana.Pid(), told)) != nullptr; }))
        << "no box naming both files and their copies";
    // The program runs meanwhile: the note that was read is out.
    HWND note = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        auto notes = DesktopNotes(m_corvana.Pid());
        note = notes.size() == 1 ? notes.front() : nullptr;
        return note != nullptr;
    })) << "the note read is not shown";
    EXPECT_EQ(NoteTextOf(note), "一つ目");
    EXPECT_EQ(MessageBoxes(m_corvana.Pid()).size(), 1u) << "told more than once";
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(WaitFor([&] { return MessageBoxes(m_corvana.Pid()).empty(); })) << "the box stayed";

    // "手動保存": both files hold what was read; the copies are as found.
    ASSERT_TRUE(m_corvana.Command(kCommandSave));
    ASSERT_TRUE(WaitFor([&] {
        return CIniText::Load(DataFile()).Section("MEMLETITEM1").empty() &&
               CIniText::Load(pendingFile).NoteCount() == 0;
    })) << "the save did not write both files";
    CIniText saved = CIniText::Load(DataFile());
    EXPECT_EQ(saved.NoteCount(), 1);
    EXPECT_EQ(saved.Get("SYSTEM", "APPNAME"), "Corvana");
    EXPECT_EQ(saved.NoteText(0), "一つ目");
    EXPECT_TRUE(saved.Section("MEMLETITEM2").empty());
    CIniText savedPending = CIniText::Load(pendingFile);
    EXPECT_EQ(savedPending.Get("SYSTEM", "APPNAME"), "Corvana");
    EXPECT_TRUE(savedPending.Section("MEMLETITEM0").empty());
    EXPECT_EQ(ReadFileBytes(m_folder.File(dataCopy)), data);
    EXPECT_EQ(ReadFileBytes(m_folder.File(pendingCopy)), pending);
    // "終了" writes the same.
    ASSERT_NO_FATAL_FAILURE(Exit());
    saved = CIniText::Load(DataFile());
    EXPECT_EQ(saved.NoteCount(), 1);
    EXPECT_EQ(saved.NoteText(0), "一つ目");
    EXPECT_TRUE(saved.Section("MEMLETITEM1").empty());
    EXPECT_EQ(CIniText::Load(pendingFile).NoteCount(), 0);

    // Read whole now: the next start copies nothing and tells nothing.
    const std::vector<std::wstring> before = m_folder.Files();
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_TRUE(WaitFor([&] { return DesktopNotes(m_corvana.Pid()).size() == 1; })) << "the note did not come back";
    // Its set-up, the box's turn with it, came before the first tick that showed the note.
    EXPECT_TRUE(MessageBoxes(m_corvana.Pid()).empty());
    EXPECT_EQ(m_folder.Files(), before);
}

}  // namespace

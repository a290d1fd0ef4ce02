// Data files and pending lists that cannot be read as they were written: the
// real program keeps a copy of each as found, says in one box what it read
// of them and what was wrong, and its save then writes every note it read.
#include "e2e/CorvanaTest.h"

#include <tlhelp32.h>

#include <algorithm>

#include "e2e/ListView.h"
#include "framework/Text.h"

namespace {

constexpr int kPanelList = 1002;

std::vector<std::wstring> CopiesOf(const std::vector<std::wstring>& files, const std::wstring& stem) {
    std::vector<std::wstring> copies;
    for (const std::wstring& name : files)
        if (name.rfind(stem + L"_読込不完全_", 0) == 0)
            copies.push_back(name);
    return copies;
}

// count notes of textBytes bytes each on a program that never runs, so that
// none opens; the header's count line as given ("" for none).
std::string AbsentNotesFile(int count, size_t textBytes, const std::string& countLine) {
    std::string file = "[SYSTEM]\r\nAPPNAME=Corvana\r\nSAVEFORMAT=0\r\n" + countLine;
    const std::string line = "どこにもないプログラムの付箋です。";
    for (int i = 0; i < count; i++) {
        std::string text = "付箋" + std::to_string(i) + " ";
        while (text.size() + line.size() <= textBytes)
            text += line;
        file += "[MEMLETITEM" + std::to_string(i) + "]\r\n";
        file += "TITLEFLAG=1\r\nPRECESSEFLAG=1\r\nFULL=1\r\nTITLE=無題\r\nEXENAME=ABSENT.EXE\r\n";
        file += "REC_TOP=200\r\nREC_BOTTOM=260\r\nREC_LEFT=300\r\nREC_RIGHT=500\r\n";
        file += "TEXTFORMAT=0\r\nTEXT=" + HexOf(text) + "\r\n";
    }
    return file;
}

std::vector<std::string> Sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The texts of the program's desktop notes, sorted, once there are n.
std::vector<std::string> DesktopTexts(DWORD pid, size_t n) {
    std::vector<std::string> texts;
    WaitFor([&] {
        texts.clear();
        for (HWND note : DesktopNotes(pid))
            texts.push_back(NoteTextOf(note));
        return texts.size() == n;
    });
    return Sorted(texts);
}

// The start-up box: the files told as the program tells them (each with its
// lines of what was read and what was wrong, and its copy's line), then the
// closing lines.
std::string Told(const std::vector<std::pair<std::wstring, std::string>>& files, const std::string& closing) {
    std::string text = "次のファイルに壊れたところが見つかりました。\r\n";
    for (const auto& file : files)
        text += "\r\n" + FromWide(file.first) + "\r\n" + file.second;
    return text + "\r\n次の保存では、読み込めた付箋をすべて書き込み、\r\nファイルを正しい形に直します。" + closing;
}
std::string Read(int n) { return "  読み込めた付箋: " + std::to_string(n) + "枚\r\n"; }
const char kCountWrong[] = "  付箋の数の記録が中身と合いません。\r\n";
const char kLost[] = "\r\n読み込めなかった部分は、保存後は控えにだけ残ります。";

using UnreadFile = CorvanaTest;

// Three notes, one counted; a note and no [SYSTEM]. Before, the first kept
// one of its three notes and the second none.
TEST_F(UnreadFile, IsCopiedAsFoundAndToldOnceAndTheSaveWritesEveryNoteRead) {
    std::string data = DesktopNotesFile({"一つ目", "二つ目", "三つ目"});
    const size_t count = data.find("MEMLTENUM=3\r\n");
    ASSERT_NE(count, std::string::npos);
    data.replace(count, 13, "MEMLTENUM=1\r\n");
    std::string pending = DesktopNotesFile({"保留の付箋"});
    pending.erase(0, pending.find("[MEMLETITEM0]"));
    const std::wstring pendingFile = PendingFile();
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

    const std::string told =
        Told({{DataFile(), Read(3) + kCountWrong + "  元のままの控え: " + FromWide(m_folder.File(dataCopy)) + "\r\n"},
              {pendingFile, Read(1) + kCountWrong + "  元のままの控え: " + FromWide(m_folder.File(pendingCopy)) + "\r\n"}},
             "");
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(m_corvana.Pid(), told)) != nullptr; }))
        << "no box naming both files, what was read of them and their copies";
    // The program runs meanwhile: every note held is out.
    const std::vector<std::string> held = Sorted({"一つ目", "二つ目", "三つ目"});
    EXPECT_EQ(DesktopTexts(m_corvana.Pid(), 3), held) << "the notes read are not shown";
    EXPECT_EQ(MessageBoxes(m_corvana.Pid()).size(), 1u) << "told more than once";
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(WaitFor([&] { return MessageBoxes(m_corvana.Pid()).empty(); })) << "the box stayed";

    // "手動保存": both files hold every note, counted right; the copies are as found.
    ASSERT_TRUE(m_corvana.Command(kCommandSave));
    ASSERT_TRUE(WaitFor([&] {
        return CIniText::Load(DataFile()).NoteCount() == 3 && CIniText::Load(pendingFile).NoteCount() == 1;
    })) << "the save did not write both files";
    CIniText saved = CIniText::Load(DataFile());
    EXPECT_EQ(saved.Get("SYSTEM", "APPNAME"), "Corvana");
    EXPECT_EQ(Sorted({saved.NoteText(0), saved.NoteText(1), saved.NoteText(2)}), held);
    EXPECT_TRUE(saved.Section("MEMLETITEM3").empty());
    CIniText savedPending = CIniText::Load(pendingFile);
    EXPECT_EQ(savedPending.Get("SYSTEM", "APPNAME"), "Corvana");
    EXPECT_EQ(savedPending.NoteText(0), "保留の付箋");
    EXPECT_EQ(ReadFileBytes(m_folder.File(dataCopy)), data);
    EXPECT_EQ(ReadFileBytes(m_folder.File(pendingCopy)), pending);
    // "終了" writes the same.
    ASSERT_NO_FATAL_FAILURE(Exit());
    EXPECT_EQ(CIniText::Load(DataFile()).NoteCount(), 3);
    EXPECT_EQ(CIniText::Load(pendingFile).NoteCount(), 1);

    // Read whole now: the next start copies nothing and tells nothing.
    const std::vector<std::wstring> before = m_folder.Files();
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_TRUE(WaitFor([&] { return DesktopNotes(m_corvana.Pid()).size() == 3; })) << "the notes did not come back";
    // Its set-up, the box's turn with it, came before the first tick that showed the notes.
    EXPECT_TRUE(MessageBoxes(m_corvana.Pid()).empty());
    EXPECT_EQ(m_folder.Files(), before);
}

// A data file cut short inside its last text, and a pending list with a
// section missing and another named twice. Before, the cut text read empty
// and was saved so, and the missing section became an empty note.
TEST_F(UnreadFile, ACutTextAMissingSectionAndOneNamedTwiceAreToldAndTheRestKept) {
    std::string data = DesktopNotesFile({"一つ目", "二つ目", "三つ目は途中で切れる"});
    const std::string lastText = "TEXT=" + HexOf("三つ目は途中で切れる");
    const size_t at = data.find(lastText);
    ASSERT_NE(at, std::string::npos);
    data.resize(at + 5 + 2 * 8 + 1);  // eight bytes whole and one digit of the ninth
    std::string pending = DesktopNotesFile({"保留の一", "抜ける", "保留の三"});
    pending.replace(pending.find("[MEMLETITEM1]"), 13, "[MEMLETITEM0]");
    ASSERT_TRUE(WriteFileBytes(DataFile(), data));
    ASSERT_TRUE(WriteFileBytes(PendingFile(), pending));

    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    std::vector<std::wstring> files;
    ASSERT_TRUE(WaitFor([&] {
        files = m_folder.Files();
        return CopiesOf(files, L"CorvanaData").size() == 1 && CopiesOf(files, L"BriscoPendingList").size() == 1;
    })) << "no copies beside the program";
    const std::wstring dataCopy = m_folder.File(CopiesOf(files, L"CorvanaData")[0]);
    const std::wstring pendingCopy = m_folder.File(CopiesOf(files, L"BriscoPendingList")[0]);
    EXPECT_EQ(ReadFileBytes(dataCopy), data);
    EXPECT_EQ(ReadFileBytes(pendingCopy), pending);
    const std::string told =
        Told({{DataFile(), Read(3) + "  途中で切れた本文は、切れる前まで読み込みました。\r\n" +
                               "  元のままの控え: " + FromWide(dataCopy) + "\r\n"},
              {PendingFile(), Read(2) + "  付箋の番号に抜けがあります。\r\n" +
                                  "  同じ番号の付箋が二つあり、二つ目は読み込めません。\r\n" +
                                  "  元のままの控え: " + FromWide(pendingCopy) + "\r\n"}},
             kLost);
    ASSERT_TRUE(AnswerMessageBox(m_corvana.Pid(), told, IDOK)) << "no box telling what was read and what was wrong";
    const std::vector<std::string> want = Sorted({"一つ目", "二つ目", "三つ目は"});
    EXPECT_EQ(DesktopTexts(m_corvana.Pid(), 3), want) << "the notes read are not shown";

    ASSERT_NO_FATAL_FAILURE(Exit());
    CIniText saved = CIniText::Load(DataFile());
    EXPECT_EQ(saved.NoteCount(), 3);
    EXPECT_EQ(Sorted({saved.NoteText(0), saved.NoteText(1), saved.NoteText(2)}), want);
    CIniText savedPending = CIniText::Load(PendingFile());
    EXPECT_EQ(savedPending.NoteCount(), 2);
    EXPECT_EQ(savedPending.NoteText(0), "保留の一");
    EXPECT_EQ(savedPending.NoteText(1), "保留の三");
    EXPECT_TRUE(savedPending.Section("MEMLETITEM2").empty());
    EXPECT_EQ(ReadFileBytes(dataCopy), data);
    EXPECT_EQ(ReadFileBytes(pendingCopy), pending);

    const std::vector<std::wstring> before = m_folder.Files();
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_TRUE(WaitFor([&] { return DesktopNotes(m_corvana.Pid()).size() == 3; })) << "the notes did not come back";
    EXPECT_TRUE(MessageBoxes(m_corvana.Pid()).empty());
    EXPECT_EQ(m_folder.Files(), before);
}

// 12,000 notes in a 17 MB file whose header counts 1,000. Before, the panel
// listed 1,000 and the save wrote those alone.
TEST_F(UnreadFile, ThousandsOfNotesUncountedAreListedAndSaved) {
    const int held = 12000;
    const std::string data = AbsentNotesFile(held, 640, "MEMLTENUM=1000\r\n");
    ASSERT_GT(data.size(), 16u << 20);
    ASSERT_TRUE(WriteFileBytes(DataFile(), data));

    ASSERT_TRUE(m_corvana.Start());
    ASSERT_TRUE(m_corvana.WaitReady(120000)) << "the main window never answered";
    std::vector<std::wstring> copies;
    ASSERT_TRUE(WaitFor([&] { return (copies = CopiesOf(m_folder.Files(), L"CorvanaData")).size() == 1; }))
        << "no copy beside the program";
    const std::wstring copy = m_folder.File(copies[0]);
    const std::string told =
        Told({{DataFile(), Read(held) + kCountWrong + "  元のままの控え: " + FromWide(copy) + "\r\n"}}, "");
    ASSERT_TRUE(AnswerMessageBox(m_corvana.Pid(), told, IDOK)) << "no box telling the notes read";
    EXPECT_EQ(ReadFileBytes(copy), data);
    HWND list = GetDlgItem(FindPanel(m_corvana.MainWindow()), kPanelList);
    EXPECT_EQ(ListRowCount(list), held) << "the panel does not list every note";

    ASSERT_TRUE(m_corvana.Command(kCommandSave));
    CIniText saved("");
    ASSERT_TRUE(WaitFor([&] { return (saved = CIniText::Load(DataFile())).NoteCount() == held; }, 120000))
        << "the save did not write every note";
    EXPECT_EQ(saved.NoteText(0).rfind("付箋0 ", 0), 0u);
    EXPECT_EQ(saved.NoteText(held - 1).rfind("付箋" + std::to_string(held - 1) + " ", 0), 0u);
    EXPECT_TRUE(saved.Section("MEMLETITEM" + std::to_string(held)).empty());
    ASSERT_NO_FATAL_FAILURE(Exit());
    EXPECT_EQ(CIniText::Load(DataFile()).NoteCount(), held);
}

// Starts that find the file as an earlier one found it, the program ended
// each time before any save, make no new copy and name the one there.
// Before, every start made one more copy of the same bytes.
TEST_F(UnreadFile, AStartThatFindsTheSameBytesAsTheNewestCopyMakesNoOther) {
    const std::string data = AbsentNotesFile(5, 40, "");
    ASSERT_TRUE(WriteFileBytes(DataFile(), data));
    std::wstring copy;
    for (int start = 0; start < 3; start++) {
        SCOPED_TRACE(start);
        ASSERT_NO_FATAL_FAILURE(StartCorvana());
        ASSERT_TRUE(WaitFor([&] { return !MessageBoxes(m_corvana.Pid()).empty(); })) << "no box";
        std::vector<std::wstring> copies = CopiesOf(m_folder.Files(), L"CorvanaData");
        ASSERT_EQ(copies.size(), 1u);
        if (start == 0)
            copy = m_folder.File(copies[0]);
        EXPECT_EQ(m_folder.File(copies[0]), copy);
        const std::string told = Told({{DataFile(), Read(5) + kCountWrong +
                                                        (start == 0 ? "  元のままの控え: " : "  元のままの控え（前に作ったもの）: ") +
                                                        FromWide(copy) + "\r\n"}},
                                      "");
        EXPECT_TRUE(FindMessageBox(m_corvana.Pid(), told)) << "the box does not name the copy";
        // Ended as by a crash: nothing saved.
        m_corvana.Kill();
        EXPECT_EQ(ReadFileBytes(DataFile()), data);
    }
    EXPECT_EQ(ReadFileBytes(copy), data);
}

// Corvana.exe started by the system's shell under a limit on the size of
// any file it writes, with the limit's signal ignored: a write past it
// fails, as on a full disk. Wine runs a Unix program it is asked to start,
// without a process handle; the program is found by its path, and ended
// when this goes.
class CLimitedCorvana {
public:
    explicit CLimitedCorvana(const CProgramFolder& folder) : m_folder(folder) {}
    ~CLimitedCorvana() {
        if (HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, m_pid)) {
            TerminateProcess(h, 1);
            WaitForSingleObject(h, kWaitMs);
            CloseHandle(h);
        }
    }
    static std::wstring Shell() { return L"Z:\\bin\\sh"; }

    // The shell's limit is in blocks of 512 bytes.
    bool Start(unsigned limitBytes) {
        std::wstring command = Shell() + L" -c \"trap '' XFSZ; ulimit -f " + std::to_wstring(limitBytes / 512) +
                               L"; exec wine '" + m_folder.Exe() + L"'\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, m_folder.Path().c_str(), &si,
                            &pi))
            return false;
        if (pi.hProcess)
            CloseHandle(pi.hProcess);
        if (pi.hThread)
            CloseHandle(pi.hThread);
        return WaitFor([&] { return (m_pid = FindByPath()) != 0; });
    }
    DWORD Pid() const { return m_pid; }

private:
    DWORD FindByPath() const {
        DWORD found = 0;
        HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W pe{};
        pe.dwSize = sizeof pe;
        for (BOOL more = Process32FirstW(snap, &pe); more && !found; more = Process32NextW(snap, &pe)) {
            HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pe.th32ProcessID);
            if (!h)
                continue;
            wchar_t image[MAX_PATH * 2];
            DWORD size = MAX_PATH * 2;
            if (QueryFullProcessImageNameW(h, 0, image, &size) &&
                CompareStringOrdinal(image, (int)size, m_folder.Exe().c_str(), -1, TRUE) == CSTR_EQUAL)
                found = pe.th32ProcessID;
            CloseHandle(h);
        }
        CloseHandle(snap);
        return found;
    }

    const CProgramFolder& m_folder;
    DWORD m_pid = 0;
};

// The copy of a 2.5 MB data file on a disk that takes 2,002,944 bytes of
// it. Before, those bytes stayed under the copy's name with the original's
// time, and the box named them as the copy.
TEST_F(UnreadFile, ACopyThatCannotBeWrittenWholeIsRemovedAndSaidNotMade) {
    if (GetFileAttributesW(CLimitedCorvana::Shell().c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no Unix shell to start the program under a file size limit";
    const std::string data = AbsentNotesFile(1800, 640, "");
    const unsigned limit = 1956 * 1024;
    ASSERT_GT(data.size(), limit);
    ASSERT_TRUE(WriteFileBytes(DataFile(), data));
    CLimitedCorvana corvana(m_folder);
    ASSERT_TRUE(corvana.Start(limit)) << "not started";
    ASSERT_TRUE(WaitFor([&] { return !MessageBoxes(corvana.Pid()).empty(); })) << "no box";
    EXPECT_EQ(CopiesOf(m_folder.Files(), L"CorvanaData"), std::vector<std::wstring>{}) << "a copy stayed";
    const std::string told =
        Told({{DataFile(), Read(1800) + kCountWrong + "  控えを作れませんでした。\r\n"}},
             "\r\n控えのないファイルは、保存する前に\r\n別の場所へコピーしてください。");
    EXPECT_TRUE(FindMessageBox(corvana.Pid(), told)) << "the box does not say that no copy was made";
    EXPECT_EQ(ReadFileBytes(DataFile()), data);
}

}  // namespace

// Helper of the kill test: saves big note lists through the panel's save
// chain, over and over, until it is killed.
//   storage_save_loop expect <folder>        writes <folder>\A.ini and B.ini once
//   storage_save_loop loop <folder> <event>  saves <folder>\CorvanaData.ini for ever,
//                                            setting the event after the first save
//   storage_save_loop moved <folder>         writes the four files of the move loop:
//                                            Data/Pending + With/Without .ini, the
//                                            moving note in the file or not
//   storage_save_loop move <folder> <event>  moves one note from the data list to the
//                                            pending list and back, as parking it and
//                                            ACTIVEに戻す do, saving both files (the
//                                            save of all) after each move, for ever
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "dialogs/PendingDlg.h"
#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "storage/MemletListFile.h"

static const int kFormat = 1;
static const int kKey = 0x1a2b3c4d;

static int FailedSave(const std::string&, UINT) {
    ExitProcess(3);
    return IDOK;
}

static std::vector<CMemletData> BigList(int seed, int count = 2000) {
    std::vector<CMemletData> list;
    for (int i = 0; i < count; i++) {
        CMemletData d;
        d.m_strTitle = "議事録 " + std::to_string(i) + " - メモ帳";
        d.m_strExeName = "NOTEPAD.EXE";
        d.m_tGenDate = d.m_tAcsDate = 1700000000 + i * 60;
        d.m_rectWin = {i, seed, i + 200, seed + 60};
        d.m_logFont.lfHeight = -12;
        for (int k = 0; k < 8; k++)
            d.m_strText += "第" + std::to_string(seed) + "版：会議の要点を書き留める。\r\n";
        list.push_back(d);
    }
    return list;
}

static CMemletData MovingNote() {
    CMemletData d;
    d.m_strTitle = "移る付箋 - メモ帳";
    d.m_strExeName = "NOTEPAD.EXE";
    d.m_strText = "保留リストとの間を行き来する付箋";
    d.m_tGenDate = d.m_tAcsDate = 1700000000;
    return d;
}

static bool Save(CControlDlg& panel, const std::vector<CMemletData>& list, const std::string& path) {
    Fields(panel).m_MemletList = list;
    Fields(panel).m_strDataPath = ToWide(path);
    return panel.writeIniFile() == 1;
}

static std::vector<CMemletData> WithNote(std::vector<CMemletData> list) {
    list.insert(list.begin(), MovingNote());
    return list;
}

static bool WriteList(std::vector<CMemletData> list, const std::string& path) {
    CWriteIniFile writer;
    for (CMemletData& d : list)
        d.m_bDirty = 1;
    return WriteMemletListFile(writer, ToWide(path), list, kFormat, kKey);
}

// The data list holds the note first; the loop moves it to the front of the
// pending list and back, as the program's own moves do.
static int MoveForEver(CControlDlg& panel, const std::string& folder, HANDLE started) {
    CPendingDlg pending;
    pending.Initialize(ToWide(folder + "\\BriscoPendingList.ini"));
    pending.m_PendingList = BigList(3, 300);
    for (CMemletData& d : pending.m_PendingList)
        d.m_nSerial = CMemletData::NewSerial();
    Fields(panel).m_MemletList = WithNote(BigList(1));
    for (CMemletData& d : Fields(panel).m_MemletList)
        d.m_nSerial = CMemletData::NewSerial();
    Fields(panel).m_strDataPath = ToWide(folder + "\\CorvanaData.ini");
    Fields(panel).m_bInit = 1;
    if (panel.SaveAll() != 1)
        return 1;
    SetEvent(started);
    for (;;) {
        CMemletData parked = Fields(panel).m_MemletList.front();
        Fields(panel).m_MemletList.erase(Fields(panel).m_MemletList.begin());
        AddPendingList(parked);
        if (panel.SaveAll() != 1)
            return 1;
        CMemletData back = pending.m_PendingList.front();
        pending.m_PendingList.erase(pending.m_PendingList.begin());
        InsertMemlet(back);
        if (panel.SaveAll() != 1)
            return 1;
    }
}

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    SetMessageBoxHook(FailedSave);
    const std::string folder = argv[2];
    CControlDlg panel;
    Fields(panel).m_nSaveFormat = kFormat;
    Fields(panel).m_nVolumeSerial = kKey;
    std::vector<CMemletData> a = BigList(1), b = BigList(2);
    if (strcmp(argv[1], "expect") == 0)
        return Save(panel, a, folder + "\\A.ini") && Save(panel, b, folder + "\\B.ini") ? 0 : 1;
    if (strcmp(argv[1], "moved") == 0) {
        std::vector<CMemletData> p = BigList(3, 300);
        return WriteList(WithNote(a), folder + "\\DataWith.ini") && WriteList(a, folder + "\\DataWithout.ini") &&
                       WriteList(WithNote(p), folder + "\\PendingWith.ini") &&
                       WriteList(p, folder + "\\PendingWithout.ini")
                   ? 0
                   : 1;
    }
    if (argc < 4)
        return 2;
    HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (!started)
        return 4;
    if (strcmp(argv[1], "move") == 0)
        return MoveForEver(panel, folder, started);
    if (strcmp(argv[1], "loop") != 0)
        return 2;
    const std::string data = folder + "\\CorvanaData.ini";
    for (;;) {
        if (!Save(panel, a, data))
            return 1;
        SetEvent(started);
        if (!Save(panel, b, data))
            return 1;
    }
}

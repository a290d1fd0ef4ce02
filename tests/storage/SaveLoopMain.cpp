// Helper of the kill test: saves two big note lists through the panel's save
// chain, one after the other, until it is killed.
//   storage_save_loop expect <folder>        writes <folder>\A.ini and B.ini once
//   storage_save_loop loop <folder> <event>  saves <folder>\CorvanaData.ini for ever,
//                                            setting the event after the first save
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"

static int FailedSave(const std::string&, UINT) {
    ExitProcess(3);
    return IDOK;
}

static std::vector<CMemletData> BigList(int seed) {
    std::vector<CMemletData> list;
    for (int i = 0; i < 2000; i++) {
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

static bool Save(CControlDlg& panel, const std::vector<CMemletData>& list, const std::string& path) {
    Fields(panel).m_MemletList = list;
    Fields(panel).m_strDataPath = ToWide(path);
    return panel.writeIniFile() == 1;
}

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    SetMessageBoxHook(FailedSave);
    const std::string folder = argv[2];
    CControlDlg panel;
    Fields(panel).m_nSaveFormat = 1;
    Fields(panel).m_nVolumeSerial = 0x1a2b3c4d;
    std::vector<CMemletData> a = BigList(1), b = BigList(2);
    if (strcmp(argv[1], "expect") == 0)
        return Save(panel, a, folder + "\\A.ini") && Save(panel, b, folder + "\\B.ini") ? 0 : 1;
    if (strcmp(argv[1], "loop") != 0 || argc < 4)
        return 2;
    HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (!started)
        return 4;
    const std::string data = folder + "\\CorvanaData.ini";
    for (;;) {
        if (!Save(panel, a, data))
            return 1;
        SetEvent(started);
        if (!Save(panel, b, data))
            return 1;
    }
}

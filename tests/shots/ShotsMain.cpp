// Puts one sheet of windows on the screen, lets their timers run, and saves
// what the screen shows of it as a BMP.
//   corvana_shots <sheet> <file.bmp>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "framework/Trace.h"
#include "shots/Settle.h"
#include "shots/Sheets.h"

namespace {

struct SavingSheet {
    const char* name;
    bool (*show)(const char* file);
};
const SavingSheet kSavingSheets[] = {
    {"menu", ShowNoteMenuSheet},
    {"importrefusal", ShowImportRefusalSheet},
    {"importdamage", ShowImportDamageSheet},
    {"unreadfiles", ShowUnreadFilesSheet},
    {"unservedfolder", ShowUnservedFolderSheet},
};

struct Sheet {
    const char* name;
    RECT (*show)();
};
const Sheet kSheets[] = {
    {"notes", ShowNoteSheet},
    {"balloon", ShowBalloonSheet},
    {"controls", ShowControlsSheet},
    {"main", ShowMainSheet},
    {"panel", ShowPanelSheet},
    {"search", ShowSearchSheet},
    {"about", ShowAboutSheet},
    {"writing", ShowWritingSheet},
    {"winsel", ShowWindowSelSheet},
    {"color", ShowColorSettingSheet},
    {"trans", ShowTransSettingSheet},
    {"sizeframe", ShowSizeFrameSheet},
    {"edittext", ShowEditTextSheet},
    {"propaty", ShowPropatySheet},
    {"initialmemlet", ShowInitialMemletSheet},
    {"initsize", ShowInitSizeSheet},
    {"exportstack", ShowExportStackSheet},
    {"inportstack", ShowInportStackSheet},
    {"pending", ShowPendingSheet},
    {"match", ShowMatchConditionSheet},
    {"childsel", ShowChildSelSheet},
    {"winexsel", ShowWinExSelSheet},
    {"presetlist", ShowPreSetListSheet},
    {"preset", ShowPreSetSheet},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: corvana_shots <sheet> <file.bmp>\n");
        return 2;
    }
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    EnableTrace(false);
    // Sheets whose windows run a loop of their own save from inside it.
    for (const SavingSheet& sheet : kSavingSheets) {
        if (strcmp(sheet.name, argv[1]) != 0)
            continue;
        if (sheet.show(argv[2]))
            return 0;
        fprintf(stderr, "sheet %s: no picture\n", argv[1]);
        return 1;
    }
    for (const Sheet& sheet : kSheets) {
        if (strcmp(sheet.name, argv[1]) != 0)
            continue;
        RECT r = sheet.show();
        if (r.right <= r.left) {
            fprintf(stderr, "sheet %s: no picture\n", argv[1]);
            return 1;
        }
        if (!SaveWhenStill(argv[2], r)) {
            fprintf(stderr, "sheet %s: no picture\n", argv[1]);
            return 1;
        }
        return 0;
    }
    fprintf(stderr, "no sheet %s\n", argv[1]);
    return 2;
}

#include "dialogs/FileDamageText.h"

#include <cstdio>

#include "storage/MemletDataStore.h"
#include "storage/UnreadFileCopy.h"

std::string FileDamageLines(unsigned damage, int notesRead) {
    char line[96];
    snprintf(line, sizeof line, "  読み込めた付箋: %d枚\r\n", notesRead);
    std::string text = line;
    if (damage & kDamageCount)
        text += "  付箋の数の記録が中身と合いません。\r\n";
    if (damage & kDamageGap)
        text += "  付箋の番号に抜けがあります。\r\n";
    if (damage & kDamageCutText)
        text += "  途中で切れた本文は、切れる前まで読み込みました。\r\n";
    if (damage & kDamageTwice)
        text += "  同じ番号の付箋が二つあり、二つ目は読み込めません。\r\n";
    if (damage & kDamageBeyondCap) {
        snprintf(line, sizeof line, "  番号が%d以上の付箋は読み込めません。\r\n", kMaxIndexedSections);
        text += line;
    }
    return text;
}

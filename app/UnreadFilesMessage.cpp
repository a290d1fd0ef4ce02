#include "app/UnreadFilesMessage.h"

#include "dialogs/FileDamageText.h"
#include "framework/Text.h"

std::wstring UnreadFilesMessage(const std::vector<CUnreadFile>& files) {
    std::wstring text = ToWide("次のファイルに壊れたところが見つかりました。\r\n");
    bool uncopied = false, lost = false;
    for (const CUnreadFile& file : files) {
        text.append(L"\r\n").append(file.m_strPath).append(L"\r\n");
        text += ToWide(FileDamageLines(file.m_nDamage, file.m_nNotesRead));
        if (file.m_strCopyPath.empty()) {
            text += ToWide("  控えを作れませんでした。\r\n");
            uncopied = true;
        } else {
            text += ToWide(file.m_bEarlierCopy ? "  元のままの控え（前に作ったもの）: " : "  元のままの控え: ");
            text.append(file.m_strCopyPath).append(L"\r\n");
        }
        if (file.m_nDamage & kDamageLosesData)
            lost = true;
    }
    text += ToWide("\r\n次の保存では、読み込めた付箋をすべて書き込み、\r\nファイルを正しい形に直します。");
    if (lost)
        text += ToWide("\r\n読み込めなかった部分は、保存後は控えにだけ残ります。");
    if (uncopied)
        text += ToWide("\r\n控えのないファイルは、保存する前に\r\n別の場所へコピーしてください。");
    return text;
}

#include "app/UnreadFilesMessage.h"

#include "framework/Text.h"

std::wstring UnreadFilesMessage(const std::vector<CUnreadFile>& files) {
    std::wstring text = ToWide("次のファイルは全部を読み込めませんでした（付箋の数の記録が中身と合いません）。\r\n");
    bool uncopied = false;
    for (const CUnreadFile& file : files) {
        text.append(L"\r\n").append(file.m_strPath).append(L"\r\n");
        if (file.m_strCopyPath.empty()) {
            text += ToWide("  控えを作れませんでした。\r\n");
            uncopied = true;
        } else {
            text.append(ToWide("  元のままの控え: ")).append(file.m_strCopyPath).append(L"\r\n");
        }
    }
    text += ToWide("\r\n次の保存では、読み込めた付箋だけが書き込まれます。");
    if (uncopied)
        text += ToWide("\r\n控えのないファイルは、保存する前に別の場所へコピーしてください。");
    return text;
}

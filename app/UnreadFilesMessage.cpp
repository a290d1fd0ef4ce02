#include "app/UnreadFilesMessage.h"

std::string UnreadFilesMessage(const std::vector<CUnreadFile>& files) {
    std::string text = "次のファイルは全部を読み込めませんでした（付箋の数の記録が中身と合いません）。\r\n";
    bool uncopied = false;
    for (const CUnreadFile& file : files) {
        text.append("\r\n").append(file.m_strPath).append("\r\n");
        if (file.m_strCopyPath.empty()) {
            text += "  控えを作れませんでした。\r\n";
            uncopied = true;
        } else {
            text.append("  元のままの控え: ").append(file.m_strCopyPath).append("\r\n");
        }
    }
    text += "\r\n次の保存では、読み込めた付箋だけが書き込まれます。";
    if (uncopied)
        text += "\r\n控えのないファイルは、保存する前に別の場所へコピーしてください。";
    return text;
}

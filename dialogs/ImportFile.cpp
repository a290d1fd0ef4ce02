// Reading a file into the import cache: the header is checked step by step,
// each refusal told once, and only a file whose text is not transformed is
// taken. A stop leaves the cache empty. Of a damaged file every note section
// present is read, and the user is told.
#include "dialogs/FileDamageText.h"
#include "dialogs/InportStackDlg.h"
#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "platform/VersionString.h"
#include "storage/IniSection.h"
#include "storage/MemletDataStore.h"

namespace {

constexpr size_t kHeaderBuffer = 1024;  // at most 1023 bytes of each value

// The import never writes the file it reads: it needs no copy, and what
// was not read stays in it.
std::wstring DamagedImportMessage(const std::wstring& path, unsigned damage, int notesRead) {
    std::wstring text = ToWide("このファイルに壊れたところが見つかりました。\r\n\r\n");
    text.append(path).append(L"\r\n");
    text += ToWide(FileDamageLines(damage, notesRead));
    text += ToWide("\r\nインポートではファイルを書き換えないので、\r\n控えは作りません。");
    if (damage & kDamageLosesData)
        text += ToWide("\r\n読み込めなかった部分は、ファイルに残っています。");
    return text;
}

}  // namespace

int CInportStackDlg::ReadImportFile(const std::wstring& path) {
    m_MemletList.clear();
    CIniSection system("SYSTEM", path);
    std::string appName = system.GetString("APPNAME", "", kHeaderBuffer);
    std::string version = system.GetString("VERSION", "", kHeaderBuffer);
    std::string saveFormat = system.GetString("SAVEFORMAT", "", kHeaderBuffer);
    int count = system.GetInt("MEMLTENUM", 0);

    bool own = appName == "Corvana";
    if (!own && appName != "Tesselin") {
        AppMessageBox("コルヴァナ,テセリンで作成したデータではありません.(または118版以前のデータ)", MB_OK);
        return 0;
    }
    if (saveFormat != "0") {
        AppMessageBox("データの書き込み形式が異なります.(テキストが暗号化されています)", MB_OK);
        return 0;
    }
    CNoteSections sections = SurveyNoteSections(GetIniSectionNames(path), count);
    if (sections.m_Indexes.empty() && !sections.m_nDamage) {
        AppMessageBox("データ件数が０件です", MB_OK);
        return 0;
    }
    if (own && version != HeaderVersion(GetVersionString()) &&
        AppMessageBox("異なるバージョンのデータですがデータを補完して続行しますか？", MB_YESNO) != IDYES)
        return 0;
    if (!own &&
        AppMessageBox("テセリンデータをインポートします.不足するデータ項目はデフォルト値で補完します.よろしいですか？",
                      MB_YESNO) != IDYES)
        return 0;

    // Export files never carry a key: their text is plain.
    unsigned damage = sections.m_nDamage | ReadNoteSections(path, sections.m_Indexes, 0, m_MemletList);
    for (CMemletData& data : m_MemletList)
        data.m_nSerial = CMemletData::NewSerial();
    if (damage) {
        // Told over the list of what was read.
        UpdateList();
        AppMessageBox(DamagedImportMessage(path, damage, (int)m_MemletList.size()), MB_OK);
    }
    return (int)m_MemletList.size();
}

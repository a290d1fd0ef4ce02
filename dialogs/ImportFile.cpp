// Reading a file into the import cache: the header is checked step by step,
// each refusal told once, and only a file whose text is not transformed is
// taken. A stop leaves the cache empty.
#include "dialogs/InportStackDlg.h"
#include "framework/MessageBox.h"
#include "platform/VersionString.h"
#include "storage/IniSection.h"
#include "storage/MemletDataStore.h"

namespace {

constexpr size_t kHeaderBuffer = 1024;  // at most 1023 bytes of each value

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
    if (count == 0) {
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
    ReadMemletSections(path, count, 0, m_MemletList);
    for (CMemletData& data : m_MemletList)
        data.m_nSerial = CMemletData::NewSerial();
    return (int)m_MemletList.size();
}

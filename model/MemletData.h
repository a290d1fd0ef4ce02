// The note record: its condition, place, look, text and leader line. A plain
// value, copied whole between lists; the note window is run-time state only.
#pragma once
#include "model/ArrowData.h"
#include "model/ObjData.h"
#include "model/ReserveData.h"

class CMemletWin;
class CWriteIniFile;

class CMemletData : public CObjData {
public:
    CMemletData();
    ~CMemletData() override = default;
    CMemletData(const CMemletData&) = default;
    CMemletData& operator=(const CMemletData&) = default;

    // One INI section of the note (keys, order and text encoding in storage/).
    // Returns 0 when the writer failed.
    int WriteIniSection(CWriteIniFile& writer, int textFormat, int key, const std::string& section,
                        const std::wstring& path);
    // False when the text was cut short (an odd number of digits): the
    // bytes of its whole pairs are kept.
    bool ReadIniSection(int key, const std::string& section, const std::wstring& path);

    // Attaching opens the note window on the target; detaching copies the
    // window's state back, closes it and tells the panel.
    void OnMatch(HWND target) override;
    void OnLost() override;
    void StartMemlet(HWND target);
    void EndMemlet();
    // The open window's state into the record (only while it exists).
    void GetWindowData();
    // On a fresh copy that becomes a duplicate: detached, 5 px right of and
    // below its source, no reservation.
    void CopyWindow();
    // On a fresh copy for the export cache: detached, in place, not due.
    void CopyWindowForExport();
    // The record refreshed from its window; it stays attached.
    void SyncWindowData();
    // The live text while the note is open, else the stored one.
    void GetText(std::string* out);
    void SetText(const std::string& text);
    void CenterOnTarget();
    void CenterOnMonitor();

    int m_nReadOnly = 0;
    int m_nTransparent = 70;  // opacity in percent, 20..100
    int m_nMouseHideCtl = 0;
    int m_nColor = 0;
    int m_nPickPos = 0;
    int m_nBkColor = 5;
    int m_nGraFlg = 1;
    int m_nGraPtn = 0;
    int m_nBkTransparent = 0;
    int m_nTxColor = 0;
    LOGFONTA m_logFont{};
    int m_nFrame = 0;
    CMemletWin* m_pMemletWin = nullptr;  // not owned
    std::string m_strText;
    CReserveData m_reserve;
    CArrowData m_arrow;
    int m_nArLineWidth = 1;
    // Which record this is while it is in the panel's note list or the
    // pending list: given as it enters one, kept when it is replaced in
    // place, never written to a file. 0 until then.
    uint64_t m_nSerial = 0;

    // A serial no record has had yet.
    static uint64_t NewSerial();
};

// The most text a note keeps, in bytes.
constexpr size_t kMemletTextLimit = 4000;

// The font every note starts with: 9 points of "ＭＳ Ｐゴシック", Shift JIS.
LOGFONTA DefaultMemletFont();

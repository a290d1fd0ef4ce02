// Writing the export cache to an export file: the data file's layout, every
// record, text never transformed, whatever the program's save format.
#include "dialogs/ExportStackDlg.h"
#include "storage/MemletListFile.h"
#include "storage/WriteIniFile.h"

bool CExportStackDlg::WriteExportFile(const std::wstring& path) {
    std::vector<CMemletData> records = m_MemletList;
    for (CMemletData& data : records)
        data.m_bDirty = 1;
    CWriteIniFile writer;
    return WriteMemletListFile(writer, path, records, 0, 0);
}

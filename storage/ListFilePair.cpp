#include "storage/ListFilePair.h"

#include <algorithm>

#include "framework/Text.h"
#include "framework/Trace.h"
#include "storage/MemletListFile.h"

std::vector<uint64_t> SerialsOf(const std::vector<CMemletData>& list) {
    std::vector<uint64_t> serials;
    serials.reserve(list.size());
    for (const CMemletData& data : list)
        serials.push_back(data.m_nSerial);
    return serials;
}

std::vector<CMemletData> GainedRecords(const CListFile& file) {
    std::vector<CMemletData> gained;
    if (!file.list)
        return gained;
    std::vector<uint64_t> held = *file.held;
    std::sort(held.begin(), held.end());
    for (const CMemletData& data : *file.list)
        if (!std::binary_search(held.begin(), held.end(), data.m_nSerial))
            gained.push_back(data);
    return gained;
}

namespace {

// The file's new content whole beside it: every record of its list, then
// the extra records.
bool Prepare(const CListFile& file, const std::vector<CMemletData>& extras) {
    for (CMemletData& data : *file.list)
        data.m_bDirty = 1;
    return PrepareMemletListFile(*file.writer, file.path, *file.list, extras, file.format, file.key);
}

bool Replace(const CListFile& file) {
    if (!file.writer->replaceFile())
        return false;
    *file.held = SerialsOf(*file.list);
    return true;
}

}  // namespace

CListFilesSaved SaveListFiles(const CListFile& data, const CListFile& pending) {
    CListFilesSaved saved;
    if (!pending.list) {
        saved.data = Prepare(data, {}) && Replace(data);
        saved.pending = true;
        return saved;
    }
    const std::vector<CMemletData> gainedData = GainedRecords(data), gainedPending = GainedRecords(pending);
    // The list that gained goes first. When both did, the pending list, the
    // smaller file: it holds the data list's new records as well until the
    // data file is in place, and is written once more without them then.
    const bool pendingFirst = !gainedPending.empty();
    const CListFile& first = pendingFirst ? pending : data;
    const CListFile& second = pendingFirst ? data : pending;
    const std::vector<CMemletData>& gainedFirst = pendingFirst ? gainedPending : gainedData;
    const std::vector<CMemletData>& gainedSecond = pendingFirst ? gainedData : gainedPending;
    const std::vector<CMemletData> none;

    bool firstReady = Prepare(first, gainedSecond);
    // Without the first file the second keeps what the first one gained.
    bool secondReady = Prepare(second, firstReady ? none : gainedFirst);
    bool firstSaved = firstReady && Replace(first);
    if (firstReady && !firstSaved && !gainedFirst.empty())
        secondReady = Prepare(second, gainedFirst);
    bool secondSaved = secondReady && Replace(second);
    if (firstSaved && secondSaved && !gainedSecond.empty()) {
        // Both whole already; this only takes out the second list's records.
        if (!Prepare(first, none) || !Replace(first))
            Trace("SaveListFiles: %s keeps the other list's new notes\n", FromWide(first.path).c_str());
    }
    saved.data = pendingFirst ? secondSaved : firstSaved;
    saved.pending = pendingFirst ? firstSaved : secondSaved;
    return saved;
}

// The list the export cache, the import cache and the pending list share:
// one text row per record (program, title, text), row i is record i.
#pragma once
#include <cstdint>
#include <vector>

#include "framework/ListCtrl.h"
#include "model/MemletData.h"

// Full-row selection, grid lines from Windows 6.0 on, the four columns.
void SetupMemletList(CListCtrl& list);

// Refills the rows from the records. The selection stays on its position,
// not on its record: after a deletion the next record takes the place.
void FillMemletList(CListCtrl& list, const std::vector<CMemletData>& records);

// The record behind the selection mark: its position, and its serial for
// finding it again after a nested loop. -1 with no mark (after asking the
// user for one) and for a mark past the end.
int SelectedRecord(const CListCtrl& list, const std::vector<CMemletData>& records, uint64_t& serial);

// Position of the record with that serial, or -1 when it is gone.
int FindBySerial(const std::vector<CMemletData>& records, uint64_t serial);

// "選択データを削除": the selected record erased, no question asked.
// True when one was.
bool DeleteSelectedMemlet(CListCtrl& list, std::vector<CMemletData>& records);

// The part of a record that the match condition dialog edits.
#pragma once
#include "model/ObjData.h"

// The condition's flags, partial texts and child (class, id, text) of from
// into to; nothing else of to changes.
void CopyMatchCondition(const CObjData& from, CObjData& to);

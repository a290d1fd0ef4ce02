// A note record with every field away from its default, for tests that
// must see each field carried: copied, written, read back or handed to a
// window. Detached: no target, no window.
#pragma once
#include "model/MemletData.h"

CMemletData FullRecord();

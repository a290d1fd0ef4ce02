// Serials of the records in the lists: run-time identities only.
#include "model/MemletData.h"

uint64_t CMemletData::NewSerial() {
    static uint64_t last = 0;
    return ++last;
}

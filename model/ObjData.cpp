#include "model/ObjData.h"

#include <ctime>

CObjData::CObjData() {
    m_tGenDate = _time64(nullptr);
    m_tAcsDate = _time64(nullptr);
}

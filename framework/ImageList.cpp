#include "framework/ImageList.h"

#include "framework/Trace.h"

bool CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    Destroy();
    m_list = ImageList_Create(cx, cy, flags, initial, grow);
    if (!m_list)
        Trace("ImageList_Create() Error=%lu\n", GetLastError());
    return m_list != nullptr;
}

void CImageList::Destroy() {
    if (m_list)
        ImageList_Destroy(m_list);
    m_list = nullptr;
}

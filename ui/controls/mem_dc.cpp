// Off-screen drawing surface with one block copy at the end.
#include "ui/controls/mem_dc.h"

bool DrawsStraightThrough(HDC dc) {
    // A metafile answers the device queries for its reference device, so it is told by type.
    const DWORD type = GetObjectType(dc);
    return type == OBJ_ENHMETADC || type == OBJ_METADC ||
           GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER;
}

CMemDC::CMemDC(HDC target) : m_target(target) {
    if (target == nullptr || DrawsStraightThrough(target)) {
        return;
    }
    GetClipBox(target, &m_area);
    UniqueMemDc memory(CreateCompatibleDC(target));
    // Compatible with the target, not with the memory context (which would be monochrome).
    UniqueBitmap bitmap(
        CreateCompatibleBitmap(target, m_area.right - m_area.left, m_area.bottom - m_area.top));
    if (!memory || !bitmap) {
        // Without a buffer the picture goes straight to the target: slower to the eye, but whole.
        return;
    }
    m_savedBitmap = SelectObject(memory.get(), bitmap.get());
    SetWindowOrgEx(memory.get(), m_area.left, m_area.top, nullptr);
    m_memory = std::move(memory);
    m_offscreenBitmap = std::move(bitmap);
    m_buffering = true;
}

CMemDC::~CMemDC() {
    if (!m_buffering) {
        // The target's contexts are the caller's: nothing of them is released here.
        return;
    }
    BitBlt(m_target, m_area.left, m_area.top, m_area.right - m_area.left,
           m_area.bottom - m_area.top, m_memory.get(), m_area.left, m_area.top, SRCCOPY);
    SelectObject(m_memory.get(), m_savedBitmap);
    m_offscreenBitmap.reset();
    m_memory.reset();
}

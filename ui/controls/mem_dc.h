// An off-screen drawing surface: everything drawn on it lands in a memory bitmap that is copied
// to the target in one block when the object ends. On a printer or a metafile it draws
// straight through.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

class CMemDC {
  public:
    // Buffers unless the target draws straight through. The target must outlive the object.
    explicit CMemDC(HDC target);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // Where to draw, in the target's own coordinates.
    HDC dc() const { return m_buffering ? m_memory.get() : m_target; }
    bool IsBuffering() const { return m_buffering; }
    const RECT& Area() const { return m_area; }

  private:
    UniqueBitmap m_offscreenBitmap;
    HGDIOBJ m_savedBitmap = nullptr;
    HDC m_target;
    RECT m_area{};
    bool m_buffering = false;
    UniqueMemDc m_memory;
};

// True for a printer's device context and for a metafile's, which records the drawing calls
// themselves: a bitmap copy would print coarsely, or record one bitmap.
bool DrawsStraightThrough(HDC dc);

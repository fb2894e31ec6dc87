// The kit's synchronous repaint, safe to ask for from a thread that does not own the window.
#pragma once

#include <windows.h>

// Invalidate with background erase and update at once (RDW_INVALIDATE | RDW_ERASE |
// RDW_UPDATENOW) on the window's own thread. From any other thread the window is only
// invalidated: an immediate update would wait for the owning thread, which may itself be
// waiting for the caller; that thread paints when it next runs its message loop.
void RepaintNow(HWND window);
// True when the calling thread owns the window.
bool IsOwnWindow(HWND window);

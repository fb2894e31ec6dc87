// Synchronous repaint on the owning thread, non-blocking invalidation elsewhere.
#include "ui/controls/repaint.h"

bool IsOwnWindow(HWND window) {
    return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

void RepaintNow(HWND window) {
    if (window == nullptr) {
        return;
    }
    if (IsOwnWindow(window)) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    } else {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    }
}

// Finding the host's main window from the host's own thread.
#include "platform/win32/host_window.h"

namespace {

struct MainWindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<MainWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && GetWindow(window, GW_OWNER) == nullptr &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND HostMainWindow() {
    MainWindowSearch search{GetCurrentProcessId(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Message boxes owned by the host's main window.
#include <windows.h>

#include "platform/message_box.h"

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

// The first visible unowned top-level window of the calling thread: the host's main window.
HWND HostMainWindow() {
    MainWindowSearch search{GetCurrentProcessId(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

void ShowMessageBox(const std::string& text, const char* caption, MessageIcon icon) {
    UINT flags = MB_OK;
    if (icon == MessageIcon::kInformation) {
        flags |= MB_ICONINFORMATION;
    }
    MessageBoxA(HostMainWindow(), text.c_str(), caption, flags);
}

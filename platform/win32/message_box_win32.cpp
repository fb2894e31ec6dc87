// Message boxes owned by the host's main window.
#include <windows.h>

#include "platform/message_box.h"
#include "platform/win32/host_window.h"

void ShowMessageBox(const std::string& text, const char* caption, MessageIcon icon) {
    UINT flags = MB_OK;
    if (icon == MessageIcon::kInformation) {
        flags |= MB_ICONINFORMATION;
    }
    MessageBoxA(HostMainWindow(), text.c_str(), caption, flags);
}

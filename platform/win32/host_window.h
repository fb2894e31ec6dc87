// The host's main window, owner of the plug-in's modal dialogs and message boxes.
#pragma once

#include <windows.h>

// The first visible unowned top-level window of the calling thread, or null when it has none.
HWND HostMainWindow();

// Dialog keys (Esc, Enter, Tab) for modeless windows whose thread runs a message loop that
// does not know them, such as another dialog's modal loop.
#pragma once

#include <windows.h>

// While registered, keyboard messages for the dialog or its controls are handed to the
// dialog's keyboard handling as they leave the thread's queue. Owning thread only.
void RegisterModelessDialog(HWND dialog);
void UnregisterModelessDialog(HWND dialog);

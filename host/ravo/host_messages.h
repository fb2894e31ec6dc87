// The replacement host's message loop between calls into the plug-in.
#pragma once

#include <windows.h>

#include <functional>

// Runs the calling thread's messages until done() holds (true) or the time is up (false).
bool PumpHostMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Runs the calling thread's messages for the given time.
void PumpHostMessages(DWORD milliseconds);

// The status window's thread: started by the contest start, stopped by the module's exit
// routine and by every restart.
#pragma once

#include <windows.h>

// Stops a running status window, then starts a new status thread.
void StartStatusWindow();
// Closes the county window, the DXCC window and the status window, all at once and with no
// completion routine, and returns when the status thread has let go of its window. The whole
// stop has one deadline; every wait serves the caller's sent messages and COM calls only, so the
// status thread can finish a call on the host's automation object meanwhile. With moduleUnloading
// (the module's exit routine, loader lock held) it also waits until the status thread runs no more
// code of this module, and ends a thread that does not get there in time. Otherwise such a thread
// keeps running and lets go of its window later.
void StopStatusWindow(bool moduleUnloading = false);
// The thread body: 1 when a status window already exists, else 0 once the window has ended.
int StatusThreadMain();
// Installs the status window's link into the engine (module load).
void InstallStatusLink();

// Called by the status window on its thread when its window exists and when it goes.
void StatusWindowCreated(HWND window);
void StatusWindowDestroyed();
// True from the moment a stop begins until the next start (any thread). The status thread
// then opens no grid window and runs no refresh.
bool StatusWindowStopping();
// The status window's window while it exists (any thread).
HWND StatusWindowHandle();

// Asks the status window to close one grid window on its own thread (wParam: which).
constexpr UINT kCloseGridWindowMessage = WM_APP + 41;
constexpr WPARAM kCloseCountyGrid = 0;
constexpr WPARAM kCloseDxccGrid = 1;

// The status window's thread: started by the contest start, stopped by the module's exit
// routine and by every restart.
#pragma once

// Stops a running status window, then starts a new status thread.
void StartStatusWindow();
// Closes the grid windows and the status window and returns when the status thread has let
// go of its window.
void StopStatusWindow();
// Installs the status window's link into the engine (module load).
void InstallStatusLink();

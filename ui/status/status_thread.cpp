// The status window's thread.
#include "ui/status/status_thread.h"

void StartStatusWindow() {}

void StopStatusWindow() {}

void InstallStatusLink() {}

// Module load and unload of Stats.dll: the application object and its exit routine.
#include <windows.h>

#include "ui/status/status_thread.h"

namespace {

// The application object: its exit routine stops the status window before the module goes.
class CTestApp {
  public:
    void InitInstance() { InstallStatusLink(); }
    // Runs under the loader lock (FreeLibrary); StopStatusWindow's waits are bounded and
    // serve the host's calls, and it returns only when the status thread has left this module
    // or has been ended: nothing is left to settle, so no pause follows.
    void ExitInstance() { StopStatusWindow(true); }
};

CTestApp g_theApp;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            DisableThreadLibraryCalls(instance);
            g_theApp.InitInstance();
            break;
        case DLL_PROCESS_DETACH:
            // At process exit (reserved not null) the other threads are already gone and
            // nothing may wait for them.
            if (reserved == nullptr) {
                g_theApp.ExitInstance();
            }
            break;
        default:
            break;
    }
    return TRUE;
}

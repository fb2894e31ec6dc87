// Opening and closing of the two grid windows on the status thread.
#include <memory>

#include "ui/status/county_window.h"
#include "ui/status/multiplier_window.h"
#include "ui/status/status_thread.h"
#include "ui/status/status_windows.h"

std::atomic<Setup_Sarnet*> g_statusWindow{nullptr};
std::atomic<Multiplier*> g_dxccWindow{nullptr};
std::atomic<YO_County*> g_countyWindow{nullptr};
std::mutex g_gridWindowMutex;

namespace {

// Not while the status window is being stopped: the stop has closed the grid windows or is
// about to, and from the module's exit routine a new window could not even load its template.
// A window that could not be created is not kept: the pointer stays null, so the next refresh
// or click tries again.
template <class Window>
void OpenGridWindow(std::atomic<Window*>& pointer) {
    if (StatusWindowStopping()) {
        return;
    }
    auto window = std::make_unique<Window>();
    if (!window->Open()) {
        return;
    }
    std::lock_guard<std::mutex> lock(g_gridWindowMutex);
    pointer = window.release();
}

// The pointer is cleared under the mutex first, so no other thread can still be inside the
// object when it is destroyed. Destroying the window takes it off the screen, as the close
// message would, and the object never outlives its pointer.
template <class Window>
void CloseGridWindow(std::atomic<Window*>& pointer) {
    std::unique_ptr<Window> window;
    {
        std::lock_guard<std::mutex> lock(g_gridWindowMutex);
        window.reset(pointer.exchange(nullptr));
    }
}

}  // namespace

void OpenDxccWindow() {
    OpenGridWindow(g_dxccWindow);
}

void OpenCountyWindow() {
    OpenGridWindow(g_countyWindow);
}

void CloseDxccWindow() {
    CloseGridWindow(g_dxccWindow);
}

void CloseCountyWindow() {
    CloseGridWindow(g_countyWindow);
}

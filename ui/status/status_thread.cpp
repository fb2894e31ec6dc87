// The status window's thread, its start and stop, and the engine's link to it.
//
// Unloading. The module's exit routine runs inside DllMain (DLL_PROCESS_DETACH) on the host's
// thread, which holds the loader lock. The status thread holds no reference on the module:
// one would keep FreeLibrary from ever reaching the exit routine, and the window would
// outlive the host's unload. Nor may anything it runs take one: with MinGW a thread_local
// with a destructor does (the runtime pins the module until the thread ends), so this module
// keeps no such thread_local state. Instead the exit routine closes the windows and waits, pumping
// messages (the status thread may be inside a call on the host's object, which the host's
// thread serves), for the status thread to let go. A thread cannot finish exiting while
// another thread holds the loader lock (thread detach takes it), so waiting for the thread
// handle there would deadlock; the wait is for a flag that the status thread sets as its
// last act in this module, followed by a check that the thread's instruction pointer has
// left the module image. After that the thread only runs ExitThread, which never returns.
// Once a stop has begun the status thread opens no grid window and skips refreshes: a new
// window loads its template and icon from this module's resources, and resource lookups take
// the loader lock, which the exit routine holds while it waits, so the thread would block
// until the wait gave up. Closing and destroying windows needs no such lock.
// Should the status thread not get there in time, it is suspended for good: a frozen thread
// is better than one that resumes in an unmapped module.
// The thread is made with CreateThread, not std::thread, whose exit path runs library code
// linked into this module. StartStatusWindow waits (bounded, pumping) until the new window
// has initialised, so an unload right after a start finds a window to close, not a thread
// still on its way up.
#include "ui/status/status_thread.h"

#include <atomic>
#include <memory>

#include "engine/engine_state.h"
#include "engine/status_link.h"
#include "platform/win32/module_instance.h"
#include "platform/win32/unique_handle.h"
#include "ui/status/county_window.h"
#include "ui/status/host_application.h"
#include "ui/status/message_pump.h"
#include "ui/status/setup_sarnet.h"
#include "ui/status/status_windows.h"

namespace {

constexpr DWORD kStopTimeoutMs = 5000;
constexpr DWORD kCloseSettleMs = 20;

std::atomic<HWND> g_statusHwnd{nullptr};
std::atomic<bool> g_stopRequested{false};
std::atomic<bool> g_threadLetGo{true};
// Host's thread only.
UniqueKernelHandle g_statusThread;
// Set while a start or stop runs on the host's thread. Their waits dispatch the host's
// messages, and a handler that starts or stops the window from there must not interleave a
// second start or stop with the first.
bool g_startStopRunning = false;

class StartStopScope {
  public:
    StartStopScope() : m_entered(!g_startStopRunning) { g_startStopRunning = true; }
    StartStopScope(const StartStopScope&) = delete;
    StartStopScope& operator=(const StartStopScope&) = delete;
    ~StartStopScope() {
        if (m_entered) {
            g_startStopRunning = false;
        }
    }
    bool entered() const { return m_entered; }

  private:
    bool m_entered;
};

void StopThread(bool moduleUnloading);

DWORD WINAPI StatusThreadProc(LPVOID) {
    try {
        StatusThreadMain();
    } catch (...) {
        g_statusWindow = nullptr;
    }
    g_threadLetGo = true;
    ExitThread(0);
}

bool InThisModule(ULONG_PTR address) {
    const auto* base = reinterpret_cast<const BYTE*>(ModuleInstance());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto start = reinterpret_cast<ULONG_PTR>(base);
    return address >= start && address < start + nt->OptionalHeader.SizeOfImage;
}

// True once the thread has ended or runs outside this module.
bool HasLeftModule(HANDLE thread) {
    if (WaitForSingleObject(thread, 0) == WAIT_OBJECT_0) {
        return true;
    }
    if (SuspendThread(thread) == static_cast<DWORD>(-1)) {
        return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
    }
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    const bool read = GetThreadContext(thread, &context) != FALSE;
    ResumeThread(thread);
#ifdef _WIN64
    const ULONG_PTR ip = context.Rip;
#else
    const ULONG_PTR ip = context.Eip;
#endif
    return read && !InThisModule(ip);
}

class StatusWindowLink final : public StatusLink {
  public:
    bool IsStatusWindowOpen() override { return g_statusWindow != nullptr; }
    bool IsDxccWindowOpen() override { return g_dxccWindow != nullptr; }
    bool IsCountyWindowOpen() override { return g_countyWindow != nullptr; }
    void PostRefresh() override {
        const HWND window = g_statusHwnd;
        if (window != nullptr && g_statusWindow != nullptr) {
            PostMessageW(window, kRefreshStatsMessage, 0, 0);
        }
    }
    void StartStatusWindow() override { ::StartStatusWindow(); }
    void ResetCountyMarks() override {
        std::lock_guard<std::mutex> lock(g_gridWindowMutex);
        if (YO_County* window = g_countyWindow) {
            window->ResetCountyMarks();
        }
    }
};

StatusWindowLink g_statusWindowLink;

}  // namespace

void InstallStatusLink() {
    SetStatusLink(&g_statusWindowLink);
}

HWND StatusWindowHandle() {
    return g_statusHwnd;
}

void StatusWindowCreated(HWND window) {
    g_statusHwnd = window;
    if (g_stopRequested) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

bool StatusWindowStopping() {
    return g_stopRequested;
}

void StatusWindowDestroyed() {
    g_statusHwnd = nullptr;
}

int StatusThreadMain() {
    if (g_statusWindow != nullptr) {
        return 1;
    }
    const ComApartment apartment;
    {
        auto window = std::make_unique<Setup_Sarnet>();
        g_statusWindow = window.get();
        window->DoModal(nullptr);
        // The grid windows live on this thread and end with the status window.
        CloseCountyWindow();
        CloseDxccWindow();
        window.reset();
        g_statusHwnd = nullptr;
        g_statusWindow = nullptr;
    }
    // Before the apartment ends.
    g_hostApp.Release();
    return 0;
}

void StartStatusWindow() {
    const StartStopScope scope;
    if (!scope.entered()) {
        return;
    }
    if (g_statusWindow != nullptr || g_statusThread) {
        StopThread(false);
    }
    g_stopRequested = false;
    g_threadLetGo = false;
    const HANDLE thread = CreateThread(nullptr, 0, StatusThreadProc, nullptr, 0, nullptr);
    if (thread == nullptr) {
        g_threadLetGo = true;
        return;
    }
    g_statusThread.reset(thread);
    // Until the window has finished its initialisation, which binds the host's object and so
    // needs this thread's messages to flow. After that an unload finds a window to close
    // rather than a thread that may be loading libraries (loader lock) on its way up.
    PumpMessagesUntil([] { return g_statusHwnd != nullptr || g_threadLetGo; },
                      Deadline(kStopTimeoutMs));
}

void StopStatusWindow(bool moduleUnloading) {
    const StartStopScope scope;
    if (scope.entered() || moduleUnloading) {
        StopThread(moduleUnloading);
    }
}

namespace {

void StopThread(bool moduleUnloading) {
    if (!g_statusThread) {
        return;
    }
    g_stopRequested = true;
    // Each step has its own bound, so a slow step cannot starve the ones after it.
    if (g_statusWindow != nullptr) {
        PumpMessagesUntil([] { return g_statusHwnd != nullptr || g_threadLetGo; },
                          Deadline(kStopTimeoutMs));
        if (const HWND window = g_statusHwnd) {
            if (g_countyWindow != nullptr) {
                SendMessagePumping(window, kCloseGridWindowMessage, kCloseCountyGrid, 0,
                                   Deadline(kStopTimeoutMs));
                Sleep(kCloseSettleMs);
            }
            if (g_dxccWindow != nullptr) {
                SendMessagePumping(window, kCloseGridWindowMessage, kCloseDxccGrid, 0,
                                   Deadline(kStopTimeoutMs));
                Sleep(kCloseSettleMs);
            }
            SendMessagePumping(window, WM_CLOSE, 0, 0, Deadline(kStopTimeoutMs));
        }
        Sleep(kCloseSettleMs);
    }
    const Deadline deadline(kStopTimeoutMs);
    const HANDLE thread = g_statusThread.get();
    PumpMessagesUntil(
        [&] { return g_threadLetGo || WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, deadline);
    if (moduleUnloading) {
        if (!PumpMessagesUntil([&] { return g_threadLetGo && HasLeftModule(thread); }, deadline)) {
            SuspendThread(thread);
        }
    } else {
        PumpMessagesUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; },
                          deadline);
    }
    g_statusThread.reset();
}

}  // namespace

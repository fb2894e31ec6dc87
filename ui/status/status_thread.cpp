// The status window's thread, its start and stop, and the engine's link to it.
//
// Waiting. Every wait of the host's thread for the status thread is bounded and serves only
// what the status thread may need meanwhile (messages sent to the host's windows, calls on
// the host's automation object: message_pump.h); the host's posted messages and timers wait,
// so no entry point runs inside another.
//
// Unloading. The module's exit routine runs inside DllMain (DLL_PROCESS_DETACH) on the host's
// thread, which holds the loader lock. The status thread holds no reference on the module:
// one would keep FreeLibrary from ever reaching the exit routine, and the window would
// outlive the host's unload. Nor may anything it runs take one: with MinGW a thread_local
// with a destructor does (the runtime pins the module until the thread ends), so this module
// keeps no such thread_local state. Instead the exit routine closes the windows and waits,
// serving the host's calls, for the status thread to let go. A thread cannot finish exiting
// while another thread holds the loader lock (thread detach takes it), so waiting for the
// thread handle there would deadlock; the wait is for a flag that the status thread stores
// (interlocked) as its last act in this module, right before it calls ExitThread, which never
// returns, followed by a check that the thread's instruction pointer has left the module
// image. Once the flag is set nothing brings the thread back into the module, so an
// instruction pointer outside it means the thread has left for good.
//
// The stop closes all windows at once with SendNotifyMessage: no completion routine, timer or
// callback of this module is registered anywhere, so whatever the status thread does, nothing
// of this module can be called after the unload (the completion routine of an unanswered
// SendMessageCallback would be handed to the host's thread after the kill, to run in an
// unmapped image). It then waits for observable state: the thread letting go. The whole stop
// has one deadline, kStopTimeoutMs, at unload and at restart alike.
//
// During an unload the status thread calls nothing that takes the loader lock or unloads
// code: it leaves its COM apartment as it is (CoUninitialize unloads the apartment's
// libraries, under the loader lock that the unloading host holds), for the thread's end to
// release.
// Once a stop has begun the status thread opens no grid window and skips refreshes: a new
// window loads its template and icon from this module's resources, and resource lookups take
// the loader lock, which the exit routine holds while it waits, so the thread would block
// until the wait gave up. Closing and destroying windows needs no such lock.
//
// A thread that cannot be stopped in time (it waits in a call on the host's object that
// nobody serves, in a hook, or on the loader lock) is never left behind in an unmapped module:
// the exit routine ends it where it waits, which takes its windows with it, so no code or
// window procedure of this module can run after the unload. What that kill leaks is bounded:
// the thread's COM apartment and the one reference it held on the host's object, and the few
// kilobytes of its window objects on the heap (docs/reliability.md). A restart does not orphan such
// a thread either: the thread keeps its handle and opens the new window itself once the old one has
// gone.
//
// The thread is made with CreateThread, not std::thread, whose exit path runs library code
// linked into this module. StartStatusWindow waits (bounded) until the new window has
// initialised, so an unload right after a start finds a window to close, not a thread still
// on its way up.
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
// How long an ended thread may take to be gone: the last part of the stop's time, so that a
// stop that ends in the kill still holds the host no longer than kStopTimeoutMs in all.
constexpr DWORD kEndedThreadMs = 1000;

std::atomic<HWND> g_statusHwnd{nullptr};
std::atomic<bool> g_stopRequested{false};
std::atomic<bool> g_threadLetGo{true};
// Stored by the status thread as its last act in this module, right before ExitThread.
std::atomic<bool> g_threadLeaving{false};
// Set for the stop that the module's exit routine runs.
std::atomic<bool> g_moduleUnloading{false};
// A start that found the thread unable to let go of its window in time: the thread opens the
// new window itself once the old one has gone.
std::atomic<bool> g_restartWanted{false};
// Makes the thread's choice between a restart and letting go one step against the host's
// thread asking for a restart or a stop. A system lock, so that releasing it after letting go
// runs no code of this module.
SRWLOCK g_handOverLock = SRWLOCK_INIT;
// Host's thread only.
UniqueKernelHandle g_statusThread;
// Set while a start or stop runs on the host's thread: a second start or stop that reaches
// this module meanwhile (through a message sent to one of the host's windows) does nothing.
bool g_startStopRunning = false;

class HandOverScope {
  public:
    HandOverScope() { AcquireSRWLockExclusive(&g_handOverLock); }
    HandOverScope(const HandOverScope&) = delete;
    HandOverScope& operator=(const HandOverScope&) = delete;
    ~HandOverScope() { ReleaseSRWLockExclusive(&g_handOverLock); }
};

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

bool StopThread(bool moduleUnloading);

// After each window: a restart asked for meanwhile runs on this thread; otherwise the thread
// lets go for good.
bool TakeRestartOrLetGo() {
    const HandOverScope lock;
    if (g_restartWanted) {
        g_restartWanted = false;
        g_stopRequested = false;
        return true;
    }
    g_threadLetGo = true;
    return false;
}

DWORD WINAPI StatusThreadProc(LPVOID) {
    do {
        try {
            StatusThreadMain();
        } catch (...) {
            g_statusWindow = nullptr;
        }
    } while (TakeRestartOrLetGo());
    g_threadLeaving.store(true);
    ExitThread(0);
}

bool Ended(HANDLE thread) {
    return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
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
    const bool apartment = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
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
    // Not under an unload: ending the apartment unloads its libraries, under the loader lock
    // that the unloading host holds. The thread's end releases it.
    if (apartment && !g_moduleUnloading) {
        CoUninitialize();
    }
    return 0;
}

void StartStatusWindow() {
    const StartStopScope scope;
    if (!scope.entered()) {
        return;
    }
    if ((g_statusWindow != nullptr || g_statusThread) && !StopThread(false)) {
        const HandOverScope lock;
        if (!g_threadLetGo) {
            g_restartWanted = true;
            return;
        }
    }
    g_statusThread.reset();
    g_stopRequested = false;
    g_threadLetGo = false;
    g_threadLeaving = false;
    const HANDLE thread = CreateThread(nullptr, 0, StatusThreadProc, nullptr, 0, nullptr);
    if (thread == nullptr) {
        g_threadLetGo = true;
        return;
    }
    g_statusThread.reset(thread);
    // Until the window has finished its initialisation, which binds the host's object and so
    // needs this thread to serve calls. After that an unload finds a window to close rather
    // than a thread that may be loading libraries (loader lock) on its way up.
    WaitServingCalls([] { return g_statusHwnd != nullptr || g_threadLetGo; },
                     Deadline(kStopTimeoutMs));
}

void StopStatusWindow(bool moduleUnloading) {
    const StartStopScope scope;
    if (scope.entered() || moduleUnloading) {
        StopThread(moduleUnloading);
    }
}

namespace {

// The thread could not let go in time and the module is about to be unmapped. The thread
// waits outside this module's control (a call on the host's object that is not served, a
// hook, the loader lock that the exit routine holds) and would run on in an unmapped image:
// it is ended where it waits, and the system destroys its windows with it. Its reference on
// the host's object belonged to its apartment, which the kill took: it is forgotten once the
// thread is gone, not released from this thread.
void EndThreadBeforeUnload(HANDLE thread) {
    TerminateThread(thread, 1);
    WaitForSingleObject(thread, kEndedThreadMs);
    g_hostApp.Abandon();
}

// True when the thread has let go of its window (and, unloading, has left the module or been
// ended); false when it could not in time, which leaves it running with its handle kept.
bool StopThread(bool moduleUnloading) {
    if (!g_statusThread) {
        return true;
    }
    {
        // Before the stop shows: a thread that sees it must already know an unload is on.
        const HandOverScope lock;
        g_moduleUnloading = moduleUnloading;
        g_restartWanted = false;
        g_stopRequested = true;
    }
    // One deadline for the whole stop, less the time the kill may take. All windows are asked
    // to close at once, with no completion routine: the thread letting go is what is waited
    // for. A window still on its way up closes itself when it sees the stop
    // (StatusWindowCreated).
    const Deadline deadline(kStopTimeoutMs - kEndedThreadMs);
    if (g_statusWindow != nullptr) {
        WaitServingCalls([] { return g_statusHwnd != nullptr || g_threadLetGo; }, deadline);
        if (const HWND window = g_statusHwnd) {
            if (g_countyWindow != nullptr) {
                SendNotifyMessageW(window, kCloseGridWindowMessage, kCloseCountyGrid, 0);
            }
            if (g_dxccWindow != nullptr) {
                SendNotifyMessageW(window, kCloseGridWindowMessage, kCloseDxccGrid, 0);
            }
            SendNotifyMessageW(window, WM_CLOSE, 0, 0);
        }
    }
    const HANDLE thread = g_statusThread.get();
    const bool letGo = WaitServingCalls([&] { return g_threadLetGo || Ended(thread); }, deadline);
    if (moduleUnloading) {
        const auto gone = [&] {
            return Ended(thread) || (g_threadLeaving && HasLeftModule(thread));
        };
        if (!letGo || !WaitServingCalls(gone, deadline)) {
            EndThreadBeforeUnload(thread);
        }
    } else if (letGo) {
        WaitServingCalls([&] { return Ended(thread); }, deadline);
    } else {
        return false;
    }
    g_statusThread.reset();
    return true;
}

}  // namespace

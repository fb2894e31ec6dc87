// Unloading the real Stats.dll while its status window is open, as the host does at exit.
#include <gtest/gtest.h>

#include "platform/settings.h"
#include "platform/win32/unique_handle.h"
#include "resources/resource.h"
#include "plugin_fixture.h"
#include "ui_thread.h"

namespace {

struct AnyCaptionSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchAnyOwnCaption(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<AnyCaptionSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t text[64] = {};
    if (process == GetCurrentProcessId() && GetWindowTextW(window, text, 64) > 0 &&
        wcscmp(text, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The top-level window of this process with this caption, shown or not.
HWND AnyOwnWindow(const wchar_t* caption) {
    AnyCaptionSearch search{caption, nullptr};
    EnumWindows(MatchAnyOwnCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class StatusUnload : public LoadedPluginTest {
  protected:
    void SetUp() override {
        LoadedPluginTest::SetUp();
        if (!HasFatalFailure()) {
            ASSERT_TRUE(LoadPlugin());
        }
    }

    HWND StartAndFind() {
        StartRun();
        return WaitForStatusWindow();
    }

    // The thread of the module's status window, for waiting on it.
    // Looked for, shown or not, without pumping the host's messages (only its calls are
    // served, as the module's own waits serve them).
    static UniqueKernelHandle StatusThread() {
        HWND window = nullptr;
        WaitServingCalls([&] { return (window = AnyOwnWindow(L"Setup Sarnet-2026")) != nullptr; },
                         Deadline(2000));
        const DWORD id = window != nullptr ? GetWindowThreadProcessId(window, nullptr) : 0;
        return UniqueKernelHandle(
            id != 0 ? OpenThread(SYNCHRONIZE | THREAD_QUERY_LIMITED_INFORMATION, FALSE, id)
                    : nullptr);
    }

    // Unloads and returns how long FreeLibrary took.
    ULONGLONG TimedUnload() {
        const ULONGLONG start = GetTickCount64();
        m_plugin.Unload();
        return GetTickCount64() - start;
    }
};

TEST_F(StatusUnload, ClosesTheWindowsWhileTheStatusThreadIsInsideAHostCall) {
    const HWND window = StartAndFind();
    ASSERT_NE(window, nullptr);
    SendMessageServingCalls(GetDlgItem(window, IDC_SETUP_VIEW_DXCC), BM_CLICK, 0, 0,
                            Deadline(kWindowWaitMs));
    PumpHostMessages(300);
    const int before = m_host->Application().EntryFieldCalls();
    // The status thread now waits for this thread to serve its EntryField call.
    PostMessageW(window, kRefreshStatsMessage, 0, 0);
    Sleep(200);

    EXPECT_LT(TimedUnload(), 15000u);
    // Nothing the windows ran may have pinned the module: the exit routine ran and it is gone.
    EXPECT_EQ(GetModuleHandleW(L"Stats.dll"), nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(FindOwnWindow(L"Setup Sarnet-2026"), nullptr);
    EXPECT_GT(m_host->Application().EntryFieldCalls(), before);
    // The process goes on; nothing of the unloaded module runs any more.
    PumpHostMessages(300);
}

TEST_F(StatusUnload, RefreshesQueuedBehindTheCloseReopenNoGridWindow) {
    // Every refresh wants both grid windows; a refresh run between the stop's grid closes would
    // open one again, and from the exit routine a new window blocks on the loader lock.
    WriteSetting("setup_view_multiplier", "1");
    WriteSetting("setup_view_county", "1");
    const HWND window = StartAndFind();
    ASSERT_NE(window, nullptr);
    // The first refresh opens both grid windows.
    PumpHostMessages(1000);
    for (int post = 0; post < 200; ++post) {
        PostMessageW(window, kRefreshStatsMessage, 0, 0);
    }

    EXPECT_LT(TimedUnload(), 15000u);
    EXPECT_EQ(GetModuleHandleW(L"Stats.dll"), nullptr);
    EXPECT_FALSE(IsWindow(window));
    PumpHostMessages(300);
    EXPECT_EQ(FindOwnWindow(L"Setup Sarnet-2026"), nullptr);
}

TEST_F(StatusUnload, AfterTheWindowEndedByEscUnloadReturnsAtOnce) {
    const HWND window = StartAndFind();
    ASSERT_NE(window, nullptr);
    PostMessageW(GetDlgItem(window, IDC_SETUP_VIEW_DXCC), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpHostMessagesUntil([&] { return !IsWindow(window); }, kWindowWaitMs));
    PumpHostMessages(200);
    EXPECT_LT(TimedUnload(), 3000u);
}

// A normal unload ends the status thread itself, at once: not by the kill, whose exit code
// is 1 and which comes only after the whole stop timeout.
TEST_F(StatusUnload, RightAfterTheContestStartTheThreadEndsOfItselfAtOnce) {
    // Of two starts exactly one opens the window, whichever the stored alternation says.
    StartRun();
    UniqueKernelHandle thread = StatusThread();
    if (!thread) {
        StartRun();
        thread = StatusThread();
    }
    ASSERT_TRUE(thread);
    EXPECT_LT(TimedUnload(), 1000u);
    ASSERT_EQ(WaitForSingleObject(thread.get(), 2000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeThread(thread.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
    PumpHostMessages(300);
    EXPECT_EQ(FindOwnWindow(L"Setup Sarnet-2026"), nullptr);
}

TEST_F(StatusUnload, ReloadedModuleStartsAFreshWindow) {
    ASSERT_NE(StartAndFind(), nullptr);
    m_plugin.Unload();
    ASSERT_TRUE(LoadPlugin());
    // The stored alternation says "started"; the next start skips, the one after opens.
    StartRun();
    EXPECT_NE(StartAndFind(), nullptr);
}

// The host's object lives on a thread of its own, which can be kept busy: a call of the status
// thread on it then waits until the host comes back to it, longer than any stop waits.
class HeldHostCall : public StatusUnload {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        m_hostThread.Run([this] {
            m_host = std::make_unique<RavoHost>();
            m_host->Application().SetFrequency(3580000.0);
            m_host->Register();
        });
        ASSERT_TRUE(m_host->IsRegistered());
        ASSERT_TRUE(LoadPlugin());
    }

    void TearDown() override {
        m_host->Application().HoldEntryField(false);
        m_plugin.Unload();
        m_hostThread.Run([this] { m_host.reset(); });
        WorkFolderTest::TearDown();
    }

    // A refresh of the status window that waits inside its EntryField call.
    void HoldARefresh(HWND window) {
        m_host->Application().HoldEntryField(true);
        PostMessageW(window, kRefreshStatsMessage, 0, 0);
        ASSERT_TRUE(PumpHostMessagesUntil(
            [this] { return m_host->Application().EntryFieldWaiting(); }, kWindowWaitMs));
    }

    UiThread m_hostThread;
};

TEST_F(HeldHostCall, UnloadEndsAStatusThreadThatCannotLetGo) {
    const int windowsBefore = OwnTopLevelWindows();
    const HWND window = StartAndFind();
    ASSERT_NE(window, nullptr);
    HoldARefresh(window);

    EXPECT_LT(TimedUnload(), 15000u);
    // Ended with its windows: nothing is left that could run the unloaded module's code.
    EXPECT_EQ(GetModuleHandleW(L"Stats.dll"), nullptr);
    EXPECT_EQ(OwnTopLevelWindows(), windowsBefore);
    // The host answers the call at last; the process goes on.
    m_host->Application().HoldEntryField(false);
    PumpHostMessages(500);
    EXPECT_EQ(FindOwnWindow(L"Setup Sarnet-2026"), nullptr);
}

TEST_F(HeldHostCall, RestartHandsTheNewWindowToTheThreadThatCannotLetGo) {
    const HWND window = StartAndFind();
    ASSERT_NE(window, nullptr);
    HoldARefresh(window);
    StartRun();  // "Start" was 1: no window
    const ULONGLONG start = GetTickCount64();
    StartRun();  // a restart, which cannot stop the held thread in time
    EXPECT_LT(GetTickCount64() - start, 15000u);

    m_host->Application().HoldEntryField(false);
    HWND fresh = nullptr;
    EXPECT_TRUE(PumpHostMessagesUntil(
        [&] {
            fresh = FindOwnWindow(L"Setup Sarnet-2026");
            return fresh != nullptr && fresh != window;
        },
        kWindowWaitMs));
    EXPECT_FALSE(IsWindow(window));

    // The one thread is stopped as usual by the unload.
    EXPECT_LT(TimedUnload(), 15000u);
    EXPECT_EQ(GetModuleHandleW(L"Stats.dll"), nullptr);
    EXPECT_FALSE(IsWindow(fresh));
}

// A status thread that serves no messages during the stop: a hook on it that, when the first
// close message of the stop reaches it, waits on an event nobody sets, or loads a library (the
// loader lock, which the unloading host holds). The stop must end it without leaving anything
// of the module behind for the host's thread to run when it next pumps its messages.
class StuckStatusThread : public StatusUnload {
  protected:
    enum class Stuck { OnAnEvent, InLoadLibrary };

    void TearDown() override {
        SetEvent(s_release.get());
        if (m_hook != nullptr) {
            UnhookWindowsHookEx(m_hook);
        }
        StatusUnload::TearDown();
    }

    void Arm(HWND window, Stuck how) {
        s_how = how;
        s_release.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        m_hook = SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr,
                                   GetWindowThreadProcessId(window, nullptr));
        ASSERT_NE(m_hook, nullptr);
    }

    // The whole unload and what follows it: the host pumps its messages and runs on.
    void UnloadAndRunOn() {
        const ULONGLONG held = TimedUnload();
        // One stop timeout (5 s, the kill included), however many windows were open.
        EXPECT_LT(held, 6000u);
        EXPECT_EQ(GetModuleHandleW(L"Stats.dll"), nullptr);
        PumpHostMessages(500);
        EXPECT_EQ(FindOwnWindow(L"Setup Sarnet-2026"), nullptr);
    }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION &&
            (sent->message == WM_CLOSE || sent->message == kCloseGridWindowMessage)) {
            if (s_how == Stuck::InLoadLibrary) {
                if (const HMODULE library = LoadLibraryW(L"version.dll")) {
                    FreeLibrary(library);
                }
            }
            WaitForSingleObject(s_release.get(), INFINITE);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline Stuck s_how = Stuck::OnAnEvent;
    static inline UniqueKernelHandle s_release;
    HHOOK m_hook = nullptr;
};

TEST_F(StuckStatusThread, BlockedInAHookTheHostRunsOnAfterTheUnload) {
    const HWND window = StartAndFind();
    ASSERT_NE(window, nullptr);
    Arm(window, Stuck::OnAnEvent);
    UnloadAndRunOn();
}

TEST_F(StuckStatusThread, LoadingALibraryDuringTheUnloadTheHostRunsOn) {
    const HWND window = StartAndFind();
    ASSERT_NE(window, nullptr);
    Arm(window, Stuck::InLoadLibrary);
    UnloadAndRunOn();
}

TEST_F(StuckStatusThread, WithBothGridWindowsOpenARestartAndTheUnloadHoldOneTimeoutEach) {
    WriteSetting("setup_view_multiplier", "1");
    WriteSetting("setup_view_county", "1");
    const HWND window = StartAndFind();
    ASSERT_NE(window, nullptr);
    // The first refresh opens both grid windows.
    PumpHostMessages(1000);
    Arm(window, Stuck::OnAnEvent);
    StartRun();  // "Start" was 1: no window
    const ULONGLONG start = GetTickCount64();
    StartRun();  // a restart, which cannot stop the stuck thread
    EXPECT_LT(GetTickCount64() - start, 6000u);
    UnloadAndRunOn();
}

}  // namespace

// Unloading the real Stats.dll while its status window is open, as the host does at exit.
#include <gtest/gtest.h>

#include "platform/settings.h"
#include "resources/resource.h"
#include "plugin_fixture.h"
#include "ui_thread.h"

namespace {

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

TEST_F(StatusUnload, RightAfterTheContestStart) {
    StartRun();
    EXPECT_LT(TimedUnload(), 15000u);
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

}  // namespace

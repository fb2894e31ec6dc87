// Unloading the real Stats.dll while its status window is open, as the host does at exit.
#include <gtest/gtest.h>

#include "platform/settings.h"
#include "resources/resource.h"
#include "plugin_fixture.h"

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
    SendMessagePumping(GetDlgItem(window, IDC_SETUP_VIEW_DXCC), BM_CLICK, 0, 0,
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

}  // namespace

// Long runs of the status window's lifecycle with the replacement host: repeated starts and
// stops, loads and unloads of the real Stats.dll with the window open, refresh storms while
// the host's object goes away, and the grid windows opened and closed again and again. Each
// ends with no window of the plug-in left and no more windows or GDI objects than it began
// with. Wine manages its windows itself in the test prefix (handed to an X display without a
// window manager it waits about 2 s whenever a shown window is hidden); every wait inside is
// bounded.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/settings.h"
#include "resources/resource.h"
#include "plugin_fixture.h"

namespace {

constexpr int kStartStopCycles = 200;
// Every other start and stop cycle the window is shown before it is stopped; the others stop
// it while it is still on its way up (Wine shows a dialog once its queue first empties).
constexpr int kShownEvery = 2;
constexpr int kLoadUnloadCycles = 50;
constexpr int kStormRefreshes = 4000;
constexpr int kGridCycles = 20;

struct GuiCounts {
    DWORD gdiObjects;
    DWORD userObjects;
    // Top-level windows of this process, shown or not.
    int windows;
};

GuiCounts CountGui() {
    return GuiCounts{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                     GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), OwnTopLevelWindows()};
}

// Prints the figures, then holds the run to them: nothing leaked.
void ExpectNoLeak(const char* name, const GuiCounts& before, const GuiCounts& after, int cycles,
                  ULONGLONG milliseconds) {
    std::printf(
        "[ SOAK     ] %s: %d cycles in %llu ms; GDI %lu -> %lu, USER %lu -> %lu, "
        "windows %d -> %d\n",
        name, cycles, milliseconds, before.gdiObjects, after.gdiObjects, before.userObjects,
        after.userObjects, before.windows, after.windows);
    EXPECT_LE(after.gdiObjects, before.gdiObjects);
    EXPECT_LE(after.userObjects, before.userObjects);
    EXPECT_LE(after.windows, before.windows);
}

class StatusSoak : public StatusWindowTest {
  protected:
    // One start and stop of the status window, shown or stopped while on its way up; false
    // when either did not finish.
    static bool StartStopOnce(bool shown) {
        StartStatusWindow();
        const HWND window = StatusWindowHandle();
        if (window == nullptr ||
            (shown && !Pump([&] { return IsWindowVisible(window) != FALSE; }))) {
            return false;
        }
        StopStatusWindow();
        return g_statusWindow == nullptr && StatusWindowHandle() == nullptr && !IsWindow(window);
    }
};

TEST_F(StatusSoak, StartsAndStopsTheStatusWindowOverAndOver) {
    ASSERT_TRUE(m_host->Register());
    // The first cycle makes what a thread and a window make once per process.
    ASSERT_TRUE(StartStopOnce(true));
    PumpHostMessages(100);
    const GuiCounts before = CountGui();
    const ULONGLONG start = GetTickCount64();
    for (int cycle = 0; cycle < kStartStopCycles; ++cycle) {
        ASSERT_TRUE(StartStopOnce(cycle % kShownEvery == 0)) << "cycle " << cycle;
    }
    PumpHostMessages(100);
    ExpectNoLeak("start/stop", before, CountGui(), kStartStopCycles, GetTickCount64() - start);
    EXPECT_EQ(FindOwnWindow(L"Setup Sarnet-2026"), nullptr);
}

TEST_F(StatusSoak, RefreshStormWhileTheHostObjectGoesAway) {
    ASSERT_TRUE(m_host->Register());
    WriteSetting("setup_view_multiplier", "1");
    WriteSetting("setup_view_county", "1");
    ASSERT_NE(StartAndWait(), nullptr);
    Application().SetEntryLine("DL1ABC");
    const GuiCounts before = CountGui();
    const ULONGLONG start = GetTickCount64();
    const unsigned refreshesBefore = g_refreshCount;
    for (int round = 0; round < kStormRefreshes; ++round) {
        GetStatusLink().PostRefresh();
        if (round == kStormRefreshes / 2) {
            // The host leaves while refreshes are queued and one may be inside a call.
            m_host->Revoke();
        }
        if (round % 50 == 0) {
            PumpHostMessages(1);
        }
    }
    // The window outlives its host: it still answers and refreshes without calling out.
    EXPECT_TRUE(RefreshAndWait());
    EXPECT_GT(g_refreshCount - refreshesBefore, 1u);
    EXPECT_NE(g_statusWindow, nullptr);
    StopStatusWindow();
    EXPECT_EQ(g_statusWindow, nullptr);
    PumpHostMessages(100);
    const GuiCounts after = CountGui();
    // The three windows of the run have gone since `before` was taken.
    std::printf("[ SOAK     ] refresh storm: %u refreshes run of %d posted\n",
                g_refreshCount - refreshesBefore, kStormRefreshes);
    ExpectNoLeak("refresh storm", before, after, kStormRefreshes, GetTickCount64() - start);
    EXPECT_LE(after.windows, before.windows - 3);
}

TEST_F(StatusSoak, GridWindowsOpenAndCloseOverAndOver) {
    ASSERT_TRUE(m_host->Register());
    ASSERT_NE(StartAndWait(), nullptr);
    // Warm-up: the first grid windows load what every later one shares.
    Click(IDC_SETUP_VIEW_DXCC);
    Click(IDC_SETUP_VIEW_COUNTY);
    Click(IDC_SETUP_VIEW_DXCC);
    Click(IDC_SETUP_VIEW_COUNTY);
    ASSERT_TRUE(RefreshAndWait());
    const GuiCounts before = CountGui();
    const ULONGLONG start = GetTickCount64();
    for (int cycle = 0; cycle < kGridCycles; ++cycle) {
        Click(IDC_SETUP_VIEW_DXCC);
        Click(IDC_SETUP_VIEW_COUNTY);
        ASSERT_TRUE(RefreshAndWait());
        ASSERT_NE(g_dxccWindow, nullptr) << "cycle " << cycle;
        ASSERT_NE(g_countyWindow, nullptr) << "cycle " << cycle;
        Click(IDC_SETUP_VIEW_COUNTY);
        Click(IDC_SETUP_VIEW_DXCC);
        ASSERT_TRUE(RefreshAndWait());
        ASSERT_EQ(g_dxccWindow, nullptr) << "cycle " << cycle;
        ASSERT_EQ(g_countyWindow, nullptr) << "cycle " << cycle;
    }
    PumpHostMessages(100);
    ExpectNoLeak("grid windows", before, CountGui(), kGridCycles, GetTickCount64() - start);
}

class PluginSoak : public LoadedPluginTest {
  protected:
    // Loads the module and starts its status window: of two starts exactly one opens it.
    HWND LoadAndOpen() {
        if (!LoadPlugin()) {
            return nullptr;
        }
        StartRun();
        StartRun();
        return WaitForStatusWindow();
    }
};

TEST_F(PluginSoak, LoadsAndUnloadsWithTheStatusWindowOpen) {
    ASSERT_NE(LoadAndOpen(), nullptr);
    m_plugin.Unload();
    PumpHostMessages(100);
    const GuiCounts before = CountGui();
    const ULONGLONG start = GetTickCount64();
    for (int cycle = 0; cycle < kLoadUnloadCycles; ++cycle) {
        const HWND window = LoadAndOpen();
        ASSERT_NE(window, nullptr) << "cycle " << cycle;
        if (cycle % 2 == 1) {
            // Every other cycle the unload meets a grid window and a refresh in a host call.
            SendMessageServingCalls(GetDlgItem(window, IDC_SETUP_VIEW_DXCC), BM_CLICK, 0, 0,
                                    Deadline(kWindowWaitMs));
            PostMessageW(window, kRefreshStatsMessage, 0, 0);
        }
        m_plugin.Unload();
        ASSERT_EQ(GetModuleHandleW(L"Stats.dll"), nullptr) << "cycle " << cycle;
        ASSERT_FALSE(IsWindow(window)) << "cycle " << cycle;
    }
    PumpHostMessages(100);
    ExpectNoLeak("load/unload", before, CountGui(), kLoadUnloadCycles, GetTickCount64() - start);
    EXPECT_EQ(FindOwnWindow(L"Setup Sarnet-2026"), nullptr);
}

}  // namespace

// Long runs of the status window's lifecycle with the replacement host: repeated starts and
// stops, loads and unloads of the real Stats.dll with the window open, refresh storms while
// the host's object goes away, and the grid windows opened and closed again and again. Each
// ends with no window of the plug-in left and no more windows, kernel handles or threads than
// it began with, give or take the few the system keeps for itself (counts that Wine reports
// as they are; its GetGuiResources and GetProcessHandleCount answer 0). Wine manages
// its windows itself in the test prefix (handed to an X display without a window manager it waits
// about 2 s whenever a shown window is hidden); every wait inside is bounded.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>

#include "platform/settings.h"
#include "platform/win32/unique_handle.h"
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
// Every load and unload of the module, window or not, leaves two kernel handles behind under
// Wine: the threads runtime linked into the module (MinGW's winpthreads) keeps data for the
// host's thread that the unloaded module cannot release. A leak of the status window's own
// (its thread, its event) would add to that.
constexpr ULONG_PTR kHandlesPerLoad = 2;

struct GuiCounts {
    // The number the next kernel handle gets: handles are given the lowest free slot, so each
    // handle leaked pushes it up by one.
    ULONG_PTR nextHandle;
    int threads;
    // Top-level windows of this process, shown or not.
    int windows;
};

int OwnThreads() {
    const UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more;
         more = Thread32Next(snapshot.get(), &entry)) {
        count += entry.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
    }
    return count;
}

ULONG_PTR NextHandleNumber() {
    const UniqueKernelHandle probe(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    return reinterpret_cast<ULONG_PTR>(probe.get()) / 4;
}

GuiCounts CountGui() {
    return GuiCounts{NextHandleNumber(), OwnThreads(), OwnTopLevelWindows()};
}

// Prints the figures, then holds the run to them: nothing leaked.
void ExpectNoLeak(const char* name, const GuiCounts& before, const GuiCounts& after, int cycles,
                  ULONGLONG milliseconds, ULONG_PTR handlesPerCycle = 0) {
    std::printf(
        "[ SOAK     ] %s: %d cycles in %llu ms; next handle %lu -> %lu, threads %d -> %d, "
        "windows %d -> %d\n",
        name, cycles, milliseconds, static_cast<unsigned long>(before.nextHandle),
        static_cast<unsigned long>(after.nextHandle), before.threads, after.threads, before.windows,
        after.windows);
    // Counts that are really kept: a check against zero could never fail.
    EXPECT_GT(before.nextHandle, 0u);
    EXPECT_GT(before.threads, 0);
    // The system's own handles and worker threads (COM's, RPC's) come and go by a few; a leak
    // of one per cycle shows as dozens.
    EXPECT_LE(after.nextHandle, before.nextHandle + 16 + handlesPerCycle * cycles);
    EXPECT_LE(after.threads, before.threads + 4);
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
    ExpectNoLeak("load/unload", before, CountGui(), kLoadUnloadCycles, GetTickCount64() - start,
                 kHandlesPerLoad);
    EXPECT_EQ(FindOwnWindow(L"Setup Sarnet-2026"), nullptr);
}

}  // namespace

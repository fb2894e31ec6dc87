// The status window on its own thread, driven through the entry points with the replacement
// host's automation object on the test's thread.
#include <gtest/gtest.h>

#include "platform/settings.h"
#include "platform/win32/text_encoding.h"
#include "resources/resource.h"
#include "status_fixture.h"
#include "ui/status/county_window.h"
#include "ui/status/multiplier_window.h"
#include "ui/status/portable/live_display_state.h"

namespace {

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool IsTopmost(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::wstring ItemTextW(int id) {
    return WindowTextW(GetDlgItem(StatusWindowHandle(), id));
}

HWND DxccWindowHandle() {
    std::lock_guard<std::mutex> lock(g_gridWindowMutex);
    Multiplier* window = g_dxccWindow;
    return window != nullptr ? window->hwnd() : nullptr;
}

HWND CountyWindowHandle() {
    std::lock_guard<std::mutex> lock(g_gridWindowMutex);
    YO_County* window = g_countyWindow;
    return window != nullptr ? window->hwnd() : nullptr;
}

TEST_F(StatusWindowTest, StartsFromTheContestStartWithItsDefaultsAndTheHostLink) {
    ASSERT_TRUE(m_host->Register());
    const HWND window = StartAndWait();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window, StatusWindowHandle());

    const RECT rect = WindowRect(window);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 400);
    EXPECT_TRUE(IsTopmost(window));
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(ItemTextW(IDC_SETUP_PROMPT), L"Input your DXCC Prefix");
    EXPECT_EQ(ItemTextW(IDC_SETUP_VIEW_LABEL), L"View");

    const std::vector<std::string> macros = Application().Macros();
    ASSERT_FALSE(macros.empty());
    EXPECT_EQ(macros.front(), "<MODE:BPSK31>");
    EXPECT_EQ(Application().Frequency(), 3580000.0);
    EXPECT_GE(Application().EntryFieldCalls(), 1);
    EXPECT_EQ(g_dxccWindow, nullptr);
    EXPECT_EQ(g_countyWindow, nullptr);
}

TEST_F(StatusWindowTest, OpensAtTheStoredPositionAndSavesMovesOnSetCursor) {
    WriteSetting("setup_yo_x", "-40");
    WriteSetting("setup_yo_y", "120");
    WriteSetting("setup_dxcc_prefix", "YO");
    const HWND window = StartAndWait();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowRect(window).left, -40);
    EXPECT_EQ(WindowRect(window).top, 120);
    EXPECT_EQ(ItemTextW(IDC_SETUP_PROMPT), L" Your DXCC Prefix");
    EXPECT_EQ(ItemTextW(IDC_SETUP_PREFIX), L"YO");

    SetWindowPos(window, nullptr, 250, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Send(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, 0));
    EXPECT_EQ(ReadSetting("setup_yo_x"), "250");
    EXPECT_EQ(ReadSetting("setup_yo_y"), "130");
}

TEST_F(StatusWindowTest, PromptFollowsThePrefixAsItIsTypedAndDeleted) {
    const HWND window = StartAndWait();
    ASSERT_NE(window, nullptr);
    // Texts cannot go through an asynchronous send; the status thread is idle here.
    const HWND edit = GetDlgItem(window, IDC_SETUP_PREFIX);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"YO"), SMTO_NORMAL,
                        kWindowWaitMs, &ignored);
    EXPECT_EQ(ItemTextW(IDC_SETUP_PROMPT), L"Your DXCC Prefix");
    EXPECT_EQ(ReadSetting("setup_dxcc_prefix"), "YO");
    SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_NORMAL,
                        kWindowWaitMs, &ignored);
    EXPECT_EQ(ItemTextW(IDC_SETUP_PROMPT), L"Input your DXCC Prefix");
    EXPECT_EQ(ReadSetting("setup_dxcc_prefix"), "");
}

TEST_F(StatusWindowTest, RussianCaptions) {
    ASSERT_TRUE(m_host->Register());
    StartRun("UA9");
    const HWND window = WaitForWindow(L"Установки Sarnet-2026");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ItemTextW(IDC_SETUP_VIEW_LABEL), L"Отображать");
    EXPECT_EQ(ItemTextW(IDC_SETUP_PROMPT), L"Введите ваш DXCC префикс");

    Click(IDC_SETUP_VIEW_DXCC);
    ASSERT_TRUE(Pump([] { return DxccWindowHandle() != nullptr; }));
    RefreshAndWait();
    EXPECT_EQ(WindowTextW(DxccWindowHandle()), L"DXCC 0 из 338 отработано на 80m");
}

TEST_F(StatusWindowTest, CheckBoxesOpenAndCloseTheGridWindowsAndStoreTheViewFlags) {
    ASSERT_TRUE(m_host->Register());
    WriteSetting("dxcc_x", "300");
    WriteSetting("dxcc_y", "200");
    ASSERT_NE(StartAndWait(), nullptr);

    Click(IDC_SETUP_VIEW_DXCC);
    ASSERT_NE(DxccWindowHandle(), nullptr);
    EXPECT_EQ(ReadSetting("setup_view_multiplier"), "1");
    EXPECT_EQ(WindowRect(DxccWindowHandle()).left, 300);
    EXPECT_FALSE(IsTopmost(DxccWindowHandle()));
    RefreshAndWait();
    EXPECT_EQ(WindowTextW(DxccWindowHandle()), L"DXCC 0 of 338 worked on 80m");

    Click(IDC_SETUP_VIEW_COUNTY);
    ASSERT_NE(CountyWindowHandle(), nullptr);
    EXPECT_EQ(ReadSetting("setup_view_county"), "1");
    RefreshAndWait();
    EXPECT_EQ(WindowTextW(CountyWindowHandle()), L"YO County work 0 of 42 on 80m ");

    Click(IDC_SETUP_VIEW_DXCC);
    EXPECT_EQ(g_dxccWindow, nullptr);
    EXPECT_EQ(ReadSetting("setup_view_multiplier"), "0");
    EXPECT_EQ(IsDlgButtonChecked(StatusWindowHandle(), IDC_SETUP_VIEW_DXCC), BST_UNCHECKED);
}

TEST_F(StatusWindowTest, OnTopClosesBothGridWindowsAndTheRefreshReopensThemOnTop) {
    ASSERT_TRUE(m_host->Register());
    WriteSetting("setup_view_multiplier", "1");
    WriteSetting("setup_view_county", "1");
    ASSERT_NE(StartAndWait(), nullptr);
    ASSERT_TRUE(Pump([] { return g_dxccWindow != nullptr && g_countyWindow != nullptr; }));
    const HWND before = DxccWindowHandle();

    Click(IDC_SETUP_ON_TOP);
    ASSERT_TRUE(Pump([&] {
        return !IsWindow(before) && DxccWindowHandle() != nullptr &&
               CountyWindowHandle() != nullptr;
    }));
    EXPECT_EQ(ReadSetting("setup_window_on_top"), "1");
    EXPECT_EQ(ReadSetting("setup_view_multiplier"), "1");
    EXPECT_EQ(ReadSetting("setup_view_county"), "1");
    EXPECT_TRUE(IsTopmost(DxccWindowHandle()));
    EXPECT_TRUE(IsTopmost(CountyWindowHandle()));
    EXPECT_TRUE(IsTopmost(StatusWindowHandle()));
}

TEST_F(StatusWindowTest, EnterIsIgnoredAndEscEndsTheThreadWithItsGridWindows) {
    ASSERT_TRUE(m_host->Register());
    WriteSetting("setup_view_multiplier", "1");
    WriteSetting("setup_view_county", "1");
    const HWND window = StartAndWait();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Pump([] { return g_dxccWindow != nullptr && g_countyWindow != nullptr; }));
    const HWND dxcc = DxccWindowHandle();
    const HWND focus = GetDlgItem(window, IDC_SETUP_VIEW_DXCC);

    PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0);
    PumpHostMessages(200);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_NE(g_statusWindow, nullptr);

    PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(Pump([] { return g_statusWindow == nullptr; }));
    EXPECT_EQ(g_dxccWindow, nullptr);
    EXPECT_EQ(g_countyWindow, nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(dxcc));
    // Requests after the end go nowhere and the stop has nothing left to wait for.
    GetStatusLink().PostRefresh();
    const ULONGLONG start = GetTickCount64();
    StopStatusWindow();
    EXPECT_LT(GetTickCount64() - start, 3000u);
}

TEST_F(StatusWindowTest, ARefreshRequestWaitsForTheRefreshToReleaseIt) {
    ASSERT_TRUE(m_host->Register());
    ASSERT_NE(StartAndWait(), nullptr);
    const int before = Application().EntryFieldCalls();
    // What the call check does at the start of each call: post only while the flag is 1.
    for (int call = 0; call < 20; ++call) {
        if (GetStatusLink().IsStatusWindowOpen() && g_refreshPending.exchange(0) == 1) {
            GetStatusLink().PostRefresh();
        }
    }
    ASSERT_TRUE(Pump([] { return g_refreshPending == 1; }));
    PumpHostMessages(200);
    EXPECT_EQ(Application().EntryFieldCalls() - before, 1);

    // Through the entry point itself (the engine's call check decides whether to post).
    const int viaEntryPoint = Application().EntryFieldCalls();
    for (int call = 0; call < 20; ++call) {
        CallCheckCall("DL1ABC", "BPSK31", "DL", "80m", "80m");
    }
    PumpHostMessages(300);
    EXPECT_EQ(Application().EntryFieldCalls() - viaEntryPoint, 1);
    EXPECT_EQ(g_refreshPending, 1);
}

TEST_F(StatusWindowTest, RowsAndCaptionsFollowTheEntryLineAndTheFrequency) {
    ASSERT_TRUE(m_host->Register());
    WriteSetting("setup_view_multiplier", "1");
    WriteSetting("setup_view_county", "1");
    ASSERT_NE(StartAndWait(), nullptr);
    ASSERT_TRUE(Pump([] { return g_dxccWindow != nullptr && g_countyWindow != nullptr; }));
    LogQso("DL1ABC", "80m", "BPSK31", 18, 5, "001");
    LogQso("DL1ABC", "80m", "BPSK31", 19, 42, "017");

    Application().SetEntryLine("DL1ABC");
    RefreshAndWait();
    EXPECT_EQ(WindowTextW(DxccWindowHandle()), L"Sarnet-2026 Previous QSO with DL1ABC");
    {
        EngineLock lock(g_engineMutex);
        EXPECT_EQ(g_bandRows[1], (StringList{"80m", "BPSK31", "19:42", "017", "   -"}));
    }

    // The entry line is 8-bit text in the ANSI code page, and the caption shows it so.
    const std::string accented =
        "DL1\xC4"
        "B";
    Application().SetEntryLine(accented);
    RefreshAndWait();
    EXPECT_EQ(WindowTextW(DxccWindowHandle()),
              L"Sarnet-2026 Previous QSO with " + AnsiToWide(accented));

    Application().SetEntryLine("dl1abc");
    RefreshAndWait();
    {
        EngineLock lock(g_engineMutex);
        EXPECT_EQ(g_bandRows[1], (StringList{"80m", "   -", "   -", " -", "   -"}));
    }

    Application().SetEntryLine("YO");
    Application().SetFrequency(7010000.0);
    RefreshAndWait();
    EXPECT_EQ(g_currentCall, "YO");
    EXPECT_EQ(g_currentBand, 1);

    Application().SetEntryLine("");
    Application().SetFrequency(3999999.0);
    RefreshAndWait();
    EXPECT_EQ(WindowTextW(DxccWindowHandle()), L"DXCC 0 of 338 worked on 80m");

    Application().SetFrequency(29000000.0);
    {
        EngineLock lock(g_engineMutex);
        g_bandCounties[1] = {"BV"};
    }
    RefreshAndWait();
    EXPECT_EQ(WindowTextW(CountyWindowHandle()), L"YO County work 0 of 42 on 80m ");
    EXPECT_EQ(g_currentBand, 1);
}

TEST_F(StatusWindowTest, FrequencyMacroAfterAMoveOfMoreThan300Hz) {
    ASSERT_TRUE(m_host->Register());
    ASSERT_NE(StartAndWait(), nullptr);
    Application().SetFrequency(3580000.0);
    RefreshAndWait();
    const size_t before = Application().Macros().size();
    Application().SetFrequency(3580300.0);
    RefreshAndWait();
    EXPECT_EQ(Application().Macros().size(), before);
    Application().SetFrequency(3580300.5);
    RefreshAndWait();
    ASSERT_EQ(Application().Macros().size(), before + 1);
    EXPECT_EQ(Application().Macros().back(), "<SP1>");
    EXPECT_EQ(g_lastFrequency, 3580300.5);
}

TEST_F(StatusWindowTest, WithoutTheHostTheWindowWorksButRefreshesEndAtOnce) {
    WriteSetting("setup_view_multiplier", "1");
    ASSERT_NE(StartAndWait(), nullptr);
    RefreshAndWait();
    EXPECT_EQ(g_dxccWindow, nullptr);
    EXPECT_TRUE(Application().Macros().empty());
    Click(IDC_SETUP_VIEW_DXCC);
    EXPECT_NE(g_dxccWindow, nullptr);
    EXPECT_EQ(ReadSetting("setup_view_multiplier"), "1");
}

TEST_F(StatusWindowTest, HostGoingAwayMidContestLeavesTheWindowUsable) {
    ASSERT_TRUE(m_host->Register());
    ASSERT_NE(StartAndWait(), nullptr);
    m_host->Revoke();
    g_refreshPending = 0;
    EXPECT_TRUE(RefreshAndWait());
    EXPECT_EQ(g_refreshPending, 1);
    Click(IDC_SETUP_VIEW_COUNTY);
    EXPECT_NE(g_countyWindow, nullptr);
}

TEST_F(StatusWindowTest, AThirdContestStartRestartsTheWindowWithFreshSettings) {
    ASSERT_TRUE(m_host->Register());
    const HWND first = StartAndWait();
    ASSERT_NE(first, nullptr);
    // The second start only flips the stored alternation; the window stays.
    StartRun();
    EXPECT_EQ(StatusWindowHandle(), first);
    EXPECT_EQ(ReadSetting("Start"), "0");

    WriteSetting("setup_yo_x", "77");
    StartRun();
    ASSERT_TRUE(Pump([&] { return StatusWindowHandle() != nullptr && !IsWindow(first); }));
    const HWND second = WaitForWindow(L"Setup Sarnet-2026");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WindowRect(second).left, 77);
}

TEST_F(StatusWindowTest, CountyResetFromTheHostThreadNeverWaitsForTheStatusThread) {
    ASSERT_TRUE(m_host->Register());
    WriteSetting("setup_view_county", "1");
    ASSERT_NE(StartAndWait(), nullptr);
    ASSERT_TRUE(Pump([] { return g_countyWindow != nullptr; }));
    // The status thread is now inside a call on the host object, which this thread serves.
    GetStatusLink().PostRefresh();
    Sleep(200);
    const ULONGLONG start = GetTickCount64();
    GetStatusLink().ResetCountyMarks();
    EXPECT_LT(GetTickCount64() - start, 1000u);
    EXPECT_TRUE(Pump([] { return g_refreshPending == 1; }));
}

TEST_F(StatusWindowTest, StopServesAHostCallInProgress) {
    ASSERT_TRUE(m_host->Register());
    ASSERT_NE(StartAndWait(), nullptr);
    const int before = Application().EntryFieldCalls();
    GetStatusLink().PostRefresh();
    Sleep(200);
    const ULONGLONG start = GetTickCount64();
    StopStatusWindow();
    EXPECT_LT(GetTickCount64() - start, 5000u);
    EXPECT_EQ(g_statusWindow, nullptr);
    EXPECT_EQ(Application().EntryFieldCalls(), before + 1);
}

// The host's window that logs a QSO when it gets kLogMessage, as a host does from a posted
// message or a timer.
constexpr UINT kLogMessage = WM_APP + 7;
bool g_startReturned = false;
bool g_loggedAfterStart = false;

LRESULT CALLBACK LoggingHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kLogMessage) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    g_loggedAfterStart = g_startReturned;
    TestQso qso;
    qso.band = "40m";
    CallAddData(qso);
    return 0;
}

// The contest start waits for the new window, which calls the host object meanwhile; that
// wait serves the calls and nothing else, so a host message posted before the start logs its
// QSO only after ResetStats0 has returned, and the report line survives the report's creation.
TEST_F(StatusWindowTest, HostMessagesWaitUntilTheContestStartHasReturned) {
    ASSERT_TRUE(m_host->Register());
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = LoggingHostProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SarnetTestLoggingHost";
    RegisterClassW(&windowClass);
    const HWND host = CreateWindowW(L"SarnetTestLoggingHost", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    g_startReturned = false;
    g_loggedAfterStart = false;
    PostMessageW(host, kLogMessage, 0, 0);
    StartRun();
    g_startReturned = true;
    EXPECT_NE(StatusWindowHandle(), nullptr);
    ASSERT_TRUE(Pump([] {
        EngineLock lock(g_engineMutex);
        return !g_qsoLog.empty();
    }));
    EXPECT_TRUE(g_loggedAfterStart);
    EXPECT_EQ(ReadFileBytes("BadQSO_StatsSarnet_07_12_2026.txt"),
              "Sarnet Contest UBN file \r\n"
              "QSO:  3580  BPSK31  2026-12-07 1805  YO9XYZ  599  001  DL1ABC  599  005"
              "   WRONG BAND !!!\r\n");
    DestroyWindow(host);
}

// Refuses to create the grid windows on the thread it is set for, as CreateDialog fails when
// the system is out of window resources.
LRESULT CALLBACK RefuseGridWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const wchar_t* name = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->lpszName;
        if (name != nullptr && !IS_INTRESOURCE(name) &&
            (std::wstring(name) == L"Multiplier" || std::wstring(name) == L"YO County")) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(StatusWindowTest, GridWindowsThatCouldNotBeCreatedOpenAtTheNextRefresh) {
    ASSERT_TRUE(m_host->Register());
    const HWND window = StartAndWait();
    ASSERT_NE(window, nullptr);
    const HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseGridWindows, nullptr,
                                         GetWindowThreadProcessId(window, nullptr));
    ASSERT_NE(hook, nullptr);
    Click(IDC_SETUP_VIEW_DXCC);
    Click(IDC_SETUP_VIEW_COUNTY);
    EXPECT_EQ(g_dxccWindow, nullptr);
    EXPECT_EQ(g_countyWindow, nullptr);
    EXPECT_EQ(ReadSetting("setup_view_multiplier"), "1");
    EXPECT_EQ(ReadSetting("setup_view_county"), "1");

    UnhookWindowsHookEx(hook);
    RefreshAndWait();
    EXPECT_NE(DxccWindowHandle(), nullptr);
    EXPECT_NE(CountyWindowHandle(), nullptr);
}

}  // namespace

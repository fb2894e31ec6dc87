// Shared set-up of the status-window tests: a fresh working folder, the status link installed,
// the replacement host's automation object on the test's thread (the host's thread), and
// helpers that find windows and wait while pumping messages.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "engine/engine_state.h"
#include "engine/status_link.h"
#include "host/ravo/host_messages.h"
#include "host/ravo/ravo_host.h"
#include "test_support.h"
#include "send_serving_calls.h"
#include "ui/status/message_pump.h"
#include "ui/status/portable/refresh_logic.h"
#include "ui/status/status_thread.h"
#include "ui/status/status_windows.h"

constexpr DWORD kWindowWaitMs = 10000;

struct CaptionSearch {
    std::wstring caption;
    HWND found = nullptr;
};

// EnumWindows callback: stops at the shown top-level window of this process with the caption.
inline BOOL CALLBACK MatchOwnCaption(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<CaptionSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (search->caption == text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The top-level window of this process with exactly this caption, or null.
inline HWND FindOwnWindow(const std::wstring& caption) {
    CaptionSearch search{caption, nullptr};
    EnumWindows(MatchOwnCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// EnumWindows callback: counts the top-level windows of this process.
inline BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

// The process's top-level windows, shown or hidden.
inline int OwnTopLevelWindows() {
    int count = 0;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

inline std::wstring WindowTextW(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

class StatusWindowTest : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        InstallStatusLink();
        m_host = std::make_unique<RavoHost>();
        Application().SetFrequency(3580000.0);
    }

    void TearDown() override {
        StopStatusWindow();
        m_host.reset();
        WorkFolderTest::TearDown();
    }

    RavoApplication& Application() { return m_host->Application(); }

    // The first contest start of a fresh folder opens the status window.
    static void StartRun(const std::string& suffix = "BV") {
        TestStart start;
        start.ownExchangeSuffix = suffix;
        CallResetStats(start);
    }

    static bool Pump(const std::function<bool()>& done, DWORD ms = kWindowWaitMs) {
        return PumpHostMessagesUntil(done, ms);
    }

    static HWND WaitForWindow(const std::wstring& caption) {
        HWND found = nullptr;
        Pump([&] { return (found = FindOwnWindow(caption)) != nullptr; });
        return found;
    }

    // Waits until the status window exists, the refresh it posts itself when it opens has run,
    // and then one more. Waiting for the posted one first leaves the window idle: a refresh
    // sent while the posted one waits in a host call would only be queued behind it and run
    // after this returns, counting in the test's figures.
    HWND StartAndWait(const std::string& suffix = "BV") {
        const unsigned before = g_refreshCount;
        StartRun(suffix);
        const HWND window = WaitForWindow(L"Setup Sarnet-2026");
        Pump([&] { return g_refreshCount != before; });
        RefreshAndWait();
        return window;
    }

    // Runs one refresh on the status thread (the window idle) and waits, pumping, for its end.
    static bool RefreshAndWait() {
        const unsigned before = g_refreshCount;
        SendMessageServingCalls(StatusWindowHandle(), kRefreshStatsMessage, 0, 0,
                                Deadline(kWindowWaitMs));
        return Pump([&] { return g_refreshCount != before; });
    }

    // Sends a message to the status window or one of its controls and waits, pumping, until
    // it has been handled; then lets the refresh it may have posted run.
    static void Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        SendMessageServingCalls(window, message, wParam, lParam, Deadline(kWindowWaitMs));
        PumpHostMessages(50);
    }

    static void Click(int id) { Send(GetDlgItem(StatusWindowHandle(), id), BM_CLICK); }

    std::unique_ptr<RavoHost> m_host;
};

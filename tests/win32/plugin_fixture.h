// Shared set-up of the tests that load the real Stats.dll as the host does: a fresh working
// folder, the replacement host's automation object registered on the test's thread (the
// host's thread), the module loaded on demand and unloaded at the end.
#pragma once

#include <windows.h>

#include <memory>

#include "host/common/plugin_loader.h"
#include "status_fixture.h"

class LoadedPluginTest : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        m_host = std::make_unique<RavoHost>();
        m_host->Application().SetFrequency(3580000.0);
        ASSERT_TRUE(m_host->Register());
    }

    void TearDown() override {
        m_plugin.Unload();
        m_host.reset();
        WorkFolderTest::TearDown();
    }

    bool LoadPlugin() { return m_plugin.Load(DefaultPluginPath()); }

    // A contest start of the loaded module; the start alternation is stored in the settings,
    // so of two starts exactly one opens the status window.
    void StartRun() {
        const DateTime first = MakeDate(2026, 12, 6);
        const DateTime second = MakeDate(2026, 12, 7);
        m_plugin.ResetStats0("./", 0, "YO9XYZ", &first, &second, "", "", "", "", "", "", "", "", "",
                             "BV", 0, 0, 0, 0.0, 0.0, "", "", "");
    }

    // The module's status window once it is on screen, waited for while the host's messages
    // flow; null when it does not come.
    static HWND WaitForStatusWindow() {
        HWND window = nullptr;
        PumpHostMessagesUntil(
            [&] { return (window = FindOwnWindow(L"Setup Sarnet-2026")) != nullptr; },
            kWindowWaitMs);
        return window;
    }

    std::unique_ptr<RavoHost> m_host;
    StatsPlugin m_plugin;
};

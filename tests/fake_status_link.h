// A status link that records what the engine asked of the status window.
#pragma once

#include <atomic>

#include "engine/status_link.h"

class FakeStatusLink : public StatusLink {
  public:
    bool IsStatusWindowOpen() override { return statusOpen; }
    bool IsDxccWindowOpen() override { return dxccOpen; }
    bool IsCountyWindowOpen() override { return countyOpen; }
    void PostRefresh() override { ++refreshPosts; }
    void StartStatusWindow() override {
        ++starts;
        statusOpen = true;
    }
    void ResetCountyMarks() override { ++countyResets; }

    std::atomic<bool> statusOpen{false};
    std::atomic<bool> dxccOpen{false};
    std::atomic<bool> countyOpen{false};
    std::atomic<int> refreshPosts{0};
    std::atomic<int> starts{0};
    std::atomic<int> countyResets{0};
};

// A status link that records what the engine asks of the status window.
#pragma once

#include "engine/status_link.h"

class FakeStatusLink final : public StatusLink {
  public:
    bool IsStatusWindowOpen() override { return statusOpen; }
    bool IsDxccWindowOpen() override { return dxccOpen; }
    bool IsCountyWindowOpen() override { return countyOpen; }
    void PostRefresh() override { ++refreshPosts; }
    void StartStatusWindow() override { ++windowStarts; }
    void ResetCountyMarks() override { ++countyResets; }

    bool statusOpen = false;
    bool dxccOpen = false;
    bool countyOpen = false;
    int refreshPosts = 0;
    int windowStarts = 0;
    int countyResets = 0;
};

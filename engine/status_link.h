// The engine's view of the status window: what it may ask of it from the host's thread.
// The status-window layer installs its implementation; without one the calls do nothing.
#pragma once

class StatusLink {
  public:
    virtual ~StatusLink() = default;
    virtual bool IsStatusWindowOpen() = 0;
    virtual bool IsDxccWindowOpen() = 0;
    virtual bool IsCountyWindowOpen() = 0;
    // Posts WM_REFRESH_STATS (0, 0) to the status window when it exists; never waits.
    virtual void PostRefresh() = 0;
    // Stops a running status window, then starts a new status thread.
    virtual void StartStatusWindow() = 0;
    // Puts all 42 county buttons back to the unworked look (county window open only).
    virtual void ResetCountyMarks() = 0;
};

// The installed link; never null (a do-nothing link until the window layer installs one).
StatusLink& GetStatusLink();
// Installs a link (nullptr restores the do-nothing link). Called at module load and by tests.
void SetStatusLink(StatusLink* link);

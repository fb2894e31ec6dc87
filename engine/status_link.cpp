// The do-nothing status link used where there is no status window (native build, tests).
#include "engine/status_link.h"

#include <atomic>

namespace {

class NoStatusWindow final : public StatusLink {
  public:
    bool IsStatusWindowOpen() override { return false; }
    bool IsDxccWindowOpen() override { return false; }
    bool IsCountyWindowOpen() override { return false; }
    void PostRefresh() override {}
    void StartStatusWindow() override {}
    void ResetCountyMarks() override {}
};

NoStatusWindow g_noStatusWindow;
std::atomic<StatusLink*> g_statusLink{&g_noStatusWindow};

}  // namespace

StatusLink& GetStatusLink() {
    return *g_statusLink.load();
}

void SetStatusLink(StatusLink* link) {
    g_statusLink.store(link != nullptr ? link : &g_noStatusWindow);
}

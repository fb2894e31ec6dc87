// The call check. The duplicate and prefix searches go through the log's hash indexes;
// they answer exactly as a scan of every record would, whatever the records' flags.
#include "engine/call_check.h"

#include "engine/contest_rules.h"
#include "engine/engine_state.h"
#include "engine/status_link.h"
#include "platform/text.h"

namespace {

// The status window recomputes at most once per pending change: the first check after a
// change posts the refresh, later ones do not until the flag is set again.
void SignalPendingRefresh() {
    StatusLink& link = GetStatusLink();
    if (link.IsStatusWindowOpen() && g_refreshPending.exchange(0) != 0) {
        link.PostRefresh();
    }
}

}  // namespace

int CheckCall(const CallCheckArgs& args) {
    SignalPendingRefresh();
    if (args.band != nullptr && args.otherBand != nullptr &&
        !EqualsIgnoringCase(args.band, args.otherBand)) {
        return CALL_NOT_SCORED;
    }
    const std::string band = args.band != nullptr ? args.band : "";
    if (!g_bandRules.Contains(band) || !g_modeRules.Contains(args.mode)) {
        return CALL_NOT_SCORED;
    }
    EngineLock lock(g_engineMutex);
    if (g_qsoLog.HasCallOnBandAndMode(args.call, band, args.mode)) {
        return CALL_DUPE;
    }
    if (g_qsoLog.HasPrefixOnBandAndMode(args.prefix, band, args.mode)) {
        return CALL_WORKED_PREFIX;
    }
    return CALL_NEW_PREFIX;
}

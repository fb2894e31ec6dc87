// Definitions and initial values of the module-level engine state.
#include "engine/engine_state.h"

std::mutex g_engineMutex;

QsoLog g_qsoLog;
const CContestRules g_bandRules(kBandNames.data(), static_cast<int>(kBandNames.size()));
const CContestRules g_modeRules(kModeNames.data(), static_cast<int>(kModeNames.size()));
StringList g_workedBands;
BandLists g_bandRows;
BandLists g_bandPrefixes;
BandLists g_bandCounties;

std::atomic<int> g_refreshPending{1};
std::atomic<int> g_russianCaptions{0};
std::atomic<int> g_extendedResults{0};

int g_cabrilloRequested = 0;
int32_t g_claimedScore = 0;
std::string g_ownCall;
std::string g_ownExchangeSuffix;
std::string g_startYear;
std::string g_contestDate;
std::string g_reportPath;
std::string g_hostVersion;
std::string g_hostArgument22;

void ResetEngineStateForTests() {
    EngineLock lock(g_engineMutex);
    g_qsoLog.Clear();
    g_workedBands.clear();
    for (size_t slot = 0; slot < g_bandRows.size(); ++slot) {
        g_bandRows[slot].clear();
        g_bandPrefixes[slot].clear();
        g_bandCounties[slot].clear();
    }
    g_refreshPending = 1;
    g_russianCaptions = 0;
    g_extendedResults = 0;
    g_cabrilloRequested = 0;
    g_claimedScore = 0;
    g_ownCall.clear();
    g_ownExchangeSuffix.clear();
    g_startYear.clear();
    g_contestDate.clear();
    g_reportPath.clear();
    g_hostVersion.clear();
    g_hostArgument22.clear();
}

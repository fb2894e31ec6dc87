// The module-level engine state, shared by the host's thread (entry points) and the
// status thread (refresh, paints). g_engineMutex guards all of it: the entry points hold
// it while they change the state and the status thread while it reads.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "engine/band_lists.h"
#include "engine/contest_rules.h"
#include "engine/qso_log.h"
#include "engine/rule_tables.h"

extern std::mutex g_engineMutex;
using EngineLock = std::lock_guard<std::mutex>;

extern QsoLog g_qsoLog;
extern const CContestRules g_bandRules;
extern const CContestRules g_modeRules;
extern StringList g_workedBands;

// Signals from the engine to the status window; plain flags shared by both threads.
extern std::atomic<int> g_refreshPending;
extern std::atomic<int> g_russianCaptions;
extern std::atomic<int> g_extendedResults;

extern int g_cabrilloRequested;
// Score of the latest results summary; the Cabrillo writer's CLAIMED-SCORE.
extern int32_t g_claimedScore;
extern std::string g_ownCall;
extern std::string g_ownExchangeSuffix;
extern std::string g_startYear;
extern std::string g_contestDate;
extern std::string g_reportPath;
extern std::string g_hostVersion;
extern std::string g_hostArgument22;

// WM_USER + 500: asks the status window to recompute its display (both parameters 0).
constexpr unsigned kRefreshStatsMessage = 0x0400 + 500;

// Puts every item back to its value at module load (tests only; the host never needs it).
void ResetEngineStateForTests();

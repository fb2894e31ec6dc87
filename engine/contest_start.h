// The start of a contest run (ResetStats0): host version, dates, log reset, band rows,
// the "Start" alternation that decides on the status window, and the rejected-QSO report.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/date_time.h"

// The host's settings file, which names the host version.
constexpr const char* kHostIniName = "Ravo2.ini";

struct ContestStartArgs {
    std::string hostDirectory;  // path prefix ending in a separator; "*.ini" is appended
    int cabrilloRequested = 0;  // nonzero: Cabrillo output wanted
    std::string ownCall;
    DateTime firstDate = {0.0, kDateNull};
    DateTime secondDate = {0.0, kDateNull};
    std::string ownExchangeSuffix;
    std::string argument22;  // kept, not used
};

// Host versions for which a contest start never opens the status window.
bool IsOldHostVersion(const std::string& version);

// The host version from "Ravo2.ini": searches "<hostDirectory>*.ini" for a name containing
// "Ravo2.ini"; without one the version is "Ravo"; with one, the first "Ravo=" line of
// "Ravo2.ini" in the current directory from its sixth character on, or nothing (keep the
// previous version) when the file cannot be read or has no such line.
std::optional<std::string> ReadHostVersion(const std::string& hostDirectory);

// Steps up to the Cabrillo request: dates, host version, log reset, own call and suffix,
// Russian-caption flag, band rows, g_cabrilloRequested. Takes the engine lock itself.
void BeginContestRun(const ContestStartArgs& args);

// Reads "Start" (and "Two"), writes the next value of the alternation and tells whether the
// status window is to be started now.
bool DecideStatusWindow(bool dxccWindowOpen);

// The Cabrillo header step of a Cabrillo run; the reports own the header and its dialog.
using CabrilloHeaderStep = std::function<void(const ContestStartArgs&)>;

// The whole contest start, step by step: BeginContestRun; in a Cabrillo run the header step
// and "Start" set to 1; the status window when DecideStatusWindow says so; the rejected-QSO
// report. The header step and the status window run without the engine lock held: both
// wait for another thread, which may be waiting for the lock.
void StartContest(const ContestStartArgs& args, const CabrilloHeaderStep& cabrilloHeader);

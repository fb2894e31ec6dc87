// Contest start: everything ResetStats0 does, in order; the Cabrillo dialog and the status
// window, which belong to other layers, are reached through the step and the link given.
#include "engine/contest_start.h"

#include <array>

#include "engine/engine_state.h"
#include "engine/rejected_report.h"
#include "engine/status_link.h"
#include "platform/files.h"
#include "platform/settings.h"

namespace {

constexpr std::array<const char*, 6> kOldHostVersions = {"2.18", "2.17", "2.16",
                                                         "2.15", "2.14", "2.14R"};
constexpr const char* kHostVersionKey = "Ravo=";

}  // namespace

bool IsOldHostVersion(const std::string& version) {
    for (const char* old : kOldHostVersions) {
        if (version == old) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> ReadHostVersion(const std::string& hostDirectory) {
    if (!FindFileNameContaining(hostDirectory + "*.ini", kHostIniName)) {
        return std::string("Ravo");
    }
    // The bare name, resolved against the current directory, not the searched folder.
    const std::optional<std::string> line = ReadFirstLineContaining(kHostIniName, kHostVersionKey);
    if (!line) {
        return std::nullopt;
    }
    return line->size() > 5 ? line->substr(5) : std::string();
}

void BeginContestRun(const ContestStartArgs& args) {
    const std::string startYear = FormatDateTime(args.firstDate, "%Y");
    const std::string contestDate = FormatDateTime(args.secondDate, "%d.%m.%Y");
    const std::optional<std::string> hostVersion = ReadHostVersion(args.hostDirectory);

    EngineLock lock(g_engineMutex);
    g_startYear = startYear;
    g_contestDate = contestDate;
    if (hostVersion) {
        g_hostVersion = *hostVersion;
    }
    g_qsoLog.Clear();
    g_workedBands.clear();
    g_ownExchangeSuffix = args.ownExchangeSuffix;
    g_hostArgument22 = args.argument22;
    g_ownCall = args.ownCall;
    if (IsRussianCaptionPrefix(args.ownExchangeSuffix)) {
        g_russianCaptions = 1;
    }
    for (int slot = 0; slot < kBandSlotCount; ++slot) {
        StringList& row = g_bandRows[static_cast<size_t>(slot)];
        row.clear();
        row.push_back(g_bandRules.GetAt(slot));
        row.insert(row.end(), 4, "-");
    }
    g_cabrilloRequested = args.cabrilloRequested;
    g_reportPath = RejectedReportName(args.secondDate);
}

bool DecideStatusWindow(bool dxccWindowOpen) {
    const int start = ReadSettingNumber("Start");
    (void)ReadSetting("Two");
    if (start != 0) {
        WriteSetting("Start", "0");
        return false;
    }
    if (dxccWindowOpen) {
        return false;
    }
    std::string hostVersion;
    {
        EngineLock lock(g_engineMutex);
        hostVersion = g_hostVersion;
    }
    WriteSetting("Start", "1");
    return !IsOldHostVersion(hostVersion);
}

void StartContest(const ContestStartArgs& args, const CabrilloHeaderStep& cabrilloHeader) {
    BeginContestRun(args);
    if (args.cabrilloRequested != 0) {
        if (cabrilloHeader) {
            cabrilloHeader(args);
        }
        WriteSetting("Start", "1");
    }
    StatusLink& link = GetStatusLink();
    if (DecideStatusWindow(link.IsDxccWindowOpen())) {
        link.StartStatusWindow();
    }
    StartRejectedReport(RejectedReportName(args.secondDate));
}

// Judges every QSO of every log against the logs of the stations it names: clock offsets
// first, then exact matches, then miscopied calls, then the verdicts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/check/qso_status.h"
#include "host/check/station_log.h"

struct CheckSettings {
    int windowMinutes = 5;  // two logged times of one QSO differ by at most this much
    // The contest period [start, end) in automation days; no limit when absent.
    std::optional<double> startDays;
    std::optional<double> endDays;
};

constexpr std::uint32_t kNoIndex = UINT32_MAX;

struct QsoRef {
    std::uint32_t log = kNoIndex;
    std::uint32_t qso = 0;

    bool Valid() const { return log != kNoIndex; }
};

struct QsoFinding {
    QsoStatus status = QsoStatus::Ok;
    // The right call (BUSTED_CALL), "received X, sent Y" (BUSTED_EXCHANGE), or for a QSO
    // logged twice "same QSO as line N"; empty otherwise.
    std::string detail;
    // The other station's QSO this one was judged against, when there is one.
    QsoRef partner;
    // The log of the worked call (NIL evidence); kNoIndex when that station sent none.
    std::uint32_t workedLog = kNoIndex;
};

struct StationFindings {
    int clockOffsetMinutes = 0;    // logged minus true time: negative for a slow clock
    std::vector<QsoFinding> qsos;  // parallel to the log's QSOs
};

std::vector<StationFindings> CrossCheck(const std::vector<StationLog>& logs,
                                        const CheckSettings& settings);

// Judges every QSO of every log against the logs of the stations it names: the clocks first,
// then the pairing of lines, the explanations of lines left unpaired, what each station
// really sent, then the verdicts with their evidence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/check/clock_model.h"
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
    // The right call (BUSTED_CALL), "received X, sent Y" (BUSTED_EXCHANGE); for an OK, a QSO
    // logged twice "same QSO as line N", the sender's slip or the lenient rule that made the
    // exchange match; empty otherwise.
    std::string detail;
    // Why, beyond the partner's line: the nearest candidate of a NIL, the near calls of a
    // UNIQUE, what shows a busted call that has no partner line.
    std::string evidence;
    // The logged time with the log's clock taken out, automation days.
    double correctedDays = 0.0;
    // The organizer's ruling that set the status, when there is one.
    std::string ruling;
    // The other station's QSO this one was judged against, when there is one.
    QsoRef partner;
    // The log of the worked call (NIL evidence); kNoIndex when that station sent none.
    std::uint32_t workedLog = kNoIndex;
};

struct StationFindings {
    int clockOffsetMinutes = 0;  // logged minus true time at the start: negative for a slow clock
    ClockModel clock;            // the whole clock: a drift or a jump as well
    // The sender's slips this log's partners revealed: "line 12: ...".
    std::vector<std::string> slips;
    std::vector<QsoFinding> qsos;  // parallel to the log's QSOs
};

std::vector<StationFindings> CrossCheck(const std::vector<StationLog>& logs,
                                        const CheckSettings& settings);

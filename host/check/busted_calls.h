// Lines the pairing left without a partner that are explained all the same: the partner's
// line could not be read; the "call" is the worked participant's exchange; a busted first
// attempt entered again correctly a minute later; a station that sent no log but that many
// logs hold, miscopied and received with its exchange.
#pragma once

#include <vector>

#include "host/check/contest_index.h"
#include "host/check/pairing.h"

void ExplainUnpairedCalls(const std::vector<StationLog>& logs, const ContestIndex& index,
                          const CorrectedTimes& times, std::int64_t window, QsoLinks* links);

// A call this many logs hold is taken for a station on the air even if it sent no log.
constexpr std::uint32_t kWellKnownCall = 3;
// A busted attempt and its correct entry lie at most this far apart, seconds.
constexpr std::int64_t kReentrySeconds = 180;

// Each log's clock offset, estimated from the QSOs it shares with other logs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/check/contest_index.h"

// Logged minus true time in whole minutes, per log: negative for a clock that was slow.
//
// Only unambiguous pairs take part: A and B logged each other equally often on a band and
// mode (once, or a few times: then the first with the first), within kWideWindowMinutes of
// each other. Each pair says offset(A) - offset(B) =
// minute(A) - minute(B), give or take the minute the operators took to log it. Starting
// from all clocks right, every log takes the most frequent of what its pairs say given its
// partners' current offsets (the one nearest their median among equals), until nothing
// changes: most clocks are right, so the vote holds them at zero and moves only the wrong
// ones. Logged times are cut to the whole minute first: a log with seconds and one without
// would otherwise disagree by half a minute on average.
std::vector<int> EstimateClockOffsets(const ContestIndex& index);

// Pairs this far apart are still taken as one QSO: a clock set to local time instead of
// UTC is hours off.
constexpr int kWideWindowMinutes = 12 * 60;
// Stations that met more often than this on one band are left out.
constexpr std::size_t kMostRepeats = 3;
// A log needs this many pairs to be given an offset.
constexpr int kMinimumPairs = 3;
// Smaller medians are the minute rounding of the logs, not a wrong clock.
constexpr int kSmallestOffsetMinutes = 2;

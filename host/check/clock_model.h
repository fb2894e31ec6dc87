// Each log's clock, found from the QSOs it shares with other logs: right, off by a constant,
// drifting steadily, or jumping once during the contest (a reset, a resync).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/check/contest_index.h"

// Logged minus true time over one stretch of the log: `offsetSeconds` at `anchorSeconds`,
// changing by `slope` seconds per second (zero but for a drifting clock). A stretch is a run
// of QSOs in the order they were made (IndexedQso::entry): a clock set back repeats logged
// times, so only that order tells which side of the jump a QSO lies on.
struct ClockSegment {
    std::uint32_t fromQso = 0;     // the position in that order the stretch starts at
    std::int64_t fromSeconds = 0;  // its logged time, to name it
    std::int64_t anchorSeconds = 0;
    double offsetSeconds = 0.0;
    double slope = 0.0;
};

struct ClockModel {
    std::vector<ClockSegment> segments;  // none: the clock was right
    std::size_t support = 0;             // shared QSOs that agree with the model
    std::size_t pairs = 0;               // shared QSOs it was found from
    std::int64_t firstSeconds = 0;       // the logged times those QSOs span
    std::int64_t lastSeconds = 0;

    // Logged minus true time for the QSO at this position in the order of entry, logged at
    // this time.
    double OffsetAt(std::uint32_t qso, std::int64_t loggedSeconds) const;
    // The offset of the first stretch in whole minutes: the one figure of a summary.
    int FirstMinutes() const;
    // "right", "+7 min", "+2 min, then +9 min from 18:40", "drifting from +0 min at 16:05
    // to +10 min at 19:55", with the support: "(27 of 29 shared QSOs agree)".
    std::string Describe() const;
};

// Every log's clock. Only unambiguous pairs take part: A and B logged each other equally
// often on a band (once, or a few times: then the first with the first), in modes that can
// meet, within kWideWindowMinutes. Each pair says offset(A) - offset(B) = minute(A) -
// minute(B), give or take the minute the operators took to log it. Starting from all clocks
// right, every log takes the model that the most of its pairs agree with given its
// partners' current clocks, until nothing changes: most clocks are right, so the vote holds
// them at zero and moves only the wrong ones. A drift or a jump is taken only when it
// explains clearly more pairs than one constant; a constant under kSmallestOffsetMinutes is
// the minute rounding of the logs, not a wrong clock.
std::vector<ClockModel> EstimateClocks(const ContestIndex& index);

// Pairs this far apart are still taken as one QSO: a clock set to local time instead of
// UTC is hours off.
constexpr int kWideWindowMinutes = 12 * 60;
// Stations that met more often than this on one band are left out.
constexpr std::size_t kMostRepeats = 3;
// A log needs this many pairs to be given an offset.
constexpr int kMinimumPairs = 3;
constexpr int kSmallestOffsetMinutes = 2;

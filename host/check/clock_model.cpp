// Clock models by iterated votes over the unambiguous pairs of QSOs: a constant, a jump
// (two constants, split where they explain the most pairs) and a drift (a slope from the
// median of pair slopes).
#include "host/check/clock_model.h"

#include <algorithm>
#include <cmath>

#include "host/check/time_text.h"

namespace {

struct Pair {
    std::uint32_t other;
    std::uint32_t ownQso;  // own QSO's position in the order of entry
    std::uint32_t theirQso;
    std::int64_t own;         // own logged time, seconds
    std::int64_t theirs;      // the other's logged time
    std::int64_t difference;  // own logged minute minus the other's
};

// A pair agrees with a model when its residual lies this close, in minutes: the minute
// rounding of two logs and the time the operators took.
constexpr double kTolerance = 1.5;

std::int64_t Minute(std::int64_t seconds) {
    return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
}

// The most frequent whole minute; among equally frequent ones the nearest to the median,
// then the smaller.
std::int64_t Vote(std::vector<std::int64_t> votes) {
    std::sort(votes.begin(), votes.end());
    const std::int64_t median = votes[votes.size() / 2];
    std::int64_t best = median;
    std::size_t bestCount = 0;
    for (std::size_t i = 0; i < votes.size();) {
        std::size_t j = i;
        while (j < votes.size() && votes[j] == votes[i]) {
            ++j;
        }
        const std::int64_t value = votes[i];
        if (j - i > bestCount ||
            (j - i == bestCount && std::llabs(value - median) < std::llabs(best - median))) {
            best = value;
            bestCount = j - i;
        }
        i = j;
    }
    return best;
}

struct Residual {
    std::uint32_t qso;  // own QSO's position in the order of entry
    std::int64_t time;  // own logged time
    double minutes;     // what the pair says this log's offset is
};

std::size_t Agreeing(const std::vector<Residual>& residuals, const ClockModel& model) {
    std::size_t count = 0;
    for (const Residual& r : residuals) {
        count += std::fabs(r.minutes - model.OffsetAt(r.qso, r.time) / 60.0) <= kTolerance ? 1 : 0;
    }
    return count;
}

ClockModel Constant(const std::vector<Residual>& residuals, std::size_t from, std::size_t to) {
    std::vector<std::int64_t> votes;
    for (std::size_t i = from; i < to; ++i) {
        votes.push_back(std::llround(residuals[i].minutes));
    }
    ClockModel model;
    const std::int64_t minutes = Vote(std::move(votes));
    if (std::llabs(minutes) >= kSmallestOffsetMinutes) {
        ClockSegment segment;
        segment.offsetSeconds = static_cast<double>(minutes) * 60.0;
        model.segments.push_back(segment);
    }
    return model;
}

ClockModel Jump(const std::vector<Residual>& residuals) {
    const std::size_t n = residuals.size();
    ClockModel best;
    std::size_t bestAgree = 0;
    const std::size_t step = std::max<std::size_t>(1, n / 40);
    for (std::size_t split = kMinimumPairs; split + kMinimumPairs <= n; split += step) {
        const ClockModel before = Constant(residuals, 0, split);
        const ClockModel after = Constant(residuals, split, n);
        const double a = before.OffsetAt(0, 0);
        const double b = after.OffsetAt(0, 0);
        if (std::fabs(a - b) < kSmallestOffsetMinutes * 60.0) {
            continue;
        }
        ClockModel model;
        ClockSegment first;
        first.offsetSeconds = a;
        ClockSegment second;
        second.fromQso = residuals[split].qso;
        second.fromSeconds = residuals[split].time;
        second.offsetSeconds = b;
        model.segments = {first, second};
        const std::size_t agree = Agreeing(residuals, model);
        if (agree > bestAgree) {
            best = model;
            bestAgree = agree;
        }
    }
    return best;
}

ClockModel Drift(const std::vector<Residual>& residuals) {
    const std::size_t n = residuals.size();
    const std::size_t half = n / 2;
    std::vector<double> slopes;
    for (std::size_t i = 0; i + half < n; ++i) {
        const std::int64_t span = residuals[i + half].time - residuals[i].time;
        if (span > 0) {
            slopes.push_back((residuals[i + half].minutes - residuals[i].minutes) * 60.0 /
                             static_cast<double>(span));
        }
    }
    ClockModel model;
    if (slopes.empty()) {
        return model;
    }
    std::nth_element(slopes.begin(), slopes.begin() + slopes.size() / 2, slopes.end());
    const double slope = slopes[slopes.size() / 2];
    const std::int64_t anchor = residuals.front().time;
    std::vector<double> intercepts;
    for (const Residual& r : residuals) {
        intercepts.push_back(r.minutes * 60.0 - slope * static_cast<double>(r.time - anchor));
    }
    std::nth_element(intercepts.begin(), intercepts.begin() + intercepts.size() / 2,
                     intercepts.end());
    ClockSegment segment;
    segment.anchorSeconds = anchor;
    segment.offsetSeconds = intercepts[intercepts.size() / 2];
    segment.slope = slope;
    model.segments.push_back(segment);
    return model;
}

// Between the last shared QSO before a jump and the first after it, the jump is put where
// the logged time steps most in its direction: back for a clock set back, forward for one set
// ahead. `times` are the log's logged times in the order of entry.
void PlaceJump(const std::vector<std::int64_t>& times, const std::vector<Residual>& residuals,
               ClockModel* model) {
    ClockSegment& second = model->segments[1];
    std::uint32_t last = 0;
    for (const Residual& r : residuals) {
        if (r.qso < second.fromQso) {
            last = std::max(last, r.qso);
        }
    }
    const double direction = second.offsetSeconds - model->segments[0].offsetSeconds;
    double bestStep = 0.0;
    const std::uint32_t first = second.fromQso;
    for (std::uint32_t k = last + 1; k <= first && k < times.size(); ++k) {
        const double step = static_cast<double>(times[k] - times[k - 1]) * direction;
        if (k == last + 1 || step > bestStep) {
            bestStep = step;
            second.fromQso = k;
        }
    }
    if (second.fromQso < times.size()) {
        second.fromSeconds = times[second.fromQso];
    }
}

// The model most of the residuals agree with; a jump or drift must explain clearly more
// than the constant and move the clock by a couple of minutes at least.
ClockModel Fit(std::vector<Residual> residuals, const std::vector<std::int64_t>& times) {
    std::sort(residuals.begin(), residuals.end(),
              [](const Residual& a, const Residual& b) { return a.qso < b.qso; });
    ClockModel best = Constant(residuals, 0, residuals.size());
    std::size_t bestAgree = Agreeing(residuals, best);
    const std::size_t n = residuals.size();
    const std::size_t margin = std::max<std::size_t>(3, n / 8);
    if (n >= 2 * kMinimumPairs && n - bestAgree >= margin) {
        for (ClockModel candidate : {Jump(residuals), Drift(residuals)}) {
            if (candidate.segments.empty()) {
                continue;
            }
            const std::size_t agree = Agreeing(residuals, candidate);
            const double first = candidate.OffsetAt(residuals.front().qso, residuals.front().time);
            const double last = candidate.OffsetAt(residuals.back().qso, residuals.back().time);
            if (agree >= bestAgree + margin &&
                std::fabs(first - last) >= kSmallestOffsetMinutes * 60.0) {
                best = candidate;
                bestAgree = agree;
            }
        }
    }
    if (best.segments.size() == 2) {
        PlaceJump(times, residuals, &best);
    }
    best.support = bestAgree;
    best.pairs = n;
    best.firstSeconds = residuals.front().time;
    best.lastSeconds = residuals.back().time;
    return best;
}

std::string SignedMinutes(double seconds) {
    const long long minutes = std::llround(seconds / 60.0);
    return (minutes >= 0 ? "+" : "") + std::to_string(minutes) + " min";
}

}  // namespace

double ClockModel::OffsetAt(std::uint32_t qso, std::int64_t loggedSeconds) const {
    const ClockSegment* current = nullptr;
    for (const ClockSegment& segment : segments) {
        if (current == nullptr || qso >= segment.fromQso) {
            current = &segment;
        }
    }
    if (current == nullptr) {
        return 0.0;
    }
    return current->offsetSeconds +
           current->slope * static_cast<double>(loggedSeconds - current->anchorSeconds);
}

int ClockModel::FirstMinutes() const {
    return segments.empty() ? 0
                            : static_cast<int>(std::llround(segments.front().offsetSeconds / 60.0));
}

std::string ClockModel::Describe() const {
    std::string text;
    if (segments.empty()) {
        text = "right";
    } else if (segments.front().slope != 0.0 && pairs > 0) {
        text = "drifting from " + SignedMinutes(OffsetAt(0, firstSeconds)) + " at " +
               FormatUtcClock(firstSeconds) + " to " + SignedMinutes(OffsetAt(0, lastSeconds)) +
               " at " + FormatUtcClock(lastSeconds);
    } else {
        const auto offset = [](double seconds) {
            return std::llround(seconds / 60.0) == 0 ? std::string("right")
                                                     : SignedMinutes(seconds);
        };
        text = offset(segments.front().offsetSeconds);
        for (std::size_t i = 1; i < segments.size(); ++i) {
            text += ", then " + offset(segments[i].offsetSeconds) + " from " +
                    FormatUtcClock(segments[i].fromSeconds);
        }
    }
    return text + (pairs > 0 ? " (" + std::to_string(support) + " of " + std::to_string(pairs) +
                                   " shared QSOs agree)"
                             : "");
}

std::vector<ClockModel> EstimateClocks(const ContestIndex& index) {
    const std::vector<IndexedQso>& qsos = index.Qsos();
    std::vector<std::vector<Pair>> pairs(index.LogCount());
    constexpr std::int64_t kWide = kWideWindowMinutes;
    for (const QsoGroup& key : index.Groups()) {
        const IdRange ids = index.Ids(key);
        const std::uint32_t other = index.LogOfBase(key.base);
        if (ids.size() > kMostRepeats || other == ContestIndex::kNoLog || other <= key.log) {
            continue;
        }
        const IdRange back = index.Group(other, index.OwnBase(key.log), key.band);
        if (back.size() != ids.size()) {
            continue;
        }
        // Both logged the same number of QSOs with each other: the first with the first.
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const IndexedQso& mine = qsos[ids[i]];
            const IndexedQso& theirs = qsos[back[i]];
            const std::int64_t difference = Minute(mine.seconds) - Minute(theirs.seconds);
            if (std::llabs(difference) <= kWide && ModesCanMeet(mine.families, theirs.families)) {
                pairs[key.log].push_back(
                    {other, mine.entry, theirs.entry, mine.seconds, theirs.seconds, difference});
                pairs[other].push_back(
                    {key.log, theirs.entry, mine.entry, theirs.seconds, mine.seconds, -difference});
            }
        }
    }
    std::vector<std::vector<std::int64_t>> entryTimes(index.LogCount());
    for (std::uint32_t log = 0; log < index.LogCount(); ++log) {
        entryTimes[log].resize(index.InTimeOrder(log).size());
        for (const std::uint32_t id : index.InTimeOrder(log)) {
            entryTimes[log][qsos[id].entry] = qsos[id].seconds;
        }
    }
    std::vector<ClockModel> clocks(index.LogCount());
    std::vector<Residual> residuals;
    // Each round moves only logs whose partners moved; a handful of rounds settles it, and
    // the cap ends a see-saw between two wrong clocks that only worked each other.
    for (int round = 0; round < 20; ++round) {
        std::vector<ClockModel> next(clocks.size());
        bool changed = false;
        for (std::size_t log = 0; log < pairs.size(); ++log) {
            if (pairs[log].size() < static_cast<std::size_t>(kMinimumPairs)) {
                continue;
            }
            residuals.clear();
            for (const Pair& pair : pairs[log]) {
                residuals.push_back(
                    {pair.ownQso, pair.own,
                     static_cast<double>(pair.difference) +
                         clocks[pair.other].OffsetAt(pair.theirQso, pair.theirs) / 60.0});
            }
            next[log] = Fit(residuals, entryTimes[log]);
            const auto same = [](const ClockModel& a, const ClockModel& b) {
                if (a.segments.size() != b.segments.size()) {
                    return false;
                }
                for (std::size_t i = 0; i < a.segments.size(); ++i) {
                    if (std::fabs(a.segments[i].offsetSeconds - b.segments[i].offsetSeconds) > 1 ||
                        std::fabs(a.segments[i].slope - b.segments[i].slope) > 1e-6 ||
                        a.segments[i].fromQso != b.segments[i].fromQso) {
                        return false;
                    }
                }
                return true;
            };
            changed = changed || !same(next[log], clocks[log]);
        }
        clocks.swap(next);
        if (!changed) {
            break;
        }
    }
    return clocks;
}

// Clock offsets by iterated medians over the unambiguous pairs of QSOs.
#include "host/check/clock_offsets.h"

#include <algorithm>

namespace {

struct Pair {
    std::uint32_t other;
    std::int64_t difference;  // own logged minute minus the other's
};

std::int64_t Minute(std::int64_t seconds) {
    return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
}

// The most frequent value; among equally frequent ones the nearest to the median, then the
// smaller. Sorts the votes.
std::int64_t Vote(std::vector<std::int64_t>* votes) {
    std::sort(votes->begin(), votes->end());
    const std::int64_t median = (*votes)[votes->size() / 2];
    std::int64_t best = median;
    std::size_t bestCount = 0;
    for (std::size_t i = 0; i < votes->size();) {
        std::size_t j = i;
        while (j < votes->size() && (*votes)[j] == (*votes)[i]) {
            ++j;
        }
        const std::int64_t value = (*votes)[i];
        if (j - i > bestCount ||
            (j - i == bestCount && std::llabs(value - median) < std::llabs(best - median))) {
            best = value;
            bestCount = j - i;
        }
        i = j;
    }
    return best;
}

int Offset(std::int64_t minutes) {
    return std::llabs(minutes) < kSmallestOffsetMinutes ? 0 : static_cast<int>(minutes);
}

}  // namespace

std::vector<int> EstimateClockOffsets(const ContestIndex& index) {
    const std::vector<IndexedQso>& qsos = index.Qsos();
    std::vector<std::vector<Pair>> pairs(index.LogCount());
    constexpr std::int64_t kWide = kWideWindowMinutes;
    for (const auto& [key, ids] : index.Groups()) {
        const std::uint32_t other = index.LogOfCall(key.call);
        if (ids.size() > kMostRepeats || other == ContestIndex::kNoLog || other <= key.log) {
            continue;
        }
        const std::vector<std::uint32_t>& back =
            index.Group(other, index.OwnCall(key.log), key.bandMode);
        if (back.size() != ids.size()) {
            continue;
        }
        // Both logged the same number of QSOs with each other: the first with the first.
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const std::int64_t difference =
                Minute(qsos[ids[i]].seconds) - Minute(qsos[back[i]].seconds);
            if (std::llabs(difference) <= kWide) {
                pairs[key.log].push_back({other, difference});
                pairs[other].push_back({key.log, -difference});
            }
        }
    }
    std::vector<int> offsets(index.LogCount(), 0);
    std::vector<std::int64_t> votes;
    // Each round moves only logs whose partners moved; a handful of rounds settles it, and
    // the cap ends a see-saw between two wrong clocks that only worked each other.
    for (int round = 0; round < 20; ++round) {
        std::vector<int> next(offsets.size(), 0);
        for (std::size_t log = 0; log < pairs.size(); ++log) {
            if (pairs[log].size() < static_cast<std::size_t>(kMinimumPairs)) {
                continue;
            }
            votes.clear();
            for (const Pair& pair : pairs[log]) {
                votes.push_back(pair.difference + offsets[pair.other]);
            }
            next[log] = Offset(Vote(&votes));
        }
        if (next == offsets) {
            break;
        }
        offsets.swap(next);
    }
    return offsets;
}

// Pairing: every QSO line linked to at most one line of the other station's log, chosen
// over all candidates to disagree least (calls, then exchanges, then time), so that swapped
// calls and two QSOs minutes apart with one partner come apart right.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/check/contest_index.h"

// How a QSO was explained.
enum class Role : std::uint8_t {
    None,        // nothing yet
    Matched,     // the worked station logged the same QSO and this side has its call right
    Miscopied,   // the worked station logged it, but this side logged its call wrong
    Repeated,    // the same QSO as an earlier line of the same log
    Busted,      // no partner line, but the call is a known call miscopied (rightCall says)
    Unreadable,  // the partner's line could not be read but names this station
};

constexpr std::uint32_t kNoQso = UINT32_MAX;

struct QsoLinks {
    explicit QsoLinks(std::size_t count)
        : role(count, Role::None), partner(count, kNoQso), sameAs(count, kNoQso) {}

    std::vector<Role> role;
    std::vector<std::uint32_t> partner;  // global id of the other station's line
    std::vector<std::uint32_t> sameAs;   // for Repeated: the line it repeats
    // For Busted and Unreadable: the call worked and why it is taken for it.
    std::unordered_map<std::uint32_t, std::pair<std::string, std::string>> explained;
};

// The logged times with each log's clock taken out, seconds; parallel to the index's QSOs.
using CorrectedTimes = std::vector<std::int64_t>;

// Pairs the QSOs of all logs: exact and miscopied calls (one slip or a portable part apart)
// within `window` seconds of corrected time, on one band, in modes that can meet; then lines
// entered twice.
void PairQsos(const std::vector<StationLog>& logs, const ContestIndex& index,
              const CorrectedTimes& times, std::int64_t window, QsoLinks* links);

// The nearest-in-time members of a time-sorted id list around `time`, at most `most` on
// each side, within `reach` seconds.
std::vector<std::uint32_t> Around(IdRange ids, const CorrectedTimes& times, std::int64_t time,
                                  std::int64_t reach, std::size_t most);
// The same into a buffer the caller keeps, cleared first.
void Around(IdRange ids, const CorrectedTimes& times, std::int64_t time, std::int64_t reach,
            std::size_t most, std::vector<std::uint32_t>* found);

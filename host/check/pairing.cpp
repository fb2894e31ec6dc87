// Candidate links from each line to the lines of the stations its call may stand for, all
// costed, then taken cheapest first while both lines are free: a greedy minimum-cost
// one-to-one matching, linear in the QSOs because every line has only a handful of
// candidates.
#include "host/check/pairing.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

#include "host/check/call_similarity.h"
#include "host/check/exchange_match.h"

namespace {

// A crowd of identical QSOs (a hostile log) must not make the search quadratic: only this
// many neighbours on each side in time are looked at.
constexpr std::size_t kNeighbours = 8;

// What a link costs: a call logged other than sent weighs more than an exchange copied
// wrong, which weighs more than the whole window of time, so that a miscopied call with
// the right exchange at the same minute beats the right call with a wrong exchange minutes
// away only when both lines of the swap gain (the swap of two similar calls).
constexpr double kCallCost = 1.0;
constexpr double kExchangeCost = 0.6;
constexpr double kTimeCost = 0.5;

struct Candidate {
    double cost;
    std::uint32_t a;
    std::uint32_t b;

    bool operator<(const Candidate& other) const {
        return std::tie(cost, a, b) < std::tie(other.cost, other.a, other.b);
    }
};

class Pairer {
  public:
    Pairer(const std::vector<StationLog>& logs, const ContestIndex& index,
           const CorrectedTimes& times, std::int64_t window, QsoLinks* links)
        : m_logs(logs), m_index(index), m_times(times), m_window(window), m_links(*links) {
        // Every call a station sent, under the station's log, for miscopied calls.
        std::vector<std::uint32_t> seen(index.CallCount(), ContestIndex::kNoLog);
        for (const IndexedQso& qso : index.Qsos()) {
            if (seen[qso.sent] != qso.log) {
                seen[qso.sent] = qso.log;
                m_stationCalls.push_back(index.CallText(qso.sent));
                m_stationOf.push_back(qso.log);
            }
        }
        for (std::uint32_t log = 0; log < logs.size(); ++log) {
            m_stationCalls.push_back(logs[log].call);
            m_stationOf.push_back(log);
        }
        m_near = std::make_unique<NearCallIndex>(m_stationCalls);
    }

    void Run() {
        std::vector<Candidate> candidates;
        const std::vector<IndexedQso>& qsos = m_index.Qsos();
        for (std::uint32_t id = 0; id < qsos.size(); ++id) {
            const IndexedQso& qso = qsos[id];
            // A line whose own station holds it with both calls and exchanges right needs no
            // other candidate: a miscopied call always costs more than the whole window.
            const std::uint32_t exact = m_index.LogOfBase(qso.base);
            bool perfect = false;
            if (exact != ContestIndex::kNoLog && exact != qso.log) {
                perfect = AddCandidates(id, exact, &candidates);
            }
            if (perfect) {
                continue;
            }
            for (const std::uint32_t i : m_near->Near(m_index.CallText(qso.call))) {
                const std::uint32_t station = m_stationOf[i];
                if (station != exact && station != qso.log) {
                    AddCandidates(id, station, &candidates);
                }
            }
        }
        std::sort(candidates.begin(), candidates.end());
        for (const Candidate& candidate : candidates) {
            if (m_links.role[candidate.a] == Role::None &&
                m_links.role[candidate.b] == Role::None) {
                Link(candidate.a, candidate.b);
                Link(candidate.b, candidate.a);
            }
        }
        MatchRepeatedLines();
    }

  private:
    // The lines of `station` that may be `id`'s partner; true when one of them is perfect
    // (both calls and exchanges right).
    bool AddCandidates(std::uint32_t id, std::uint32_t station, std::vector<Candidate>* out) {
        const IndexedQso& qso = m_index.Qsos()[id];
        bool perfect = false;
        Around(m_index.Group(station, m_index.OwnBase(qso.log), qso.band), m_times, m_times[id],
               m_window, kNeighbours, &m_around);
        for (const std::uint32_t other : m_around) {
            if (!ModesCanMeet(qso.families, m_index.Qsos()[other].families)) {
                continue;
            }
            const double cost = Cost(id, other);
            if (cost < 3.0) {
                out->push_back({cost, std::min(id, other), std::max(id, other)});
                perfect = perfect || cost <= kTimeCost;
            }
        }
        return perfect;
    }

    const LogQso& QsoOf(std::uint32_t id) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        return m_logs[qso.log].qsos[qso.qso];
    }

    bool CallRight(std::uint32_t id, std::uint32_t other) const {
        return m_index.Qsos()[id].call == m_index.Qsos()[other].sent;
    }

    double Cost(std::uint32_t a, std::uint32_t b) const {
        double cost = 0.0;
        cost += CallRight(a, b) ? 0.0 : kCallCost;
        cost += CallRight(b, a) ? 0.0 : kCallCost;
        cost += PartsMatch(m_index.ReceivedParts(a), m_index.SentParts(b)) ? 0.0 : kExchangeCost;
        cost += PartsMatch(m_index.ReceivedParts(b), m_index.SentParts(a)) ? 0.0 : kExchangeCost;
        const double gap = static_cast<double>(std::llabs(m_times[a] - m_times[b]));
        cost += kTimeCost * gap / static_cast<double>(std::max<std::int64_t>(m_window, 1));
        return cost;
    }

    void Link(std::uint32_t id, std::uint32_t other) {
        m_links.role[id] = CallRight(id, other) ? Role::Matched : Role::Miscopied;
        m_links.partner[id] = other;
    }

    // A QSO entered twice: the second line finds its partner taken by the first. The first
    // lies within the window of that partner, so within twice the window of the second.
    void MatchRepeatedLines() {
        const std::vector<IndexedQso>& qsos = m_index.Qsos();
        for (std::uint32_t id = 0; id < qsos.size(); ++id) {
            if (m_links.role[id] != Role::None) {
                continue;
            }
            const IndexedQso& qso = qsos[id];
            std::uint32_t first = kNoQso;
            for (const std::uint32_t twin :
                 Around(m_index.Group(qso.log, qso.base, qso.band), m_times, m_times[id],
                        2 * m_window, kNeighbours)) {
                const std::uint32_t partner = m_links.partner[twin];
                if (twin != id && partner != kNoQso && m_links.role[twin] != Role::Repeated &&
                    qsos[twin].call == qso.call &&
                    std::llabs(m_times[id] - m_times[partner]) <= m_window) {
                    first = std::min(first, twin);
                }
            }
            if (first != kNoQso) {
                m_links.role[id] = Role::Repeated;
                m_links.partner[id] = m_links.partner[first];
                m_links.sameAs[id] = first;
            }
        }
    }

    const std::vector<StationLog>& m_logs;
    const ContestIndex& m_index;
    const CorrectedTimes& m_times;
    std::int64_t m_window;
    QsoLinks& m_links;
    std::vector<std::string> m_stationCalls;
    std::vector<std::uint32_t> m_stationOf;
    std::unique_ptr<NearCallIndex> m_near;
    std::vector<std::uint32_t> m_around;
};

}  // namespace

void Around(IdRange ids, const CorrectedTimes& times, std::int64_t time, std::int64_t reach,
            std::size_t most, std::vector<std::uint32_t>* found) {
    found->clear();
    const auto split =
        std::lower_bound(ids.begin(), ids.end(), time,
                         [&](std::uint32_t member, std::int64_t t) { return times[member] < t; });
    std::size_t seen = 0;
    for (auto it = split; it != ids.end() && seen < most; ++it, ++seen) {
        if (times[*it] - time > reach) {
            break;
        }
        found->push_back(*it);
    }
    seen = 0;
    for (auto it = split; it != ids.begin() && seen < most; ++seen) {
        --it;
        if (time - times[*it] > reach) {
            break;
        }
        found->push_back(*it);
    }
}

std::vector<std::uint32_t> Around(IdRange ids, const CorrectedTimes& times, std::int64_t time,
                                  std::int64_t reach, std::size_t most) {
    std::vector<std::uint32_t> found;
    Around(ids, times, time, reach, most, &found);
    return found;
}

void PairQsos(const std::vector<StationLog>& logs, const ContestIndex& index,
              const CorrectedTimes& times, std::int64_t window, QsoLinks* links) {
    Pairer(logs, index, times, window, links).Run();
}

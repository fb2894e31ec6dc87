// The cross-check in four passes over the index, each linear in the number of QSOs:
// exact matches, miscopied calls, QSOs logged twice, then one verdict per QSO.
#include "host/check/cross_check.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "host/check/call_similarity.h"
#include "host/check/clock_offsets.h"
#include "host/check/contest_index.h"
#include "host/check/exchange_match.h"
#include "host/common/automation_date.h"

namespace {

// How a QSO was explained.
enum class Role : std::uint8_t {
    None,       // nothing yet
    Matched,    // the worked station logged the same QSO (exactly, or under a miscopied call)
    Miscopied,  // the call logged is a miscopy of the station that holds this QSO
    Repeated,   // the same QSO as an earlier line of the same log
};

// A crowd of identical QSOs (a hostile log) must not make the search quadratic: only this
// many neighbours on each side in time are looked at.
constexpr std::size_t kNeighbours = 8;

class Checker {
  public:
    Checker(const std::vector<StationLog>& logs, const CheckSettings& settings)
        : m_logs(logs),
          m_index(logs),
          m_window(std::int64_t{settings.windowMinutes} * 60),
          m_role(m_index.Qsos().size(), Role::None),
          m_partner(m_index.Qsos().size(), kNoIndex),
          m_sameAs(m_index.Qsos().size(), kNoIndex) {
        if (settings.startDays) {
            m_start = AutomationSeconds(*settings.startDays);
        }
        if (settings.endDays) {
            m_end = AutomationSeconds(*settings.endDays);
        }
    }

    std::vector<StationFindings> Run() {
        m_offsets = EstimateClockOffsets(m_index);
        MatchExactly();
        MatchMiscopiedCalls();
        MatchRepeatedLines();
        return Verdicts();
    }

  private:
    std::int64_t Corrected(std::uint32_t id) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        return qso.seconds - std::int64_t{m_offsets[qso.log]} * 60;
    }

    std::int64_t Gap(std::uint32_t a, std::uint32_t b) const {
        return std::llabs(Corrected(a) - Corrected(b));
    }

    // The QSOs of a time-sorted group among the kNeighbours nearest in time to `id` on each
    // side that lie within `reach` of it and satisfy `usable`.
    template <class Usable>
    void Neighbours(const std::vector<std::uint32_t>& group, std::uint32_t id, std::int64_t reach,
                    Usable usable, std::vector<std::uint32_t>* out) const {
        const std::int64_t time = Corrected(id);
        const auto split = std::lower_bound(
            group.begin(), group.end(), time,
            [&](std::uint32_t member, std::int64_t t) { return Corrected(member) < t; });
        std::size_t seen = 0;
        for (auto it = split; it != group.end() && seen < kNeighbours; ++it, ++seen) {
            if (Corrected(*it) - time > reach) {
                break;
            }
            if (usable(*it)) {
                out->push_back(*it);
            }
        }
        seen = 0;
        for (auto it = split; it != group.begin() && seen < kNeighbours; ++seen) {
            --it;
            if (time - Corrected(*it) > reach) {
                break;
            }
            if (usable(*it)) {
                out->push_back(*it);
            }
        }
    }

    void Pair(std::uint32_t a, std::uint32_t b, Role roleOfA) {
        m_role[a] = roleOfA;
        m_role[b] = Role::Matched;
        m_partner[a] = b;
        m_partner[b] = a;
    }

    // A logged B and B logged A, same band and mode, within the window: closest first.
    void MatchExactly() {
        std::vector<std::tuple<std::int64_t, std::uint32_t, std::uint32_t>> candidates;
        std::vector<std::uint32_t> near;
        for (const auto& [key, ids] : m_index.Groups()) {
            const std::uint32_t other = m_index.LogOfCall(key.call);
            if (other == ContestIndex::kNoLog || other <= key.log) {
                continue;
            }
            const auto& back = m_index.Group(other, m_index.OwnCall(key.log), key.bandMode);
            candidates.clear();
            for (const std::uint32_t id : ids) {
                near.clear();
                Neighbours(
                    back, id, m_window, [](std::uint32_t) { return true; }, &near);
                for (const std::uint32_t partner : near) {
                    candidates.emplace_back(Gap(id, partner), id, partner);
                }
            }
            std::sort(candidates.begin(), candidates.end());
            for (const auto& [gap, id, partner] : candidates) {
                if (m_role[id] == Role::None && m_role[partner] == Role::None) {
                    Pair(id, partner, Role::Matched);
                }
            }
        }
    }

    // A's unexplained QSO with W: a station D one character from W (or W with a portable
    // part more or less) holds an unexplained QSO with A at that time on that band.
    void MatchMiscopiedCalls() {
        std::vector<std::string> ownCalls;
        for (const StationLog& log : m_logs) {
            ownCalls.push_back(log.call);
        }
        const NearCallIndex nearCalls(ownCalls);
        const std::vector<IndexedQso>& qsos = m_index.Qsos();
        std::vector<std::uint32_t> found;
        for (std::uint32_t id = 0; id < qsos.size(); ++id) {
            if (m_role[id] != Role::None) {
                continue;
            }
            const IndexedQso& qso = qsos[id];
            std::uint32_t best = kNoIndex;
            for (const std::uint32_t station : nearCalls.Near(m_index.CallText(qso.call))) {
                if (station == qso.log) {
                    continue;
                }
                found.clear();
                const auto unexplained = [&](std::uint32_t other) {
                    return m_role[other] == Role::None;
                };
                Neighbours(m_index.Group(station, m_index.OwnCall(qso.log), qso.bandMode), id,
                           m_window, unexplained, &found);
                for (const std::uint32_t other : found) {
                    if (best == kNoIndex || Gap(id, other) < Gap(id, best)) {
                        best = other;
                    }
                }
            }
            if (best != kNoIndex) {
                Pair(id, best, Role::Miscopied);
            }
        }
    }

    // A QSO entered twice: the second line finds its partner taken by the first. The first
    // lies within the window of that partner, so within twice the window of the second.
    void MatchRepeatedLines() {
        const std::vector<IndexedQso>& qsos = m_index.Qsos();
        std::vector<std::uint32_t> twins;
        for (std::uint32_t id = 0; id < qsos.size(); ++id) {
            if (m_role[id] != Role::None) {
                continue;
            }
            const IndexedQso& qso = qsos[id];
            twins.clear();
            Neighbours(
                m_index.Group(qso.log, qso.call, qso.bandMode), id, 2 * m_window,
                [&](std::uint32_t twin) {
                    return twin != id && m_partner[twin] != kNoIndex &&
                           m_role[twin] != Role::Repeated && Gap(id, m_partner[twin]) <= m_window;
                },
                &twins);
            if (!twins.empty()) {
                const auto first = std::min_element(twins.begin(), twins.end());
                m_role[id] = Role::Repeated;
                m_partner[id] = m_partner[*first];
                m_sameAs[id] = *first;
            }
        }
    }

    std::vector<StationFindings> Verdicts() const {
        std::vector<StationFindings> result(m_logs.size());
        for (std::uint32_t log = 0; log < m_logs.size(); ++log) {
            result[log].clockOffsetMinutes = m_offsets[log];
            result[log].qsos.resize(m_logs[log].qsos.size());
            for (std::uint32_t i = 0; i < m_logs[log].qsos.size(); ++i) {
                result[log].qsos[i] = Verdict(m_index.Id(log, i));
            }
        }
        return result;
    }

    QsoRef RefOf(std::uint32_t id) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        return QsoRef{qso.log, qso.qso};
    }

    const LogQso& QsoOf(std::uint32_t id) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        return m_logs[qso.log].qsos[qso.qso];
    }

    QsoFinding Verdict(std::uint32_t id) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        QsoFinding finding;
        finding.workedLog = m_index.LogOfCall(qso.call);
        Role role = m_role[id];
        std::uint32_t partner = m_partner[id];
        if (role == Role::Repeated && m_role[m_sameAs[id]] == Role::Miscopied) {
            role = Role::Miscopied;
        }
        if (partner != kNoIndex) {
            finding.partner = RefOf(partner);
        }
        const LogQso& own = m_logs[qso.log].qsos[qso.qso];
        if (role == Role::Miscopied) {
            finding.status = QsoStatus::BustedCall;
            finding.detail = m_logs[m_index.Qsos()[partner].log].call;
        } else if (role != Role::None) {
            const LogQso& other = QsoOf(partner);
            if (ExchangeMatches(own.exchRcvd, other.exchSent)) {
                finding.status = QsoStatus::Ok;
                if (role == Role::Repeated) {
                    finding.detail =
                        "same QSO as line " + std::to_string(QsoOf(m_sameAs[id]).recordNumber);
                }
            } else {
                finding.status = QsoStatus::BustedExchange;
                finding.detail = "received " + own.exchRcvd + ", sent " + other.exchSent;
            }
        } else if (finding.workedLog != ContestIndex::kNoLog) {
            finding.status = QsoStatus::Nil;
        } else {
            finding.status =
                m_index.OtherLogHas(qso.call, qso.log) ? QsoStatus::NoLog : QsoStatus::Unique;
        }
        const std::int64_t corrected = Corrected(id);
        if ((m_start && corrected < *m_start) || (m_end && corrected >= *m_end)) {
            finding.status = QsoStatus::OutOfPeriod;
            finding.detail.clear();
        }
        return finding;
    }

    const std::vector<StationLog>& m_logs;
    ContestIndex m_index;
    std::int64_t m_window;
    std::optional<std::int64_t> m_start;
    std::optional<std::int64_t> m_end;
    std::vector<int> m_offsets;
    std::vector<Role> m_role;
    std::vector<std::uint32_t> m_partner;
    std::vector<std::uint32_t> m_sameAs;
};

}  // namespace

std::vector<StationFindings> CrossCheck(const std::vector<StationLog>& logs,
                                        const CheckSettings& settings) {
    return Checker(logs, settings).Run();
}

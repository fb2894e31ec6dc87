// The cross-check: clocks, pairing, explanations of unpaired lines, the exchange consensus,
// then one verdict per QSO with its evidence.
#include "host/check/cross_check.h"

#include <cmath>
#include <unordered_map>

#include "host/check/busted_calls.h"
#include "host/check/contest_index.h"
#include "host/check/exchange_consensus.h"
#include "host/check/exchange_match.h"
#include "host/check/pairing.h"
#include "host/check/verdict_evidence.h"
#include "host/common/automation_date.h"

namespace {

class Checker {
  public:
    Checker(const std::vector<StationLog>& logs, const CheckSettings& settings)
        : m_logs(logs),
          m_index(logs),
          m_window(std::int64_t{settings.windowMinutes} * 60),
          m_links(m_index.Qsos().size()) {
        if (settings.startDays) {
            m_start = AutomationSeconds(*settings.startDays);
        }
        if (settings.endDays) {
            m_end = AutomationSeconds(*settings.endDays);
        }
    }

    std::vector<StationFindings> Run() {
        m_clocks = EstimateClocks(m_index);
        for (const IndexedQso& qso : m_index.Qsos()) {
            m_times.push_back(qso.seconds -
                              std::llround(m_clocks[qso.log].OffsetAt(qso.entry, qso.seconds)));
        }
        m_index.SortByTimes(m_times);
        PairQsos(m_logs, m_index, m_times, m_window, &m_links);
        ExplainUnpairedCalls(m_logs, m_index, m_times, m_window, &m_links);
        for (std::uint32_t id = 0; id < m_links.sameAs.size(); ++id) {
            if (m_links.sameAs[id] != kNoQso) {
                m_repeats.emplace(m_links.sameAs[id], id);
            }
        }
        const ExchangeConsensus consensus(m_logs, m_index, m_times, m_links);
        const VerdictEvidence evidence(m_logs, m_index, m_times, m_links, m_window);
        std::vector<StationFindings> result(m_logs.size());
        for (std::uint32_t log = 0; log < m_logs.size(); ++log) {
            result[log].clock = m_clocks[log];
            result[log].clockOffsetMinutes = m_clocks[log].FirstMinutes();
            result[log].qsos.resize(m_logs[log].qsos.size());
        }
        for (std::uint32_t log = 0; log < m_logs.size(); ++log) {
            for (std::uint32_t i = 0; i < m_logs[log].qsos.size(); ++i) {
                const std::uint32_t id = m_index.Id(log, i);
                result[log].qsos[i] = Verdict(id, consensus, evidence, &result);
                result[log].qsos[i].correctedDays =
                    m_logs[log].qsos[i].days -
                    static_cast<double>(m_index.Qsos()[id].seconds - m_times[id]) / 86400.0;
            }
        }
        return result;
    }

  private:
    QsoRef RefOf(std::uint32_t id) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        return QsoRef{qso.log, qso.qso};
    }

    const LogQso& QsoOf(std::uint32_t id) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        return m_logs[qso.log].qsos[qso.qso];
    }

    // The exchange this line received against its partner's line, the partner's entries of
    // the same QSO, and what the partner really sent.
    void JudgeExchange(std::uint32_t id, std::uint32_t partner, const ExchangeConsensus& consensus,
                       QsoFinding* finding, std::vector<StationFindings>* all) const {
        const LogQso& own = QsoOf(id);
        const LogQso& other = QsoOf(partner);
        if (PartsMatch(m_index.ReceivedParts(id), m_index.SentParts(partner))) {
            finding->status = QsoStatus::Ok;
            return;
        }
        ExchangeComparison comparison = CompareExchange(own.exchRcvd, other.exchSent);
        if (comparison.matches) {
            finding->status = QsoStatus::Ok;
            finding->detail = comparison.lenientRule;
            return;
        }
        const auto [first, last] = m_repeats.equal_range(partner);
        for (auto it = first; it != last; ++it) {
            comparison = CompareExchange(own.exchRcvd, QsoOf(it->second).exchSent);
            if (comparison.matches) {
                finding->status = QsoStatus::Ok;
                finding->detail = "matches the partner's entry on line " +
                                  std::to_string(QsoOf(it->second).recordNumber);
                return;
            }
        }
        if (const std::optional<std::string> slip =
                consensus.SenderSlip(partner, own.exchRcvd, id)) {
            finding->status = QsoStatus::Ok;
            finding->detail = *slip;
            const IndexedQso& sender = m_index.Qsos()[partner];
            (*all)[sender.log].slips.push_back("line " + std::to_string(other.recordNumber) + ": " +
                                               m_logs[m_index.Qsos()[id].log].call + " received " +
                                               own.exchRcvd + "; " + *slip);
            return;
        }
        finding->status = QsoStatus::BustedExchange;
        finding->detail = "received " + own.exchRcvd + ", sent " + other.exchSent;
    }

    QsoFinding Verdict(std::uint32_t id, const ExchangeConsensus& consensus,
                       const VerdictEvidence& evidence, std::vector<StationFindings>* all) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        QsoFinding finding;
        finding.workedLog = m_index.LogOfBase(qso.base);
        Role role = m_links.role[id];
        const std::uint32_t partner = m_links.partner[id];
        if (role == Role::Repeated && m_links.role[m_links.sameAs[id]] == Role::Miscopied) {
            role = Role::Miscopied;
        }
        if (partner != kNoQso) {
            finding.partner = RefOf(partner);
        }
        switch (role) {
            case Role::Miscopied:
                finding.status = QsoStatus::BustedCall;
                finding.detail = m_index.CallText(m_index.Qsos()[partner].sent);
                break;
            case Role::Matched:
            case Role::Repeated:
                JudgeExchange(id, partner, consensus, &finding, all);
                if (role == Role::Repeated && finding.status == QsoStatus::Ok) {
                    finding.detail = "same QSO as line " +
                                     std::to_string(QsoOf(m_links.sameAs[id]).recordNumber);
                }
                break;
            case Role::Busted:
                finding.status = QsoStatus::BustedCall;
                finding.detail = m_links.explained.at(id).first;
                finding.evidence = m_links.explained.at(id).second;
                break;
            case Role::Unreadable:
                finding.status = QsoStatus::Ok;
                finding.evidence = m_links.explained.at(id).second;
                break;
            case Role::None:
                if (finding.workedLog != ContestIndex::kNoLog && finding.workedLog != qso.log) {
                    finding.status = QsoStatus::Nil;
                    finding.evidence = evidence.ForNil(id);
                } else {
                    finding.workedLog = kNoIndex;
                    finding.status = m_index.OtherLogHas(qso.call, qso.log) ? QsoStatus::NoLog
                                                                            : QsoStatus::Unique;
                    finding.evidence = evidence.ForUnique(id);
                }
                break;
        }
        const std::int64_t corrected = m_times[id];
        if ((m_start && corrected < *m_start) || (m_end && corrected >= *m_end)) {
            finding.status = QsoStatus::OutOfPeriod;
            finding.detail.clear();
            finding.evidence.clear();
        }
        return finding;
    }

    const std::vector<StationLog>& m_logs;
    ContestIndex m_index;
    std::int64_t m_window;
    std::optional<std::int64_t> m_start;
    std::optional<std::int64_t> m_end;
    std::vector<ClockModel> m_clocks;
    CorrectedTimes m_times;
    QsoLinks m_links;
    std::unordered_multimap<std::uint32_t, std::uint32_t> m_repeats;
};

}  // namespace

std::vector<StationFindings> CrossCheck(const std::vector<StationLog>& logs,
                                        const CheckSettings& settings) {
    return Checker(logs, settings).Run();
}

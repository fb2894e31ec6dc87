// Building the contest index: one pass over every QSO, hash maps keyed by interned ids.
#include "host/check/contest_index.h"

#include <algorithm>

#include "host/check/call_similarity.h"
#include "host/check/exchange_match.h"
#include "host/check/station_identity.h"
#include "host/common/automation_date.h"

ContestIndex::ContestIndex(const std::vector<StationLog>& logs) {
    std::size_t total = 0;
    for (const StationLog& log : logs) {
        total += log.qsos.size();
    }
    m_qsos.reserve(total);
    m_callIds.reserve(total / 4 + logs.size());
    for (const StationLog& log : logs) {
        const std::uint32_t base = m_baseOf[Intern(log.call)];
        m_ownBase.push_back(base);
        // Two logs of one station are settled before the check; the first one stands.
        if (m_logOfBase[base] == kNoLog) {
            m_logOfBase[base] = static_cast<std::uint32_t>(m_ownBase.size() - 1);
        }
    }
    std::unordered_map<std::string, std::uint32_t> bands;
    m_inTimeOrder.resize(logs.size());
    for (std::uint32_t log = 0; log < logs.size(); ++log) {
        m_first.push_back(static_cast<std::uint32_t>(m_qsos.size()));
        const std::vector<LogQso>& qsos = logs[log].qsos;
        for (std::uint32_t i = 0; i < qsos.size(); ++i) {
            IndexedQso entry;
            entry.log = log;
            entry.qso = i;
            entry.call = Intern(qsos[i].call);
            entry.base = m_baseOf[entry.call];
            entry.sent = Intern(SentCallOfLine(qsos[i], logs[log].call));
            entry.band =
                bands.emplace(qsos[i].band, static_cast<std::uint32_t>(bands.size())).first->second;
            entry.families = qsos[i].modeFamilies;
            entry.seconds = AutomationSeconds(qsos[i].days);
            if (m_lastLogWith[entry.call] != log) {
                m_lastLogWith[entry.call] = log;
                ++m_logsWith[entry.call];
            }
            const auto id = static_cast<std::uint32_t>(m_qsos.size());
            m_groups[GroupKey{log, entry.base, entry.band}].push_back(id);
            m_workedBy[entry.base].push_back(id);
            m_inTimeOrder[log].push_back(id);
            m_qsos.push_back(entry);
        }
    }
    for (std::uint32_t log = 0; log < logs.size(); ++log) {
        NumberByEntry(logs[log], m_first[log]);
    }
    std::vector<std::int64_t> times;
    for (const IndexedQso& qso : m_qsos) {
        times.push_back(qso.seconds);
    }
    SortByTimes(times);
}

void ContestIndex::SortByTimes(const std::vector<std::int64_t>& times) {
    const auto byTime = [&](std::uint32_t a, std::uint32_t b) { return times[a] < times[b]; };
    for (auto& [key, ids] : m_groups) {
        std::stable_sort(ids.begin(), ids.end(), byTime);
    }
    for (auto& [base, ids] : m_workedBy) {
        std::stable_sort(ids.begin(), ids.end(), byTime);
    }
    for (auto& ids : m_inTimeOrder) {
        std::stable_sort(ids.begin(), ids.end(), byTime);
    }
}

void ContestIndex::NumberByEntry(const StationLog& log, std::uint32_t first) {
    std::vector<std::pair<long, std::uint32_t>> order;
    for (std::uint32_t i = 0; i < log.qsos.size(); ++i) {
        const std::optional<long> serial = SerialOf(log.qsos[i].exchSent);
        order.push_back({serial ? *serial : -1, i});
    }
    const auto numbered = static_cast<std::size_t>(
        std::count_if(order.begin(), order.end(), [](const auto& o) { return o.first >= 0; }));
    if (numbered * 10 >= order.size() * 9) {
        std::stable_sort(order.begin(), order.end());
    }
    for (std::uint32_t rank = 0; rank < order.size(); ++rank) {
        m_qsos[first + order[rank].second].entry = rank;
    }
}

std::uint32_t ContestIndex::Intern(const std::string& call) {
    const auto found = m_callIds.find(call);
    if (found != m_callIds.end()) {
        return found->second;
    }
    const auto id = static_cast<std::uint32_t>(m_callTexts.size());
    const auto it = m_callIds.emplace(call, id).first;
    m_callTexts.push_back(&it->first);
    m_logOfBase.push_back(kNoLog);
    m_logsWith.push_back(0);
    m_lastLogWith.push_back(kNoLog);
    m_baseOf.push_back(id);
    const std::string base(BaseCall(call));
    if (base != call) {
        const std::uint32_t baseId = Intern(base);
        m_baseOf[id] = baseId;
    }
    return id;
}

std::uint32_t ContestIndex::FindCall(std::string_view call) const {
    const auto found = m_callIds.find(std::string(call));
    return found == m_callIds.end() ? kNoCall : found->second;
}

const std::vector<std::uint32_t>& ContestIndex::Group(std::uint32_t log, std::uint32_t base,
                                                      std::uint32_t band) const {
    const auto found = m_groups.find(GroupKey{log, base, band});
    return found == m_groups.end() ? m_empty : found->second;
}

const std::vector<std::uint32_t>& ContestIndex::WorkedBy(std::uint32_t base) const {
    const auto found = m_workedBy.find(base);
    return found == m_workedBy.end() ? m_empty : found->second;
}

bool ContestIndex::OtherLogHas(std::uint32_t call, std::uint32_t log) const {
    return m_logsWith[call] > 1 || (m_logsWith[call] == 1 && m_lastLogWith[call] != log);
}

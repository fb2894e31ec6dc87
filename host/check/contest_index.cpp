// Building the contest index: one pass over every QSO, hash maps keyed by interned ids.
#include "host/check/contest_index.h"

#include <algorithm>

#include "host/common/automation_date.h"

ContestIndex::ContestIndex(const std::vector<StationLog>& logs) {
    std::size_t total = 0;
    for (const StationLog& log : logs) {
        total += log.qsos.size();
    }
    m_qsos.reserve(total);
    m_callIds.reserve(total / 4 + logs.size());
    for (const StationLog& log : logs) {
        const std::uint32_t call = Intern(log.call);
        m_ownCall.push_back(call);
        // Two logs of one call are refused before the check; the first one stands.
        if (m_logOfCall[call] == kNoLog) {
            m_logOfCall[call] = static_cast<std::uint32_t>(m_ownCall.size() - 1);
        }
    }
    std::unordered_map<std::string, std::uint32_t> bandModes;
    for (std::uint32_t log = 0; log < logs.size(); ++log) {
        m_first.push_back(static_cast<std::uint32_t>(m_qsos.size()));
        const std::vector<LogQso>& qsos = logs[log].qsos;
        for (std::uint32_t i = 0; i < qsos.size(); ++i) {
            IndexedQso entry;
            entry.log = log;
            entry.qso = i;
            entry.call = Intern(qsos[i].call);
            const auto bandMode = bandModes.emplace(qsos[i].band + ' ' + qsos[i].mode,
                                                    static_cast<std::uint32_t>(bandModes.size()));
            entry.bandMode = bandMode.first->second;
            entry.seconds = AutomationSeconds(qsos[i].days);
            if (m_firstLogWith[entry.call] == kNoLog) {
                m_firstLogWith[entry.call] = log;
            } else if (m_firstLogWith[entry.call] != log) {
                m_manyLogsWith[entry.call] = true;
            }
            m_groups[GroupKey{log, entry.call, entry.bandMode}].push_back(
                static_cast<std::uint32_t>(m_qsos.size()));
            m_qsos.push_back(entry);
        }
    }
    for (auto& [key, ids] : m_groups) {
        std::stable_sort(ids.begin(), ids.end(), [&](std::uint32_t a, std::uint32_t b) {
            return m_qsos[a].seconds < m_qsos[b].seconds;
        });
    }
}

std::uint32_t ContestIndex::Intern(const std::string& call) {
    const auto [it, added] =
        m_callIds.emplace(call, static_cast<std::uint32_t>(m_callTexts.size()));
    if (added) {
        m_callTexts.push_back(&it->first);
        m_logOfCall.push_back(kNoLog);
        m_firstLogWith.push_back(kNoLog);
        m_manyLogsWith.push_back(false);
    }
    return it->second;
}

std::uint32_t ContestIndex::FindCall(std::string_view call) const {
    const auto found = m_callIds.find(std::string(call));
    return found == m_callIds.end() ? kNoCall : found->second;
}

const std::vector<std::uint32_t>& ContestIndex::Group(std::uint32_t log, std::uint32_t call,
                                                      std::uint32_t bandMode) const {
    const auto found = m_groups.find(GroupKey{log, call, bandMode});
    return found == m_groups.end() ? m_empty : found->second;
}

bool ContestIndex::OtherLogHas(std::uint32_t call, std::uint32_t log) const {
    const std::uint32_t first = m_firstLogWith[call];
    return first != kNoLog && (first != log || m_manyLogsWith[call]);
}

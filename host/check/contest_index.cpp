// Building the contest index: one pass over every QSO to intern its calls, then flat arrays
// sorted once (per log for the groups, by counting for the worked calls).
#include "host/check/contest_index.h"

#include <algorithm>
#include <tuple>

#include "host/check/call_similarity.h"
#include "host/check/station_identity.h"
#include "host/common/automation_date.h"

ContestIndex::ContestIndex(const std::vector<StationLog>& logs) {
    std::size_t total = 0;
    for (const StationLog& log : logs) {
        total += log.qsos.size();
    }
    m_qsos.reserve(total);
    m_sentParts.reserve(total);
    m_receivedParts.reserve(total);
    m_callIds.reserve(total / 4 + logs.size());
    for (const StationLog& log : logs) {
        const std::uint32_t base = m_baseOf[Intern(log.call)];
        m_ownBase.push_back(base);
        // Two logs of one station are settled before the check; the first one stands.
        if (m_logOfBase[base] == kNoLog) {
            m_logOfBase[base] = static_cast<std::uint32_t>(m_ownBase.size() - 1);
        }
    }
    std::vector<std::string> bands;
    for (std::uint32_t log = 0; log < logs.size(); ++log) {
        m_first.push_back(static_cast<std::uint32_t>(m_qsos.size()));
        const std::vector<LogQso>& qsos = logs[log].qsos;
        // Nearly every line sends the station's own call: intern it once per run of lines.
        std::string lastSent;
        std::uint32_t lastSentId = kNoCall;
        for (std::uint32_t i = 0; i < qsos.size(); ++i) {
            IndexedQso entry;
            entry.log = log;
            entry.qso = i;
            entry.call = Intern(qsos[i].call);
            entry.base = m_baseOf[entry.call];
            const std::string sent = SentCallOfLine(qsos[i], logs[log].call);
            if (lastSentId == kNoCall || sent != lastSent) {
                lastSent = sent;
                lastSentId = Intern(sent);
            }
            entry.sent = lastSentId;
            const auto band = std::find(bands.begin(), bands.end(), qsos[i].band);
            entry.band = static_cast<std::uint32_t>(band - bands.begin());
            if (band == bands.end()) {
                bands.push_back(qsos[i].band);
            }
            entry.families = qsos[i].modeFamilies;
            entry.seconds = AutomationSeconds(qsos[i].days);
            if (m_lastLogWith[entry.call] != log) {
                m_lastLogWith[entry.call] = log;
                ++m_logsWith[entry.call];
            }
            m_qsos.push_back(entry);
            m_sentParts.push_back(SplitExchange(qsos[i].exchSent));
            m_receivedParts.push_back(SplitExchange(qsos[i].exchRcvd));
        }
    }
    m_first.push_back(static_cast<std::uint32_t>(m_qsos.size()));
    for (std::uint32_t log = 0; log < logs.size(); ++log) {
        NumberByEntry(logs[log], m_first[log]);
    }
    // The groups: each log's ids by (base, band), then the groups over them.
    m_grouped.resize(m_qsos.size());
    for (std::uint32_t id = 0; id < m_qsos.size(); ++id) {
        m_grouped[id] = id;
    }
    m_logGroups.push_back(0);
    for (std::uint32_t log = 0; log < logs.size(); ++log) {
        const auto first = m_grouped.begin() + m_first[log];
        const auto last = m_grouped.begin() + m_first[log + 1];
        std::stable_sort(first, last, [&](std::uint32_t a, std::uint32_t b) {
            return std::tie(m_qsos[a].base, m_qsos[a].band) <
                   std::tie(m_qsos[b].base, m_qsos[b].band);
        });
        for (std::uint32_t i = m_first[log]; i < m_first[log + 1];) {
            const IndexedQso& head = m_qsos[m_grouped[i]];
            std::uint32_t j = i + 1;
            while (j < m_first[log + 1] && m_qsos[m_grouped[j]].base == head.base &&
                   m_qsos[m_grouped[j]].band == head.band) {
                ++j;
            }
            m_groups.push_back(QsoGroup{log, head.base, head.band, i, j});
            i = j;
        }
        m_logGroups.push_back(static_cast<std::uint32_t>(m_groups.size()));
    }
    // By worked base: counted into place.
    m_workedStart.assign(m_callTexts.size() + 1, 0);
    for (const IndexedQso& qso : m_qsos) {
        ++m_workedStart[qso.base + 1];
    }
    for (std::size_t i = 1; i < m_workedStart.size(); ++i) {
        m_workedStart[i] += m_workedStart[i - 1];
    }
    m_byWorked.resize(m_qsos.size());
    std::vector<std::uint32_t> next(m_workedStart.begin(), m_workedStart.end() - 1);
    for (std::uint32_t id = 0; id < m_qsos.size(); ++id) {
        m_byWorked[next[m_qsos[id].base]++] = id;
    }
    m_byTime = std::vector<std::uint32_t>(m_grouped.size());
    for (std::uint32_t id = 0; id < m_qsos.size(); ++id) {
        m_byTime[id] = id;
    }
    std::vector<std::int64_t> times;
    times.reserve(m_qsos.size());
    for (const IndexedQso& qso : m_qsos) {
        times.push_back(qso.seconds);
    }
    SortByTimes(times);
}

void ContestIndex::SortByTimes(const std::vector<std::int64_t>& times) {
    const auto byTime = [&](std::uint32_t a, std::uint32_t b) { return times[a] < times[b]; };
    const auto sort = [&](std::vector<std::uint32_t>& ids, std::uint32_t first,
                          std::uint32_t last) {
        const auto from = ids.begin() + first;
        const auto to = ids.begin() + last;
        if (!std::is_sorted(from, to, byTime)) {
            std::stable_sort(from, to, byTime);
        }
    };
    for (const QsoGroup& group : m_groups) {
        sort(m_grouped, group.first, group.last);
    }
    for (std::size_t base = 0; base + 1 < m_workedStart.size(); ++base) {
        sort(m_byWorked, m_workedStart[base], m_workedStart[base + 1]);
    }
    for (std::size_t log = 0; log + 1 < m_first.size(); ++log) {
        sort(m_byTime, m_first[log], m_first[log + 1]);
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
    const std::string_view base = BaseCall(call);
    if (base.size() != call.size()) {
        const std::uint32_t baseId = Intern(std::string(base));
        m_baseOf[id] = baseId;
    }
    return id;
}

std::uint32_t ContestIndex::FindCall(std::string_view call) const {
    const auto found = m_callIds.find(std::string(call));
    return found == m_callIds.end() ? kNoCall : found->second;
}

IdRange ContestIndex::Group(std::uint32_t log, std::uint32_t base, std::uint32_t band) const {
    const auto first = m_groups.begin() + m_logGroups[log];
    const auto last = m_groups.begin() + m_logGroups[log + 1];
    const auto found = std::lower_bound(
        first, last, std::make_pair(base, band),
        [](const QsoGroup& g, auto key) { return std::make_pair(g.base, g.band) < key; });
    if (found == last || found->base != base || found->band != band) {
        return {};
    }
    return Ids(*found);
}

bool ContestIndex::OtherLogHas(std::uint32_t call, std::uint32_t log) const {
    return m_logsWith[call] > 1 || (m_logsWith[call] == 1 && m_lastLogWith[call] != log);
}

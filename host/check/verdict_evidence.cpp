// Searches around the line's corrected time in the other station's log, nearest first.
#include "host/check/verdict_evidence.h"

#include <algorithm>
#include <cstdlib>

#include "host/check/time_text.h"

VerdictEvidence::VerdictEvidence(const std::vector<StationLog>& logs, const ContestIndex& index,
                                 const CorrectedTimes& times, const QsoLinks& links,
                                 std::int64_t window)
    : m_logs(logs), m_index(index), m_times(times), m_links(links), m_window(window) {
    for (std::uint32_t call = 0; call < index.CallCount(); ++call) {
        if (index.LogsWith(call) >= 2 ||
            index.LogOfBase(index.BaseOf(call)) != ContestIndex::kNoLog) {
            m_knownCalls.push_back(index.CallText(call));
        }
    }
    m_near = std::make_unique<NearCallIndex>(m_knownCalls);
}

const LogQso& VerdictEvidence::QsoOf(std::uint32_t id) const {
    const IndexedQso& qso = m_index.Qsos()[id];
    return m_logs[qso.log].qsos[qso.qso];
}

std::string VerdictEvidence::ForNil(std::uint32_t id) const {
    const IndexedQso& qso = m_index.Qsos()[id];
    const std::uint32_t other = m_index.LogOfBase(qso.base);
    const StationLog& them = m_logs[other];
    const std::string& own = m_logs[qso.log].call;
    const std::uint32_t ownBase = m_index.OwnBase(qso.log);
    const std::int64_t time = m_times[id];
    const std::vector<std::uint32_t> around =
        Around(m_index.InTimeOrder(other), m_times, time, kEvidenceReach, 2000);
    std::uint32_t same = kNoQso;
    std::uint32_t paired = kNoQso;
    std::uint32_t near = kNoQso;
    const auto distance = [&](std::uint32_t c) { return std::llabs(m_times[c] - time); };
    const auto nearer = [&](std::uint32_t c, std::uint32_t best) {
        return best == kNoQso || distance(c) < distance(best);
    };
    for (const std::uint32_t candidate : around) {
        const IndexedQso& line = m_index.Qsos()[candidate];
        if (line.base == ownBase) {
            std::uint32_t& slot = m_links.partner[candidate] == kNoQso ? same : paired;
            if (nearer(candidate, slot)) {
                slot = candidate;
            }
        } else if (distance(candidate) <= m_window &&
                   MayBeMiscopy(m_index.CallText(line.call), own) && nearer(candidate, near)) {
            near = candidate;
        }
    }
    const std::string at = them.call + "'s log has ";
    const auto sameCall = [&](std::uint32_t found) {
        const LogQso& line = QsoOf(found);
        const std::int64_t minutes = (m_times[found] - time) / 60;
        std::string text = at + line.call + " at " + FormatUtcClock(m_times[found]) + " (line " +
                           std::to_string(line.recordNumber) + ")";
        if (minutes != 0) {
            text += ", " + std::to_string(std::llabs(minutes)) + " min " +
                    (minutes < 0 ? "earlier" : "later") + " after clock correction";
        }
        if (line.band != QsoOf(id).band) {
            text += ", on " + line.band;
        }
        if (!ModesCanMeet(line.modeFamilies, QsoOf(id).modeFamilies)) {
            text += ", in " + line.loggedMode;
        }
        return text;
    };
    if (same != kNoQso && distance(same) <= kCloseSeconds) {
        return sameCall(same);
    }
    if (near != kNoQso) {
        const LogQso& line = QsoOf(near);
        return at + line.call + " at " + FormatUtcClock(m_times[near]) + " (line " +
               std::to_string(line.recordNumber) + "), a near call of " + own;
    }
    // The nearest lines of that log before and after.
    std::int64_t before = INT64_MIN;
    std::int64_t after = INT64_MAX;
    for (const std::uint32_t candidate : around) {
        const std::int64_t t = m_times[candidate];
        if (t <= time) {
            before = std::max(before, t);
        } else {
            after = std::min(after, t);
        }
    }
    if (before != INT64_MIN && after != INT64_MAX && after - before >= kHoleSeconds) {
        return at + "no QSO from " + FormatUtcClock(before) + " to " + FormatUtcClock(after) +
               ": a hole in that log";
    }
    if (same != kNoQso) {
        return sameCall(same);
    }
    if (paired != kNoQso) {
        const IndexedQso& taken = m_index.Qsos()[m_links.partner[paired]];
        return sameCall(paired) + ", already paired with line " +
               std::to_string(m_logs[taken.log].qsos[taken.qso].recordNumber) + " of " +
               m_logs[taken.log].call + "'s log";
    }
    return at + "no QSO with " + own + " within 60 min of " + FormatUtcClock(time) +
           " (after clock correction)";
}

std::string VerdictEvidence::ForUnique(std::uint32_t id) const {
    const std::string& call = m_index.CallText(m_index.Qsos()[id].call);
    std::vector<std::pair<std::uint32_t, std::string>> found;
    for (const std::uint32_t i : m_near->Near(call)) {
        const std::uint32_t near = m_index.FindCall(m_knownCalls[i]);
        const bool participant = m_index.LogOfBase(m_index.BaseOf(near)) != ContestIndex::kNoLog;
        found.push_back(
            {m_index.LogsWith(near), m_knownCalls[i] + " (" + (participant ? "sent a log, " : "") +
                                         std::to_string(m_index.LogsWith(near)) + " logs)"});
    }
    if (found.empty()) {
        return "no near call in any log";
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::string text = "near calls: ";
    for (std::size_t i = 0; i < found.size() && i < 5; ++i) {
        text += (i > 0 ? ", " : "") + found[i].second;
    }
    return text;
}

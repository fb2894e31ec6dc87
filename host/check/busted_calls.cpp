// Four explanations tried in turn on each unpaired line, each from the index alone.
#include "host/check/busted_calls.h"

#include <algorithm>
#include <climits>
#include <map>
#include <memory>

#include "host/check/call_similarity.h"
#include "host/check/exchange_match.h"

namespace {

constexpr std::size_t kNeighbours = 8;

bool Contains(const std::string& text, const std::string& part) {
    return !part.empty() && text.find(part) != std::string::npos;
}

// Whether a logged "call" is an exchange: the one given, or its serial and its rest in
// either order, with or without leading zeros.
bool IsThatExchange(const std::string& call, const std::string& sent) {
    const ExchangeParts parts = SplitExchange(sent);
    if (!parts.hasSerial) {
        return !parts.rest.empty() && call == parts.rest;
    }
    std::string packed;
    for (const char c : sent) {
        if (c != ' ') {
            packed += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
    }
    return call == packed || call == parts.serial + parts.rest ||
           call == parts.rest + parts.serial ||
           (Contains(call, parts.serial) && Contains(call, parts.rest) &&
            call.size() <= parts.serial.size() + parts.rest.size() + 3);
}

class Explainer {
  public:
    Explainer(const std::vector<StationLog>& logs, const ContestIndex& index,
              const CorrectedTimes& times, std::int64_t window, QsoLinks* links)
        : m_logs(logs), m_index(index), m_times(times), m_window(window), m_links(*links) {
        for (std::uint32_t call = 0; call < index.CallCount(); ++call) {
            if (index.LogsWith(call) >= kWellKnownCall &&
                index.LogOfBase(index.BaseOf(call)) == ContestIndex::kNoLog) {
                m_wellKnown.push_back(index.CallText(call));
            }
        }
        m_near = std::make_unique<NearCallIndex>(m_wellKnown);
        m_unreadableUsed.resize(logs.size());
        for (std::uint32_t log = 0; log < logs.size(); ++log) {
            m_unreadableUsed[log].assign(logs[log].unreadable.size(), false);
        }
    }

    void Run() {
        const std::size_t count = m_index.Qsos().size();
        // A partner line, readable or not, explains a line before a call is taken for busted.
        for (std::uint32_t id = 0; id < count; ++id) {
            if (m_links.role[id] == Role::None && !UnreadablePartner(id)) {
                ExchangeAsCall(id);
            }
        }
        for (std::uint32_t id = 0; id < count; ++id) {
            if (m_links.role[id] == Role::None && !Reentered(id)) {
                WellKnownBusted(id);
            }
        }
    }

  private:
    const LogQso& QsoOf(std::uint32_t id) const {
        const IndexedQso& qso = m_index.Qsos()[id];
        return m_logs[qso.log].qsos[qso.qso];
    }

    const std::string& Call(std::uint32_t id) const {
        return m_index.CallText(m_index.Qsos()[id].call);
    }

    // The worked station sent a log with a line it could not read that names this station.
    bool UnreadablePartner(std::uint32_t id) {
        const IndexedQso& qso = m_index.Qsos()[id];
        const std::uint32_t other = m_index.LogOfBase(qso.base);
        if (other == ContestIndex::kNoLog || other == qso.log) {
            return false;
        }
        const std::string own(BaseCall(m_logs[qso.log].call));
        const std::vector<UnreadableLine>& lines = m_logs[other].unreadable;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (m_unreadableUsed[other][i]) {
                continue;
            }
            for (const std::string& call : lines[i].calls) {
                if (BaseCall(call) == own) {
                    m_unreadableUsed[other][i] = true;
                    m_links.role[id] = Role::Unreadable;
                    m_links.explained[id] = {m_logs[other].call,
                                             m_logs[other].call + "'s line " +
                                                 std::to_string(lines[i].line) +
                                                 ", which cannot be read, names " + own};
                    return true;
                }
            }
        }
        return false;
    }

    // "B10", "40P51": the exchange of a participant that logged this station at that time.
    bool ExchangeAsCall(std::uint32_t id) {
        const IndexedQso& qso = m_index.Qsos()[id];
        if (m_index.LogOfBase(qso.base) != ContestIndex::kNoLog ||
            m_index.OtherLogHas(qso.call, qso.log)) {
            return false;
        }
        const std::string& call = Call(id);
        for (const std::uint32_t other : Around(m_index.WorkedBy(m_index.OwnBase(qso.log)), m_times,
                                                m_times[id], m_window, kNeighbours)) {
            const IndexedQso& theirs = m_index.Qsos()[other];
            if (theirs.log == qso.log || theirs.band != qso.band ||
                m_links.role[other] != Role::None || !ModesCanMeet(qso.families, theirs.families) ||
                !IsThatExchange(call, QsoOf(other).exchSent)) {
                continue;
            }
            m_links.role[id] = Role::Miscopied;
            m_links.partner[id] = other;
            m_links.role[other] = Role::Matched;
            m_links.partner[other] = id;
            return true;
        }
        return false;
    }

    // A call no other log holds, next to a line of the same log with a near call that is
    // paired or well known: the first attempt, busted, entered again.
    bool Reentered(std::uint32_t id) {
        const IndexedQso& qso = m_index.Qsos()[id];
        // A station's call (the line is a NIL so far) needs the correct entry paired; a
        // call of no station may stand in one other log (the same slip made twice).
        const bool station = m_index.LogOfBase(qso.base) != ContestIndex::kNoLog;
        if (!station && m_index.LogsWith(qso.call) > 2) {
            return false;
        }
        const std::string& call = Call(id);
        for (const std::uint32_t other :
             Around(m_index.InTimeOrder(qso.log), m_times, m_times[id], kReentrySeconds, 3)) {
            const IndexedQso& near = m_index.Qsos()[other];
            if (other == id || near.band != qso.band || !MayBeMiscopy(call, Call(other))) {
                continue;
            }
            const bool confirmed = m_links.role[other] == Role::Matched ||
                                   (!station && m_index.LogsWith(near.call) >= 2);
            if (confirmed) {
                m_links.role[id] = Role::Busted;
                m_links.explained[id] = {Call(other),
                                         "entered again as " + Call(other) + " on line " +
                                             std::to_string(QsoOf(other).recordNumber)};
                return true;
            }
        }
        return false;
    }

    // A call no other log holds, one slip from a station that sent no log but many logs
    // hold, received with that station's exchange.
    bool WellKnownBusted(std::uint32_t id) {
        const IndexedQso& qso = m_index.Qsos()[id];
        if (m_index.LogOfBase(qso.base) != ContestIndex::kNoLog ||
            m_index.OtherLogHas(qso.call, qso.log)) {
            return false;
        }
        const std::vector<std::uint32_t> near = m_near->Near(Call(id));
        std::uint32_t best = UINT32_MAX;
        std::uint32_t bestLogs = 0;
        for (const std::uint32_t i : near) {
            const std::uint32_t call = m_index.FindCall(m_wellKnown[i]);
            if (m_index.LogsWith(call) > bestLogs) {
                best = i;
                bestLogs = m_index.LogsWith(call);
            }
        }
        if (best == UINT32_MAX || !SentLikeThat(m_wellKnown[best], id)) {
            return false;
        }
        m_links.role[id] = Role::Busted;
        m_links.explained[id] = {m_wellKnown[best], std::to_string(bestLogs) + " logs hold " +
                                                        m_wellKnown[best] +
                                                        ", received with this exchange"};
        return true;
    }

    // Whether what this line received fits what the other logs received from `call`: the
    // rest most of them received, and a serial in its sequence: of the three copies nearest
    // in time on each side, at most one (a miscopy, a wrong clock) says otherwise.
    bool SentLikeThat(const std::string& call, std::uint32_t id) const {
        const ExchangeParts got = SplitExchange(QsoOf(id).exchRcvd);
        const std::optional<long> serial = SerialOf(QsoOf(id).exchRcvd);
        const std::uint32_t callId = m_index.FindCall(call);
        std::map<std::string, int> rests;
        std::vector<std::pair<std::int64_t, long>> serials;
        for (const std::uint32_t other : m_index.WorkedBy(m_index.BaseOf(callId))) {
            if (m_index.Qsos()[other].call != callId) {
                continue;
            }
            const LogQso& copy = QsoOf(other);
            ++rests[SplitExchange(copy.exchRcvd).rest];
            if (const std::optional<long> n = SerialOf(copy.exchRcvd)) {
                serials.push_back({m_times[other], *n});
            }
        }
        const auto common =
            std::max_element(rests.begin(), rests.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        if (common != rests.end() && common->first != got.rest) {
            return false;
        }
        if (!serial) {
            return true;
        }
        const auto split = std::lower_bound(serials.begin(), serials.end(),
                                            std::pair<std::int64_t, long>{m_times[id], LONG_MIN});
        int against = 0;
        for (auto it = split; it != serials.end() && it - split < 3; ++it) {
            against += it->second + 2 < *serial ? 1 : 0;
        }
        for (auto it = split; it != serials.begin() && split - it < 3;) {
            --it;
            against += it->second > *serial + 2 ? 1 : 0;
        }
        return against <= 1;
    }

    const std::vector<StationLog>& m_logs;
    const ContestIndex& m_index;
    const CorrectedTimes& m_times;
    std::int64_t m_window;
    QsoLinks& m_links;
    std::vector<std::string> m_wellKnown;
    std::unique_ptr<NearCallIndex> m_near;
    std::vector<std::vector<bool>> m_unreadableUsed;
};

}  // namespace

void ExplainUnpairedCalls(const std::vector<StationLog>& logs, const ContestIndex& index,
                          const CorrectedTimes& times, std::int64_t window, QsoLinks* links) {
    Explainer(logs, index, times, window, links).Run();
}

// The sender's sequence from its log in time order; the partners' copies of the rest of its
// exchange from the pairing, in time order, voted over the nearest few.
#include "host/check/exchange_consensus.h"

#include <algorithm>

#include "host/check/exchange_match.h"

namespace {

// Copies looked at on each side of a QSO for the consensus of the rest.
constexpr std::size_t kConsensusSide = 3;
constexpr std::size_t kConsensusLeast = 3;

}  // namespace

ExchangeConsensus::ExchangeConsensus(const std::vector<StationLog>& logs, const ContestIndex& index,
                                     const CorrectedTimes& times, const QsoLinks& links)
    : m_logs(logs), m_index(index), m_times(times) {
    const std::vector<IndexedQso>& qsos = index.Qsos();
    m_position.resize(qsos.size());
    m_serial.resize(qsos.size());
    m_copies.resize(logs.size());
    for (std::uint32_t log = 0; log < logs.size(); ++log) {
        const IdRange order = index.InTimeOrder(log);
        for (std::uint32_t i = 0; i < order.size(); ++i) {
            m_position[order[i]] = i;
            m_serial[order[i]] = SerialOf(index.SentParts(order[i]));
        }
    }
    for (std::uint32_t id = 0; id < qsos.size(); ++id) {
        const std::uint32_t partner = links.partner[id];
        if (partner == kNoQso || links.role[id] == Role::Repeated) {
            continue;
        }
        const IndexedQso& receiver = qsos[id];
        const std::string& received = logs[receiver.log].qsos[receiver.qso].exchRcvd;
        m_copies[qsos[partner].log].push_back({times[partner], SplitExchange(received).rest, id});
    }
    for (std::vector<Copy>& copies : m_copies) {
        std::sort(copies.begin(), copies.end(),
                  [](const Copy& a, const Copy& b) { return a.time < b.time; });
    }
}

std::optional<std::string> ExchangeConsensus::SenderSlip(std::uint32_t sentId,
                                                         const std::string& received,
                                                         std::uint32_t receiverId) const {
    const IndexedQso& sender = m_index.Qsos()[sentId];
    const LogQso& line = m_logs[sender.log].qsos[sender.qso];
    const ExchangeParts got = SplitExchange(received);
    const ExchangeParts sent = SplitExchange(line.exchSent);
    const bool serialRight = !sent.hasSerial || (got.hasSerial && got.serial == sent.serial);
    const bool restRight = sent.rest.empty() || got.rest == sent.rest;
    std::optional<std::string> serialSlip;
    std::optional<std::string> restSlip;
    if (!serialRight) {
        serialSlip = SerialSlip(sentId, received);
        if (!serialSlip) {
            return std::nullopt;
        }
    }
    if (!restRight) {
        restSlip = RestSlip(sentId, received, receiverId);
        if (!restSlip) {
            return std::nullopt;
        }
    }
    if (serialSlip && restSlip) {
        return *serialSlip + "; " + *restSlip;
    }
    return serialSlip ? serialSlip : restSlip;
}

std::optional<std::string> ExchangeConsensus::SerialSlip(std::uint32_t sentId,
                                                         const std::string& received) const {
    const std::optional<long> copied = SerialOf(received);
    const std::optional<long> logged = m_serial[sentId];
    if (!copied || !logged) {
        return std::nullopt;
    }
    const IndexedQso& sender = m_index.Qsos()[sentId];
    const IdRange order = m_index.InTimeOrder(sender.log);
    const std::uint32_t at = m_position[sentId];
    std::optional<long> before;
    std::optional<long> after;
    for (std::uint32_t i = at; i > 0 && !before; --i) {
        before = m_serial[order[i - 1]];
    }
    for (std::uint32_t i = at + 1; i < order.size() && !after; ++i) {
        after = m_serial[order[i]];
    }
    if (!before && !after) {
        return std::nullopt;
    }
    const bool breaks = (before && *logged <= *before) || (after && *logged >= *after);
    const bool fits = (!before || *copied > *before) && (!after || *copied < *after);
    if (!breaks || !fits) {
        return std::nullopt;
    }
    const auto text = [](const std::optional<long>& n) { return n ? std::to_string(*n) : "-"; };
    return "the sender's slip: its log gives " + std::to_string(*logged) +
           " as sent, out of its sequence (" + text(before) + ", " + std::to_string(*logged) +
           ", " + text(after) + "), where " + std::to_string(*copied) + " fits";
}

std::optional<std::string> ExchangeConsensus::RestSlip(std::uint32_t sentId,
                                                       const std::string& received,
                                                       std::uint32_t receiverId) const {
    const IndexedQso& sender = m_index.Qsos()[sentId];
    const std::vector<Copy>& copies = m_copies[sender.log];
    const std::int64_t time = m_times[sentId];
    const auto split = std::lower_bound(copies.begin(), copies.end(), time,
                                        [](const Copy& c, std::int64_t t) { return c.time < t; });
    const std::string got = SplitExchange(received).rest;
    // The copies on each side, nearest first; a change of exchange shows whole on the side
    // of it the receiver lies on.
    std::size_t agreeing = 0;
    std::size_t counted = 0;
    bool wholeSide = false;
    const auto side = [&](auto from, auto to, auto step) {
        std::size_t taken = 0;
        std::size_t alike = 0;
        for (auto it = from; it != to && taken < kConsensusSide; it = step(it)) {
            const Copy& copy = step.Deref(it);
            if (copy.receiver == receiverId) {
                continue;
            }
            ++taken;
            alike += copy.rest == got ? 1 : 0;
        }
        agreeing += alike;
        counted += taken;
        wholeSide = wholeSide || (taken == kConsensusSide && alike == taken);
    };
    struct Forward {
        std::vector<Copy>::const_iterator operator()(std::vector<Copy>::const_iterator it) const {
            return it + 1;
        }
        const Copy& Deref(std::vector<Copy>::const_iterator it) const { return *it; }
    };
    struct Backward {
        std::vector<Copy>::const_iterator operator()(std::vector<Copy>::const_iterator it) const {
            return it - 1;
        }
        const Copy& Deref(std::vector<Copy>::const_iterator it) const { return *(it - 1); }
    };
    side(split, copies.end(), Forward());
    side(split, copies.begin(), Backward());
    const bool majority = agreeing >= kConsensusLeast && agreeing * 2 > counted;
    if (got.empty() || !(majority || wholeSide)) {
        return std::nullopt;
    }
    const std::size_t shown = wholeSide && !majority ? kConsensusSide : agreeing;
    const LogQso& line = m_logs[sender.log].qsos[sender.qso];
    return "the sender's log gives " + SplitExchange(line.exchSent).rest + ", but " +
           std::to_string(shown) + " of its " + std::to_string(counted) +
           " partners around that time received " + got;
}

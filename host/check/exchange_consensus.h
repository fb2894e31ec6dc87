// What each station really sent, learned from its own log and from what its partners
// received: a sent serial that breaks the sender's own sequence while the receiver's copy
// fits it is the sender's slip; so is a county or prefix that the partners around that time
// received alike (three or more, more than half) and the sender logged otherwise, as when a
// station changed its exchange mid-contest and logged the later one throughout.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/check/contest_index.h"
#include "host/check/pairing.h"

class ExchangeConsensus {
  public:
    ExchangeConsensus(const std::vector<StationLog>& logs, const ContestIndex& index,
                      const CorrectedTimes& times, const QsoLinks& links);

    // When `received` (copied by the partner of the sender's line `sentId`) is what the
    // sender really sent although its log says otherwise: the reason, in words.
    std::optional<std::string> SenderSlip(std::uint32_t sentId, const std::string& received,
                                          std::uint32_t receiverId) const;

  private:
    struct Copy {
        std::int64_t time;
        std::string rest;
        std::uint32_t receiver;
    };

    std::optional<std::string> SerialSlip(std::uint32_t sentId, const std::string& received) const;
    std::optional<std::string> RestSlip(std::uint32_t sentId, const std::string& received,
                                        std::uint32_t receiverId) const;

    const std::vector<StationLog>& m_logs;
    const ContestIndex& m_index;
    const CorrectedTimes& m_times;
    std::vector<std::uint32_t> m_position;      // of each QSO in its log's time order
    std::vector<std::optional<long>> m_serial;  // sent serial of each QSO
    std::vector<std::vector<Copy>> m_copies;    // per log: what its partners received, by time
};

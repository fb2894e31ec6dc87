// The evidence a participant needs to see beside a lost QSO: for a NIL the nearest candidate
// in the other log (the same call at another time or on another band, a near call at this
// time, a hole in that log) or that none lies within an hour; for a UNIQUE the near calls
// with how many logs hold each.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/check/call_similarity.h"
#include "host/check/pairing.h"

class VerdictEvidence {
  public:
    VerdictEvidence(const std::vector<StationLog>& logs, const ContestIndex& index,
                    const CorrectedTimes& times, std::int64_t window);

    std::string ForNil(std::uint32_t id) const;
    std::string ForUnique(std::uint32_t id) const;

  private:
    const LogQso& QsoOf(std::uint32_t id) const;

    const std::vector<StationLog>& m_logs;
    const ContestIndex& m_index;
    const CorrectedTimes& m_times;
    std::int64_t m_window;
    std::vector<std::string> m_knownCalls;  // participants and calls in two or more logs
    std::unique_ptr<NearCallIndex> m_near;
};

// NIL evidence looks this far either side, seconds.
constexpr std::int64_t kEvidenceReach = 3600;
// A stretch of a log this long without a QSO is a hole in it.
constexpr std::int64_t kHoleSeconds = 600;

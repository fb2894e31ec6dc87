// The evidence a participant needs to see beside a lost QSO: for a NIL the nearest candidate
// in the other log, in this order: the same call unpaired within a quarter of an hour (at
// another time, on another band or in another mode), a near call at this time, a hole in
// that log, the same call unpaired further away, the same call already paired with another
// line; or that none lies within an hour. For a UNIQUE the near calls with how many logs
// hold each.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/check/call_similarity.h"
#include "host/check/pairing.h"

class VerdictEvidence {
  public:
    VerdictEvidence(const std::vector<StationLog>& logs, const ContestIndex& index,
                    const CorrectedTimes& times, const QsoLinks& links, std::int64_t window);

    std::string ForNil(std::uint32_t id) const;
    std::string ForUnique(std::uint32_t id) const;

  private:
    const LogQso& QsoOf(std::uint32_t id) const;

    const std::vector<StationLog>& m_logs;
    const ContestIndex& m_index;
    const CorrectedTimes& m_times;
    const QsoLinks& m_links;
    std::int64_t m_window;
    std::vector<std::string> m_knownCalls;  // participants and calls in two or more logs
    std::unique_ptr<NearCallIndex> m_near;
};

// NIL evidence looks this far either side, seconds.
constexpr std::int64_t kEvidenceReach = 3600;
// The same call this close is named before a hole, seconds.
constexpr std::int64_t kCloseSeconds = 900;
// A stretch of a log this long without a QSO is a hole in it.
constexpr std::int64_t kHoleSeconds = 600;

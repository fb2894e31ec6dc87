// The QSOs of all logs in flat form, with every call and band-mode pair interned and the
// QSOs filed by (log, worked call, band and mode): the only lookups the cross-check makes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/check/station_log.h"

struct IndexedQso {
    std::uint32_t log = 0;
    std::uint32_t qso = 0;       // position in its log
    std::uint32_t call = 0;      // interned worked call
    std::uint32_t bandMode = 0;  // interned "band mode"
    std::int64_t seconds = 0;    // logged time
};

struct GroupKey {
    std::uint32_t log;
    std::uint32_t call;
    std::uint32_t bandMode;

    bool operator==(const GroupKey& other) const {
        return log == other.log && call == other.call && bandMode == other.bandMode;
    }
};

struct GroupKeyHash {
    std::size_t operator()(const GroupKey& key) const {
        std::uint64_t h = key.log;
        h = h * 0x9E3779B97F4A7C15ULL + key.call;
        h = h * 0x9E3779B97F4A7C15ULL + key.bandMode;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

class ContestIndex {
  public:
    explicit ContestIndex(const std::vector<StationLog>& logs);

    const std::vector<IndexedQso>& Qsos() const { return m_qsos; }
    // Global position of a log's QSO in Qsos().
    std::uint32_t Id(std::uint32_t log, std::uint32_t qso) const { return m_first[log] + qso; }
    std::uint32_t LogCount() const { return static_cast<std::uint32_t>(m_first.size()); }

    // The interned id of a log's own call.
    std::uint32_t OwnCall(std::uint32_t log) const { return m_ownCall[log]; }
    // The log whose own call has this id, or kNoLog.
    std::uint32_t LogOfCall(std::uint32_t call) const { return m_logOfCall[call]; }
    const std::string& CallText(std::uint32_t call) const { return *m_callTexts[call]; }
    // kNoCall when no QSO or log has this call.
    std::uint32_t FindCall(std::string_view call) const;

    // Global ids of the log's QSOs with that call on that band and mode, in time order.
    const std::vector<std::uint32_t>& Group(std::uint32_t log, std::uint32_t call,
                                            std::uint32_t bandMode) const;
    // Every group, for passes over all of them.
    const std::unordered_map<GroupKey, std::vector<std::uint32_t>, GroupKeyHash>& Groups() const {
        return m_groups;
    }

    // Whether a log other than `log` worked this call.
    bool OtherLogHas(std::uint32_t call, std::uint32_t log) const;

    static constexpr std::uint32_t kNoLog = UINT32_MAX;
    static constexpr std::uint32_t kNoCall = UINT32_MAX;

  private:
    std::uint32_t Intern(const std::string& call);

    std::vector<IndexedQso> m_qsos;
    std::vector<std::uint32_t> m_first;
    std::vector<std::uint32_t> m_ownCall;
    std::unordered_map<std::string, std::uint32_t> m_callIds;
    std::vector<const std::string*> m_callTexts;
    std::vector<std::uint32_t> m_logOfCall;
    // Per call: the first log that worked it and whether a second one did.
    std::vector<std::uint32_t> m_firstLogWith;
    std::vector<bool> m_manyLogsWith;
    std::unordered_map<GroupKey, std::vector<std::uint32_t>, GroupKeyHash> m_groups;
    std::vector<std::uint32_t> m_empty;
};

// The QSOs of all logs in flat form, with every call and band interned and the QSOs filed by
// (log, base of the worked call, band): the lookups the cross-check makes. A call with or
// without a portable part files under one base, so "YO9ABC/P" and "YO9ABC" meet; whether
// the full calls agree is the pairing's to judge.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/check/station_log.h"

struct IndexedQso {
    std::uint32_t log = 0;
    std::uint32_t qso = 0;   // position in its log
    std::uint32_t call = 0;  // interned worked call
    std::uint32_t base = 0;  // interned base of the worked call
    std::uint32_t sent = 0;  // interned call this line says was sent
    std::uint32_t band = 0;  // interned band
    ModeFamilies families = kAnyFamily;
    std::int64_t seconds = 0;  // logged time
    // Position in the order the station made its QSOs: by sent serial when nearly every line
    // has one (a clock set back repeats logged times, and some programs write their logs
    // sorted by time or newest first), else the order of the file.
    std::uint32_t entry = 0;
};

struct GroupKey {
    std::uint32_t log;
    std::uint32_t base;
    std::uint32_t band;

    bool operator==(const GroupKey& other) const {
        return log == other.log && base == other.base && band == other.band;
    }
};

struct GroupKeyHash {
    std::size_t operator()(const GroupKey& key) const {
        std::uint64_t h = key.log;
        h = h * 0x9E3779B97F4A7C15ULL + key.base;
        h = h * 0x9E3779B97F4A7C15ULL + key.band;
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

    // The interned base of a log's own call.
    std::uint32_t OwnBase(std::uint32_t log) const { return m_ownBase[log]; }
    // The log whose station's base call has this id, or kNoLog.
    std::uint32_t LogOfBase(std::uint32_t base) const { return m_logOfBase[base]; }
    const std::string& CallText(std::uint32_t call) const { return *m_callTexts[call]; }
    std::uint32_t CallCount() const { return static_cast<std::uint32_t>(m_callTexts.size()); }
    // kNoCall when no QSO or log has this call.
    std::uint32_t FindCall(std::string_view call) const;
    std::uint32_t BaseOf(std::uint32_t call) const { return m_baseOf[call]; }

    // Global ids of the log's QSOs with that base call on that band, in time order.
    const std::vector<std::uint32_t>& Group(std::uint32_t log, std::uint32_t base,
                                            std::uint32_t band) const;
    const std::unordered_map<GroupKey, std::vector<std::uint32_t>, GroupKeyHash>& Groups() const {
        return m_groups;
    }
    // Global ids of every log's QSOs whose worked call has this base, in time order.
    const std::vector<std::uint32_t>& WorkedBy(std::uint32_t base) const;
    // Global ids of a log's QSOs in time order.
    const std::vector<std::uint32_t>& InTimeOrder(std::uint32_t log) const {
        return m_inTimeOrder[log];
    }

    // How many logs hold this exact call.
    std::uint32_t LogsWith(std::uint32_t call) const { return m_logsWith[call]; }
    // Files every list again in the order of these times (parallel to Qsos()): the logged
    // times with the clocks taken out.
    void SortByTimes(const std::vector<std::int64_t>& times);

    // Whether a log other than `log` worked this call.
    bool OtherLogHas(std::uint32_t call, std::uint32_t log) const;

    static constexpr std::uint32_t kNoLog = UINT32_MAX;
    static constexpr std::uint32_t kNoCall = UINT32_MAX;

  private:
    std::uint32_t Intern(const std::string& call);
    void NumberByEntry(const StationLog& log, std::uint32_t first);

    std::vector<IndexedQso> m_qsos;
    std::vector<std::uint32_t> m_first;
    std::vector<std::uint32_t> m_ownBase;
    std::unordered_map<std::string, std::uint32_t> m_callIds;
    std::vector<const std::string*> m_callTexts;
    std::vector<std::uint32_t> m_baseOf;
    std::vector<std::uint32_t> m_logOfBase;
    // Per call: how many logs hold it and the last log counted.
    std::vector<std::uint32_t> m_logsWith;
    std::vector<std::uint32_t> m_lastLogWith;
    std::unordered_map<GroupKey, std::vector<std::uint32_t>, GroupKeyHash> m_groups;
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> m_workedBy;
    std::vector<std::vector<std::uint32_t>> m_inTimeOrder;
    std::vector<std::uint32_t> m_empty;
};

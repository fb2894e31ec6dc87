// The QSOs of all logs in flat form, with every call and band interned and the QSOs filed by
// (log, base of the worked call, band), by worked call and by log, each in time order, in flat
// sorted arrays: the lookups the cross-check makes. A call with or
// without a portable part files under one base, so "YO9ABC/P" and "YO9ABC" meet; whether
// the full calls agree is the pairing's to judge.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/check/exchange_match.h"
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

// A run of QSO ids stored in the index, in time order.
class IdRange {
  public:
    IdRange() = default;
    IdRange(const std::uint32_t* first, const std::uint32_t* last) : m_first(first), m_last(last) {}
    const std::uint32_t* begin() const { return m_first; }
    const std::uint32_t* end() const { return m_last; }
    std::size_t size() const { return static_cast<std::size_t>(m_last - m_first); }
    bool empty() const { return m_first == m_last; }
    std::uint32_t operator[](std::size_t i) const { return m_first[i]; }

  private:
    const std::uint32_t* m_first = nullptr;
    const std::uint32_t* m_last = nullptr;
};

// The QSOs of one log with one base call on one band.
struct QsoGroup {
    std::uint32_t log;
    std::uint32_t base;
    std::uint32_t band;
    std::uint32_t first;  // range in the index's grouped ids
    std::uint32_t last;
};

class ContestIndex {
  public:
    explicit ContestIndex(const std::vector<StationLog>& logs);

    const std::vector<IndexedQso>& Qsos() const { return m_qsos; }
    // Global position of a log's QSO in Qsos().
    std::uint32_t Id(std::uint32_t log, std::uint32_t qso) const { return m_first[log] + qso; }
    std::uint32_t LogCount() const { return static_cast<std::uint32_t>(m_first.size() - 1); }

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
    IdRange Group(std::uint32_t log, std::uint32_t base, std::uint32_t band) const;
    // Every group, for passes over all of them, and its ids.
    const std::vector<QsoGroup>& Groups() const { return m_groups; }
    IdRange Ids(const QsoGroup& group) const {
        return {m_grouped.data() + group.first, m_grouped.data() + group.last};
    }
    // Global ids of every log's QSOs whose worked call has this base, in time order.
    IdRange WorkedBy(std::uint32_t base) const {
        return {m_byWorked.data() + m_workedStart[base],
                m_byWorked.data() + m_workedStart[base + 1]};
    }
    // Global ids of a log's QSOs in time order.
    IdRange InTimeOrder(std::uint32_t log) const {
        return {m_byTime.data() + m_first[log], m_byTime.data() + m_first[log + 1]};
    }
    // The exchanges of each QSO split into serial and rest, parallel to Qsos().
    const ExchangeParts& SentParts(std::uint32_t id) const { return m_sentParts[id]; }
    const ExchangeParts& ReceivedParts(std::uint32_t id) const { return m_receivedParts[id]; }

    // Files every list again in the order of these times (parallel to Qsos()): the logged
    // times with the clocks taken out.
    void SortByTimes(const std::vector<std::int64_t>& times);

    // How many logs hold this exact call.
    std::uint32_t LogsWith(std::uint32_t call) const { return m_logsWith[call]; }
    // Whether a log other than `log` worked this call.
    bool OtherLogHas(std::uint32_t call, std::uint32_t log) const;

    static constexpr std::uint32_t kNoLog = UINT32_MAX;
    static constexpr std::uint32_t kNoCall = UINT32_MAX;

  private:
    std::uint32_t Intern(const std::string& call);
    void NumberByEntry(const StationLog& log, std::uint32_t first);

    std::vector<IndexedQso> m_qsos;
    std::vector<std::uint32_t> m_first;  // per log, and one past the last
    std::vector<std::uint32_t> m_ownBase;
    std::unordered_map<std::string, std::uint32_t> m_callIds;
    std::vector<const std::string*> m_callTexts;
    std::vector<std::uint32_t> m_baseOf;
    std::vector<std::uint32_t> m_logOfBase;
    // Per call: how many logs hold it and the last log counted.
    std::vector<std::uint32_t> m_logsWith;
    std::vector<std::uint32_t> m_lastLogWith;
    // Ids by (log, base, band, time), the groups over them, and each log's first group.
    std::vector<std::uint32_t> m_grouped;
    std::vector<QsoGroup> m_groups;
    std::vector<std::uint32_t> m_logGroups;
    // Ids by (worked base, time), with each base's start; ids by (log, time).
    std::vector<std::uint32_t> m_byWorked;
    std::vector<std::uint32_t> m_workedStart;
    std::vector<std::uint32_t> m_byTime;
    std::vector<ExchangeParts> m_sentParts;
    std::vector<ExchangeParts> m_receivedParts;
};

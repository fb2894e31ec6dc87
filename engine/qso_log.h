// QsoLog: the ordered list of logged QSOs (g_qsoLog), with hash indexes over
// (call, band, mode) and (prefix, band, mode) kept in step with every change, so the
// duplicate and prefix searches cost the same for a log of any size. Appending extends
// the indexes; taking records out rebuilds them (a removal costs a pass over the log).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/qso_record.h"
#include "engine/record_index.h"

// What admission found out about a record beyond its flags: enough to judge the record
// again by the duplicate rule, and to write its report lines again, without the host's
// arguments. Records appended without notes are never judged again.
struct AdmissionNotes {
    bool judged = false;
    // Band, mode and number rules all held (only such a QSO can be a duplicate).
    bool passesBasicRules = false;
    // The report line up to the finding's tail; kept only for a record with a finding.
    // Judged again after a removal, a record can only stop being a duplicate, never
    // become one, so a record without a finding never needs it later.
    std::string linePrefix;
    // The report lines of the band, mode, number and county findings, in order.
    std::string ruleFindings;
};

// A record with its notes, as taken out of the log and put back.
struct LoggedQso {
    CInfo record;
    AdmissionNotes notes;
};

class QsoLog {
  public:
    size_t size() const { return m_records.size(); }
    bool empty() const { return m_records.empty(); }
    const CInfo& operator[](size_t index) const { return m_records[index]; }
    std::vector<CInfo>::const_iterator begin() const { return m_records.begin(); }
    std::vector<CInfo>::const_iterator end() const { return m_records.end(); }

    const AdmissionNotes& NotesAt(size_t index) const { return m_notes[index]; }

    void Append(const CInfo& record, AdmissionNotes notes = {});
    void Append(LoggedQso&& entry);
    // Takes the records from the index to the end out of the log, in order.
    std::vector<LoggedQso> TakeFrom(size_t index);
    void Clear();

    // True when some record has exactly this call sign, band and mode (case-sensitive).
    bool HasCallOnBandAndMode(const std::string& call, const std::string& band,
                              const std::string& mode) const;
    // True when some record has exactly this prefix, band and mode (case-sensitive).
    bool HasPrefixOnBandAndMode(const std::string& prefix, const std::string& band,
                                const std::string& mode) const;

  private:
    bool Contains(const RecordIndex& index, std::string CInfo::*field, const std::string& first,
                  const std::string& band, const std::string& mode) const;
    // Indexes the record at the index; records are indexed in log order, so each key
    // keeps the position of its first record.
    void IndexAt(size_t index);
    void Reindex();

    std::vector<CInfo> m_records;
    std::vector<AdmissionNotes> m_notes;
    RecordIndex m_callIndex;
    RecordIndex m_prefixIndex;
};

// QsoLog storage and its two search indexes.
#include "engine/qso_log.h"

#include <iterator>

namespace {

// The indexed text besides band and mode: the call sign or the prefix.
using KeyField = std::string CInfo::*;

bool HasKey(const CInfo& record, KeyField field, const std::string& first, const std::string& band,
            const std::string& mode) {
    return record.*field == first && record.m_band == band && record.m_mode == mode;
}

}  // namespace

void QsoLog::Append(const CInfo& record, AdmissionNotes notes) {
    m_records.push_back(record);
    m_notes.push_back(std::move(notes));
    IndexAt(m_records.size() - 1);
}

void QsoLog::Append(LoggedQso&& entry) {
    m_records.push_back(std::move(entry.record));
    m_notes.push_back(std::move(entry.notes));
    IndexAt(m_records.size() - 1);
}

std::vector<LoggedQso> QsoLog::TakeFrom(size_t index) {
    std::vector<LoggedQso> taken;
    if (index >= m_records.size()) {
        return taken;
    }
    taken.reserve(m_records.size() - index);
    for (size_t i = index; i < m_records.size(); ++i) {
        taken.push_back(LoggedQso{std::move(m_records[i]), std::move(m_notes[i])});
    }
    const auto offset = static_cast<std::ptrdiff_t>(index);
    m_records.erase(m_records.begin() + offset, m_records.end());
    m_notes.erase(m_notes.begin() + offset, m_notes.end());
    Reindex();
    return taken;
}

void QsoLog::Clear() {
    m_records.clear();
    m_notes.clear();
    m_callIndex.Clear();
    m_prefixIndex.Clear();
}

bool QsoLog::HasCallOnBandAndMode(const std::string& call, const std::string& band,
                                  const std::string& mode) const {
    return Contains(m_callIndex, &CInfo::m_call, call, band, mode);
}

bool QsoLog::HasPrefixOnBandAndMode(const std::string& prefix, const std::string& band,
                                    const std::string& mode) const {
    return Contains(m_prefixIndex, &CInfo::m_prefix, prefix, band, mode);
}

bool QsoLog::Contains(const RecordIndex& index, std::string CInfo::*field, const std::string& first,
                      const std::string& band, const std::string& mode) const {
    return index.Contains(RecordIndex::Hash(first, band, mode), [&](uint32_t position) {
        return HasKey(m_records[position], field, first, band, mode);
    });
}

void QsoLog::IndexAt(size_t index) {
    const auto position = static_cast<uint32_t>(index);
    const CInfo& added = m_records[index];
    // A plain pair rather than a structured binding: clang does not let a lambda capture
    // a binding before C++20.
    for (const auto& entry : {std::make_pair(&m_callIndex, &CInfo::m_call),
                              std::make_pair(&m_prefixIndex, &CInfo::m_prefix)}) {
        RecordIndex* const table = entry.first;
        const auto field = entry.second;
        const std::string& first = added.*field;
        table->Add(RecordIndex::Hash(first, added.m_band, added.m_mode), position,
                   [&](uint32_t other) {
                       return HasKey(m_records[other], field, first, added.m_band, added.m_mode);
                   });
    }
}

void QsoLog::Reindex() {
    m_callIndex.Clear();
    m_prefixIndex.Clear();
    for (size_t i = 0; i < m_records.size(); ++i) {
        IndexAt(i);
    }
}

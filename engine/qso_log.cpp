// QsoLog storage and its two search indexes.
#include "engine/qso_log.h"

#include <iterator>

namespace {

// An unambiguous key for three texts: the lengths of the first two, then the texts.
std::string IndexKey(const std::string& first, const std::string& band, const std::string& mode) {
    std::string key;
    key.reserve(2 * sizeof(size_t) + first.size() + band.size() + mode.size());
    const size_t lengths[2] = {first.size(), band.size()};
    key.append(reinterpret_cast<const char*>(lengths), sizeof lengths);
    key += first;
    key += band;
    key += mode;
    return key;
}

void AddKey(std::unordered_map<std::string, uint32_t>& counts, std::string key) {
    ++counts[std::move(key)];
}

void DropKey(std::unordered_map<std::string, uint32_t>& counts, const std::string& key) {
    const auto found = counts.find(key);
    if (found != counts.end() && --found->second == 0) {
        counts.erase(found);
    }
}

}  // namespace

void QsoLog::Append(const CInfo& record, AdmissionNotes notes) {
    m_records.push_back(record);
    m_notes.push_back(std::move(notes));
    IndexRecord(m_records.back());
}

void QsoLog::Append(LoggedQso&& entry) {
    m_records.push_back(std::move(entry.record));
    m_notes.push_back(std::move(entry.notes));
    IndexRecord(m_records.back());
}

void QsoLog::RemoveAt(size_t index) {
    if (index >= m_records.size()) {
        return;
    }
    UnindexRecord(m_records[index]);
    const auto offset = static_cast<std::ptrdiff_t>(index);
    m_records.erase(m_records.begin() + offset);
    m_notes.erase(m_notes.begin() + offset);
}

std::vector<LoggedQso> QsoLog::TakeFrom(size_t index) {
    std::vector<LoggedQso> taken;
    if (index >= m_records.size()) {
        return taken;
    }
    taken.reserve(m_records.size() - index);
    for (size_t i = index; i < m_records.size(); ++i) {
        UnindexRecord(m_records[i]);
        taken.push_back(LoggedQso{std::move(m_records[i]), std::move(m_notes[i])});
    }
    const auto offset = static_cast<std::ptrdiff_t>(index);
    m_records.erase(m_records.begin() + offset, m_records.end());
    m_notes.erase(m_notes.begin() + offset, m_notes.end());
    return taken;
}

void QsoLog::Clear() {
    m_records.clear();
    m_notes.clear();
    m_callKeys.clear();
    m_prefixKeys.clear();
}

bool QsoLog::HasCallOnBandAndMode(const std::string& call, const std::string& band,
                                  const std::string& mode) const {
    return m_callKeys.count(IndexKey(call, band, mode)) != 0;
}

bool QsoLog::HasPrefixOnBandAndMode(const std::string& prefix, const std::string& band,
                                    const std::string& mode) const {
    return m_prefixKeys.count(IndexKey(prefix, band, mode)) != 0;
}

void QsoLog::IndexRecord(const CInfo& record) {
    AddKey(m_callKeys, IndexKey(record.m_call, record.m_band, record.m_mode));
    AddKey(m_prefixKeys, IndexKey(record.m_prefix, record.m_band, record.m_mode));
}

void QsoLog::UnindexRecord(const CInfo& record) {
    DropKey(m_callKeys, IndexKey(record.m_call, record.m_band, record.m_mode));
    DropKey(m_prefixKeys, IndexKey(record.m_prefix, record.m_band, record.m_mode));
}

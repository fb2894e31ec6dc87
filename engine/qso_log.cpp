// QsoLog storage.
#include "engine/qso_log.h"

void QsoLog::Append(const CInfo& record) {
    m_records.push_back(record);
}

void QsoLog::RemoveAt(size_t index) {
    if (index < m_records.size()) {
        m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void QsoLog::Clear() {
    m_records.clear();
}

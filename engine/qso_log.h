// QsoLog: the ordered list of logged QSOs (g_qsoLog).
#pragma once

#include <cstddef>
#include <vector>

#include "engine/qso_record.h"

class QsoLog {
  public:
    size_t size() const { return m_records.size(); }
    bool empty() const { return m_records.empty(); }
    const CInfo& operator[](size_t index) const { return m_records[index]; }
    std::vector<CInfo>::const_iterator begin() const { return m_records.begin(); }
    std::vector<CInfo>::const_iterator end() const { return m_records.end(); }

    void Append(const CInfo& record);
    // Removes the record at the index; later records move down one place.
    void RemoveAt(size_t index);
    void Clear();

  private:
    std::vector<CInfo> m_records;
};

// CInfo: one logged QSO as the engine keeps it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/date_time.h"

class CInfo {
  public:
    CInfo() = default;
    CInfo(const CInfo& other) { *this = other; }
    // Copies every field except m_spare, which stays as it was (0 for a new record).
    CInfo& operator=(const CInfo& other);
    ~CInfo() = default;

    std::string m_call;
    std::string m_prefix;
    std::string m_extra;
    std::string m_band;
    std::string m_mode;
    std::string m_rstRcvd;
    std::string m_rstSent;
    std::string m_exchRcvd;
    std::string m_exchSent;
    std::string m_county;
    int32_t m_invalid = 0;
    uint32_t m_freqKHz = 0;
    int32_t m_dupe = 0;
    std::array<int32_t, 5> m_reserved = {-1, -1, -1, -1, -1};
    int32_t m_rejected = 0;
    DateTime m_time = {0.0, kDateValid};
    int32_t m_spare = 0;
};

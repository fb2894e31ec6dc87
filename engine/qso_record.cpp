// CInfo copy rule.
#include "engine/qso_record.h"

CInfo& CInfo::operator=(const CInfo& other) {
    if (this == &other) {
        return *this;
    }
    m_call = other.m_call;
    m_prefix = other.m_prefix;
    m_extra = other.m_extra;
    m_band = other.m_band;
    m_mode = other.m_mode;
    m_rstRcvd = other.m_rstRcvd;
    m_rstSent = other.m_rstSent;
    m_exchRcvd = other.m_exchRcvd;
    m_exchSent = other.m_exchSent;
    m_county = other.m_county;
    m_invalid = other.m_invalid;
    m_freqKHz = other.m_freqKHz;
    m_dupe = other.m_dupe;
    m_reserved = other.m_reserved;
    m_rejected = other.m_rejected;
    m_time = other.m_time;
    return *this;
}

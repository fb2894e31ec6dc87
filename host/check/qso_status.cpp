// Status names and which statuses the final score keeps.
#include "host/check/qso_status.h"

const char* StatusName(QsoStatus status) {
    switch (status) {
        case QsoStatus::Ok:
            return "OK";
        case QsoStatus::BustedExchange:
            return "BUSTED_EXCHANGE";
        case QsoStatus::BustedCall:
            return "BUSTED_CALL";
        case QsoStatus::Nil:
            return "NIL";
        case QsoStatus::Unique:
            return "UNIQUE";
        case QsoStatus::NoLog:
            return "NO_LOG";
        case QsoStatus::OutOfPeriod:
            return "OUT_OF_PERIOD";
        case QsoStatus::Unreadable:
            return "UNREADABLE";
    }
    return "?";
}

bool KeptForFinalScore(QsoStatus status) {
    return status == QsoStatus::Ok || status == QsoStatus::Unique || status == QsoStatus::NoLog;
}

bool StatusOfName(std::string_view name, QsoStatus* status) {
    for (int i = 0; i < kQsoStatusCount; ++i) {
        if (name == StatusName(static_cast<QsoStatus>(i))) {
            *status = static_cast<QsoStatus>(i);
            return true;
        }
    }
    return false;
}

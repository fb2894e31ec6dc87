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
    }
    return "?";
}

bool KeptForFinalScore(QsoStatus status) {
    return status == QsoStatus::Ok || status == QsoStatus::Unique || status == QsoStatus::NoLog;
}

// Formatting of reader errors.
#include "host/common/log_qso.h"

std::string InputError::Format() const {
    std::string text = file + ": ";
    if (!where.empty()) {
        text += where;
        text += field.empty() ? ": " : ", ";
    }
    if (!field.empty()) {
        text += "field " + field + ": ";
    }
    return text + message;
}

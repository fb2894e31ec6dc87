// Formatting and counting of reader errors.
#include "host/common/log_qso.h"

std::string InputError::Format() const {
    std::string place;
    if (line > 0) {
        place = "line " + std::to_string(line);
    }
    if (!where.empty()) {
        place += (place.empty() ? "" : ", ") + where;
    }
    if (!call.empty()) {
        place += (place.empty() ? "(" : " (") + call + ")";
    }
    if (!field.empty()) {
        place += (place.empty() ? "field " : ", field ") + field;
    }
    return file + ": " + (place.empty() ? "" : place + ": ") + message;
}

void InputErrors::Add(InputError error) {
    if (listed.size() < kListedInputErrors) {
        listed.push_back(std::move(error));
    }
    ++total;
}

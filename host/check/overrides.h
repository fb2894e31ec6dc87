// The organizer's rulings: a CSV file of `log,line,status,reason` rows, each setting the
// verdict of one QSO line after the check. A ruling that matches no line is an error, so
// that a rerun after a correction (a renamed log, renumbered lines) never drops one silently.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/check/cross_check.h"
#include "host/check/qso_status.h"

struct Override {
    std::string log;  // the station's call, or the log's file name
    std::size_t line = 0;
    QsoStatus status = QsoStatus::Ok;
    std::string reason;
    std::size_t row = 0;  // line of the overrides file, for messages
};

// Parses the file's text; false with the first fault, naming the row.
bool ParseOverrides(const std::string& text, const std::string& fileName,
                    std::vector<Override>* overrides, std::string* error);

// Sets the rulings' statuses; false with every ruling that matched no QSO line named.
bool ApplyOverrides(const std::vector<Override>& overrides, const std::vector<StationLog>& logs,
                    std::vector<StationFindings>* findings, std::string* error);

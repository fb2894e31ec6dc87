// Rejected-QSO report file name and first line.
#include "engine/rejected_report.h"

#include "platform/files.h"

std::string RejectedReportName(const DateTime& secondDate) {
    return "BadQSO_StatsSarnet_" + FormatDateTime(secondDate, "%d_%m_%Y") + ".txt";
}

bool StartRejectedReport(const std::string& path) {
    return WriteNewFile(path, kReportFirstLine);
}

bool AppendToRejectedReport(const std::string& path, const std::string& lines) {
    if (path.empty()) {
        return false;
    }
    // An existing report needs no write when there is nothing to add.
    if (lines.empty() && PathExists(path)) {
        return true;
    }
    return AppendToFile(path, lines, kReportFirstLine);
}

// Rejected-QSO report file name and first line.
#include "engine/rejected_report.h"

#include "platform/files.h"

std::string RejectedReportName(const DateTime& secondDate) {
    return "BadQSO_StatsSarnet_" + FormatDateTime(secondDate, "%d_%m_%Y") + ".txt";
}

bool StartRejectedReport(const std::string& path) {
    return WriteNewFile(path, kReportFirstLine);
}

// The standalone HTML page of --report, the operator's look after the contest: the summary
// table, QSO rate and score over time, the counties as a grid like the status window's, the
// DXCC prefixes worked and the rejected QSOs. No script, no network resource.
#pragma once

#include <string>
#include <vector>

#include "host/common/summary_reader.h"
#include "host/score/rejected_report.h"
#include "host/score/rate_tally.h"
#include "host/score/worked_tally.h"

struct ReportPageInput {
    SummaryFigures summary;
    std::string logName;
    RateTally rates;
    bool ratesAgree = true;                // the rate tally counts what the summary counts
    std::vector<std::string> countyCodes;  // every code the plug-in accepts, in grid order
    WorkedTally worked;
    std::vector<RejectedQso> rejected;
    std::vector<std::string> notes;  // what the host tidied and warned about
};

std::string BuildReportPage(const ReportPageInput& input);

// Why a log scored nothing, in words the operator can act on.
#pragma once

#include <string>
#include <vector>

#include "host/common/log_qso.h"
#include "host/score/rejected_report.h"

// When the plug-in counted none of the QSOs fed (`countedQsos` from its summary): the
// findings of its report by kind, and the sent and received exchanges the log lacks, which
// the plug-in needs on every QSO. Empty when some QSO counted or none was fed.
std::vector<std::string> ZeroScoreReasons(const std::vector<LogQso>& qsos,
                                          const std::vector<RejectedQso>& findings,
                                          long countedQsos);

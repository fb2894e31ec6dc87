// The answers to --check and --exchange in words: the plug-in's call check and exchange
// validation asked after the log, as the logging program asks while the operator types.
#pragma once

#include <string>
#include <vector>

#include "host/common/cty_database.h"
#include "host/common/log_qso.h"
#include "host/common/plugin_loader.h"
#include "host/score/worked_tally.h"

// "YO9LQA: duplicate: worked 18:37 UTC on 80m", "DL1XYZ: new DXCC prefix DL"... The call is
// asked on 80 m in BPSK31, the contest's band and mode; qsos are the QSOs fed.
std::string AnswerCallCheck(const StatsEntryPoints& plugin, const std::string& call,
                            const CtyDatabase& cty, const std::vector<LogQso>& qsos, bool verbose);

// "012BV from YO: valid, new county BV", "599 from DL: invalid"...
std::string AnswerExchange(const StatsEntryPoints& plugin, const std::string& exchange,
                           const std::string& prefix, const std::vector<std::string>& countyCodes,
                           const WorkedTally& worked, bool verbose);

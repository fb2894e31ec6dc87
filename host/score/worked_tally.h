// What the scoring QSOs worked, for the report page and the --exchange answers: QSOs per
// county code and per DXCC prefix, and the county codes the plug-in accepts.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/common/log_qso.h"
#include "host/common/plugin_loader.h"

// The DXCC prefix of the home country, whose stations send a county code.
constexpr const char* kHomePrefix = "YO";

struct PrefixCount {
    std::string prefix;
    std::string entity;
    long qsos = 0;
};

struct WorkedTally {
    std::map<std::string, long> countyQsos;  // county code -> scoring QSOs
    std::vector<PrefixCount> prefixes;       // most QSOs first, then by prefix
};

// rejected[i] tells whether qsos[i] drew a finding of the plug-in. The county of a scoring
// home-country QSO is the one the plug-in counts: the last two characters of the received
// exchange, upper-cased and trimmed.
WorkedTally TallyWorked(const std::vector<LogQso>& qsos, const std::vector<bool>& rejected);

// The county codes in alphabetical order, asked of the plug-in's exchange validation: a
// two-letter exchange from a home-country station is valid exactly when it is a county code.
std::vector<std::string> CountyCodes(const StatsEntryPoints& plugin);

// The county text of a received exchange from a home-country station, as the plug-in derives
// it: the last two characters, upper-cased and trimmed (a county code or not).
std::string CountyText(const std::string& exchange);

// The county a received exchange from a home-country station names; empty when the county
// text is none of the codes.
std::string CountyOf(const std::string& exchange, const std::vector<std::string>& codes);

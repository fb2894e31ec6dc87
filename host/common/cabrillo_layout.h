// Where the parts of a Cabrillo log's QSO lines stand. Loggers lay the sent and received
// exchanges out in many ways (an RST or none, names, serials, slashes, district codes, a
// transmitter id, comments after the line), so the worked call of each line is found from
// the whole log: the call-sign shape of its tokens, the column or position where the log's
// other lines have their worked call, and the sent exchange's constant parts, which repeat on
// every line and are never the worked call.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct CabrilloToken {
    std::string_view text;
    std::size_t column = 0;  // where it starts in its line, tabs expanded to every 8th column
};

// The tokens of one QSO line after "QSO:": frequency, mode, date, time, then the rest.
using CabrilloQsoTokens = std::vector<CabrilloToken>;

// The tokens of a line, blank- or tab-separated, with their columns.
CabrilloQsoTokens TokensOfQsoLine(std::string_view line);

// How one QSO line splits; indices into its tokens.
struct CabrilloSplit {
    bool hasSentCall = false;     // the sent call stands at index 4
    std::size_t sentFirst = 0;    // the sent exchange (RST included) is [sentFirst, workedCall)
    std::size_t workedCall = 0;   // 0 when the line has no worked call
    std::size_t receivedEnd = 0;  // the received exchange is (workedCall, receivedEnd)
    bool sentRst = false;         // the sent exchange opens with an RST
    bool receivedRst = false;
    // Why the worked call is a guess; empty when the log's layout decides it.
    std::string doubt;
    // Words after the received exchange that are not part of it ("dupe"), for a note.
    std::string ignored;
};

// Splits every line of one log. `headerCall` is the log's CALLSIGN: (may be empty). Every
// line has at least five tokens.
std::vector<CabrilloSplit> SplitQsoLines(const std::vector<CabrilloQsoTokens>& lines,
                                         std::string_view headerCall);

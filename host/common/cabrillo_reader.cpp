// Line-based Cabrillo reading: the header lines that name the station and the mode, the QSO
// lines split as the log lays them out.
#include "host/common/cabrillo_reader.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "host/common/automation_date.h"
#include "host/common/band_plan.h"
#include "host/common/cabrillo_layout.h"
#include "host/common/mode_family.h"
#include "host/common/station_call.h"
#include "host/common/text_util.h"

namespace {

constexpr std::size_t kSentCall = 4;

bool StartsWithTag(std::string_view line, std::string_view tag) {
    return line.size() >= tag.size() && Upper(line.substr(0, tag.size())) == tag;
}

std::string Joined(const CabrilloQsoTokens& tokens, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        if (!text.empty()) {
            text += ' ';
        }
        text += tokens[i].text;
    }
    return text;
}

// CATEGORY-MODE: RTTY (3.0), a CATEGORY: naming RTTY (2.0) or a contest named for RTTY: the
// log's RY QSOs are RTTY ones.
bool SaysRtty(std::string_view line) {
    for (const std::string_view tag : {"CATEGORY-MODE:", "CATEGORY:", "CONTEST:"}) {
        if (StartsWithTag(line, tag)) {
            return Upper(line.substr(tag.size())).find("RTTY") != std::string::npos;
        }
    }
    return false;
}

struct QsoLine {
    std::size_t number = 0;
    CabrilloQsoTokens tokens;
};

// The frequency, mode, date and time of a line; an error names the field.
std::optional<InputError> ReadFixedFields(const CabrilloQsoTokens& tokens, bool rttyLog,
                                          LogQso* qso) {
    const std::string_view freq = tokens[0].text;
    if (freq.empty() || freq.find_first_not_of("0123456789") != std::string_view::npos ||
        freq.size() > 7) {
        return InputError{"", "", "frequency", Shown(freq) + " is not a frequency in kHz"};
    }
    std::uint64_t khz = 0;
    for (const char digit : freq) {
        khz = khz * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    // Beyond what the plug-in's frequency holds is no frequency, as in an ADIF log.
    const std::uint64_t hertz = khz * 1000;
    qso->frequencyHz = hertz > UINT32_MAX ? 0 : static_cast<std::uint32_t>(hertz);
    qso->band = BandOfFrequency(qso->frequencyHz);
    qso->loggedMode = std::string(tokens[1].text);
    qso->modeFamilies = ModeFamiliesOf(tokens[1].text, "", rttyLog);
    qso->mode = ContestMode(tokens[1].text, "", qso->modeFamilies);
    std::optional<CivilTime> time = ParseDate(tokens[2].text);
    if (!time || tokens[2].text.size() != 10) {
        return InputError{"", "", "date", Shown(tokens[2].text) + " is not a YYYY-MM-DD date"};
    }
    // Some loggers write the seconds too (HHMMSS); the time is still plain.
    if (!ParseTimeOfDay(tokens[3].text, &*time)) {
        return InputError{"", "", "time", Shown(tokens[3].text) + " is not an HHMM time"};
    }
    qso->days = ToAutomationDate(*time);
    return std::nullopt;
}

// Something several lines of a log share that the operator is told once: the first line, what
// it held, and how many lines hold the like ("dupe" after the received exchange, a time with
// seconds).
struct LinesAlike {
    std::size_t firstLine = 0;
    std::string firstWords;
    std::size_t lines = 0;

    void Add(std::size_t line, const std::string& words) {
        if (lines++ == 0) {
            firstLine = line;
            firstWords = words;
        }
    }
};

}  // namespace

bool LooksLikeCabrillo(std::string_view bytes) {
    bytes = WithoutByteOrderMark(bytes);
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return false;
    }
    return StartsWithTag(bytes.substr(first), "START-OF-LOG:") ||
           StartsWithTag(bytes.substr(first), "QSO:");
}

LogReadResult ParseCabrillo(std::string_view bytes, const std::string& fileName) {
    bytes = WithoutByteOrderMark(bytes);
    LogReadResult result;
    result.format = LogFormat::Cabrillo;
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        result.errors.Add(InputError{fileName, "", "", "the file is empty"});
        return result;
    }
    std::vector<QsoLine> lines;
    bool rttyLog = false;
    std::size_t lineNumber = 0;
    for (const std::string_view line : Lines(bytes)) {
        ++lineNumber;
        rttyLog = rttyLog || SaysRtty(line);
        if (StartsWithTag(line, "CALLSIGN:")) {
            const CabrilloQsoTokens tokens = TokensOfQsoLine(line.substr(9));
            if (!tokens.empty()) {
                result.ownCall = std::string(tokens.front().text);
                result.ownCallLine = lineNumber;
            }
        } else if (StartsWithTag(line, "QSO:")) {
            CabrilloQsoTokens tokens = TokensOfQsoLine(line.substr(4));
            if (tokens.size() < 6) {
                static constexpr const char* kColumns[] = {"frequency", "mode",      "date",
                                                           "time",      "sent call", "call"};
                result.errors.Add(InputError{
                    fileName, "", kColumns[tokens.size()],
                    "a QSO line needs frequency, mode, date, time, the sent call and exchange and "
                    "the received call and exchange (" +
                        std::to_string(tokens.size()) + " fields found)",
                    lineNumber});
                continue;
            }
            lines.push_back({lineNumber, std::move(tokens)});
        }
    }

    std::vector<CabrilloQsoTokens> tokens;
    tokens.reserve(lines.size());
    for (QsoLine& line : lines) {
        tokens.push_back(std::move(line.tokens));
    }
    const std::vector<CabrilloSplit> splits = SplitQsoLines(tokens, result.ownCall);
    LinesAlike ignored;
    LinesAlike withSeconds;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const CabrilloQsoTokens& parts = tokens[i];
        const CabrilloSplit& split = splits[i];
        const std::size_t lineNo = lines[i].number;
        const std::string callShown =
            split.workedCall != 0 ? Printable(parts[split.workedCall].text) : std::string();
        auto fail = [&](const std::string& field, const std::string& message) {
            result.errors.Add(InputError{fileName, "", field, message, lineNo, callShown});
        };
        LogQso qso;
        qso.recordNumber = lineNo;
        if (std::optional<InputError> error = ReadFixedFields(parts, rttyLog, &qso)) {
            fail(error->field, error->message);
            continue;
        }
        if (parts[3].text.size() == 6) {
            withSeconds.Add(lineNo, std::string(parts[3].text));
        }
        if (split.workedCall == 0) {
            fail("call",
                 "no part after the sent exchange is a call sign: the worked call is missing");
            continue;
        }
        // Parts hold no blank or tab: a call that is no call text has a control or
        // non-ASCII byte.
        const std::size_t unreadable =
            split.hasSentCall && !IsCallText(parts[kSentCall].text) ? kSentCall
            : !IsCallText(parts[split.workedCall].text)             ? split.workedCall
                                                                    : 0;
        if (unreadable != 0) {
            fail("call", Shown(parts[unreadable].text) + " is not a call sign (non-ASCII byte)");
            continue;
        }
        if (!split.doubt.empty()) {
            result.warnings.Add(InputError{fileName, "", "call", split.doubt, lineNo, callShown});
        }
        if (!split.ignored.empty()) {
            ignored.Add(lineNo, split.ignored);
        }
        if (split.hasSentCall) {
            qso.ownCall = std::string(parts[kSentCall].text);
            qso.ownCallField = "sent call";
        }
        qso.call = std::string(parts[split.workedCall].text);
        const std::size_t sentExchange = split.sentFirst + (split.sentRst ? 1 : 0);
        if (split.sentRst) {
            qso.rstSent = std::string(parts[split.sentFirst].text);
        }
        qso.exchSent = Joined(parts, sentExchange, split.workedCall);
        const std::size_t receivedExchange = split.workedCall + 1 + (split.receivedRst ? 1 : 0);
        if (split.receivedRst) {
            qso.rstRcvd = std::string(parts[split.workedCall + 1].text);
        }
        qso.exchRcvd = Joined(parts, receivedExchange, split.receivedEnd);
        result.qsos.push_back(std::move(qso));
    }
    const auto warnOnce = [&](const LinesAlike& alike, const char* field, const std::string& what) {
        if (alike.lines == 0) {
            return;
        }
        result.warnings.Add(InputError{
            fileName, "", field,
            Shown(alike.firstWords) + what +
                (alike.lines > 1
                     ? " (and on " + std::to_string(alike.lines - 1) + " more lines alike)"
                     : std::string()),
            alike.firstLine});
    };
    warnOnce(ignored, "", " after the received exchange is taken for a comment, not a part of it");
    warnOnce(withSeconds, "time", " is a time with seconds (HHMMSS), read as such");
    if (result.qsos.empty() && !result.errors.Any()) {
        result.errors.Add(InputError{fileName, "", "", "no QSO: lines in this Cabrillo log"});
    }
    return result;
}

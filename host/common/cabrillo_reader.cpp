// Line-based Cabrillo reading; header lines other than CALLSIGN: are not needed to score.
#include "host/common/cabrillo_reader.h"

#include <cctype>
#include <cstdint>
#include <vector>

#include "host/common/automation_date.h"
#include "host/common/band_plan.h"
#include "host/common/station_call.h"
#include "host/common/text_util.h"

namespace {

std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (true) {
        pos = line.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t end = line.find_first_of(" \t", pos);
        tokens.push_back(line.substr(pos, end - pos));
        if (end == std::string_view::npos) {
            break;
        }
        pos = end;
    }
    return tokens;
}

bool StartsWithTag(std::string_view line, std::string_view tag) {
    return line.size() >= tag.size() && Upper(line.substr(0, tag.size())) == tag;
}

std::string Joined(const std::vector<std::string_view>& parts, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        if (!text.empty()) {
            text += ' ';
        }
        text += parts[i];
    }
    return text;
}

std::string CabrilloMode(std::string_view mode) {
    const std::string upper = Upper(mode);
    if (upper == "RY" || upper == "DG" || upper == "PSK31" || upper == "BPSK31") {
        return "BPSK31";
    }
    return std::string(mode);
}

// A call sign has a letter somewhere before a digit ("YO3ABC", "9A1AA", "DL/YO9X");
// exchanges such as "012BV" or "599" do not.
bool LooksLikeCall(std::string_view token) {
    const std::size_t letter =
        token.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return letter != std::string_view::npos &&
           token.find_first_of("0123456789", letter) != std::string_view::npos;
}

// Where the received half starts (0 when it cannot be told). Halves of equal length are
// the rule; otherwise the received call is the first call-like part after the sent call
// and at least one sent exchange part.
std::size_t ReceivedCallIndex(const std::vector<std::string_view>& tokens) {
    const std::size_t parts = tokens.size() - 4;
    if (parts % 2 == 0 && LooksLikeCall(tokens[4 + parts / 2])) {
        return 4 + parts / 2;
    }
    for (std::size_t i = 6; i + 1 < tokens.size(); ++i) {
        if (LooksLikeCall(tokens[i])) {
            return i;
        }
    }
    return 0;
}

}  // namespace

bool LooksLikeCabrillo(std::string_view bytes) {
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return false;
    }
    return StartsWithTag(bytes.substr(first), "START-OF-LOG:") ||
           StartsWithTag(bytes.substr(first), "QSO:");
}

LogReadResult ParseCabrillo(std::string_view bytes, const std::string& fileName) {
    LogReadResult result;
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        result.errors.Add(InputError{fileName, "", "", "the file is empty"});
        return result;
    }
    std::size_t lineNumber = 0;
    for (const std::string_view line : Lines(bytes)) {
        ++lineNumber;
        std::string callShown;
        auto fail = [&](const char* field, const std::string& message) {
            result.errors.Add(InputError{fileName, "", field, message, lineNumber, callShown});
        };
        if (StartsWithTag(line, "CALLSIGN:")) {
            const auto tokens = Tokens(line.substr(9));
            if (!tokens.empty()) {
                result.ownCall = std::string(tokens.front());
            }
            continue;
        }
        if (!StartsWithTag(line, "QSO:")) {
            continue;
        }
        std::vector<std::string_view> tokens = Tokens(line.substr(4));
        if (tokens.size() >= 4 && (tokens.size() - 4) % 2 == 1 && tokens.back().size() == 1 &&
            std::isdigit(static_cast<unsigned char>(tokens.back()[0])) != 0) {
            tokens.pop_back();
        }
        if (tokens.size() < 8) {
            fail("",
                 "a QSO line needs frequency, mode, date, time and the sent and received call "
                 "and exchange (" +
                     std::to_string(tokens.size()) + " fields found)");
            continue;
        }
        LogQso qso;
        qso.recordNumber = lineNumber;
        const std::string_view freq = tokens[0];
        const std::size_t rcvd = ReceivedCallIndex(tokens);
        if (rcvd != 0) {
            callShown = Printable(tokens[rcvd]);
        }
        if (freq.empty() || freq.find_first_not_of("0123456789") != std::string_view::npos ||
            freq.size() > 7) {
            fail("frequency", Shown(freq) + " is not a frequency in kHz");
            continue;
        }
        std::uint64_t khz = 0;
        for (const char digit : freq) {
            khz = khz * 10 + static_cast<std::uint64_t>(digit - '0');
        }
        // Beyond what the plug-in's frequency holds is no frequency, as in an ADIF log.
        const std::uint64_t hertz = khz * 1000;
        qso.frequencyHz = hertz > UINT32_MAX ? 0 : static_cast<std::uint32_t>(hertz);
        qso.band = BandOfFrequency(qso.frequencyHz);
        qso.mode = CabrilloMode(tokens[1]);
        std::optional<CivilTime> time = ParseDate(tokens[2]);
        if (!time || tokens[2].size() != 10) {
            fail("date", Shown(tokens[2]) + " is not a YYYY-MM-DD date");
            continue;
        }
        if (tokens[3].size() != 4 || !ParseTimeOfDay(tokens[3], &*time)) {
            fail("time", Shown(tokens[3]) + " is not an HHMM time");
            continue;
        }
        qso.days = ToAutomationDate(*time);
        const std::size_t sent = 4;
        if (rcvd == 0) {
            fail("", "cannot tell the sent from the received half of the QSO line");
            continue;
        }
        const std::size_t sentParts = rcvd - sent;
        const std::size_t rcvdParts = tokens.size() - rcvd;
        // Parts hold no blank or tab: a call that is no call text has a control or
        // non-ASCII byte.
        const std::size_t unreadable = !IsCallText(tokens[sent])   ? sent
                                       : !IsCallText(tokens[rcvd]) ? rcvd
                                                                   : 0;
        if (unreadable != 0) {
            fail("call", Shown(tokens[unreadable]) + " is not a call sign (non-ASCII byte)");
            continue;
        }
        qso.ownCall = std::string(tokens[sent]);
        qso.call = std::string(tokens[rcvd]);
        if (sentParts >= 3) {
            qso.rstSent = std::string(tokens[sent + 1]);
        }
        if (rcvdParts >= 3) {
            qso.rstRcvd = std::string(tokens[rcvd + 1]);
        }
        qso.exchSent = Joined(tokens, sent + (sentParts >= 3 ? 2 : 1), rcvd);
        qso.exchRcvd = Joined(tokens, rcvd + (rcvdParts >= 3 ? 2 : 1), tokens.size());
        result.qsos.push_back(std::move(qso));
    }
    if (result.errors.Any()) {
        result.qsos.clear();
    } else if (result.qsos.empty()) {
        result.errors.Add(InputError{fileName, "", "", "no QSO: lines in this Cabrillo log"});
    }
    return result;
}

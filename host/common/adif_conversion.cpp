// ADIF field mapping. CALL, QSO_DATE and TIME_ON are required; everything else may be
// missing and then reaches the plug-in as empty text (which it reports as it should).
#include "host/common/adif_conversion.h"

#include <cctype>
#include <cstdint>
#include <optional>

#include "host/common/automation_date.h"
#include "host/common/band_plan.h"
#include "host/common/mode_family.h"
#include "host/common/station_call.h"
#include "host/common/text_util.h"

namespace {

std::string Value(const AdifRecord& record, std::string_view name) {
    const std::string* value = record.Find(name);
    return value != nullptr ? Trim(*value) : std::string();
}

// The first of the named fields that is present and not blank.
std::string FirstValue(const AdifRecord& record, std::string_view first, std::string_view second) {
    std::string value = Value(record, first);
    return value.empty() ? Value(record, second) : value;
}

// 1000 MHz: no short-wave frequency given in megahertz comes near it.
constexpr std::uint64_t kKilohertzFrequencyHz = 1000000000;

}  // namespace

bool ParseMegahertz(std::string_view text, std::uint64_t* hertz) {
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    const auto digitsOnly = [](std::string_view digits) {
        return digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if ((whole.empty() && fraction.empty()) || !digitsOnly(whole) || !digitsOnly(fraction)) {
        return false;
    }
    std::uint64_t value = 0;
    for (char c : whole) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 1000000) {
            *hertz = 0;
            return true;
        }
    }
    std::uint64_t micro = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        micro =
            micro * 10 + (i < fraction.size() ? static_cast<std::uint64_t>(fraction[i] - '0') : 0);
    }
    *hertz = value * 1000000 + micro;
    return true;
}

std::optional<InputError> ConvertAdifRecord(const AdifRecord& record, const std::string& fileName,
                                            LogQso* out) {
    LogQso qso;
    qso.recordNumber = record.number;
    qso.call = Value(record, "CALL");
    const auto fail = [&](const char* field, const std::string& message) {
        return InputError{fileName,    "record " + std::to_string(record.number),
                          field,       message,
                          record.line, Printable(qso.call)};
    };
    if (qso.call.empty()) {
        return fail("CALL", "missing");
    }
    if (!IsCallText(qso.call)) {
        return fail("CALL", Shown(qso.call) + " is not a call sign (blank or non-ASCII byte)");
    }
    const std::string dateText = Value(record, "QSO_DATE");
    std::optional<CivilTime> time = ParseDate(dateText);
    if (dateText.empty() || dateText.size() != 8 || !time) {
        return fail("QSO_DATE",
                    dateText.empty() ? "missing" : Shown(dateText) + " is not a YYYYMMDD date");
    }
    const std::string timeText = Value(record, "TIME_ON");
    if (!ParseTimeOfDay(timeText, &*time)) {
        return fail("TIME_ON",
                    timeText.empty() ? "missing" : Shown(timeText) + " is not HHMM or HHMMSS");
    }
    qso.days = ToAutomationDate(*time);

    const std::string freqText = Value(record, "FREQ");
    std::uint64_t hertz = 0;
    if (!freqText.empty() && !ParseMegahertz(freqText, &hertz)) {
        return fail("FREQ", Shown(freqText) + " is not a frequency in MHz");
    }
    qso.band = Lower(Value(record, "BAND"));
    // Some loggers write FREQ in kHz. Read as megahertz, a short-wave frequency in kHz lies
    // above 1000; read as kHz it falls in a short-wave band.
    if (hertz >= kKilohertzFrequencyHz && (qso.band.empty() || IsShortWaveBand(qso.band)) &&
        IsShortWaveBand(BandOfFrequency(hertz / 1000))) {
        hertz /= 1000;
        qso.frequencyWasKilohertz = true;
    }
    qso.frequencyHz = hertz > UINT32_MAX ? 0 : static_cast<std::uint32_t>(hertz);
    if (qso.band.empty()) {
        qso.band = BandOfFrequency(qso.frequencyHz);
    }
    const std::string mode = Value(record, "MODE");
    const std::string submode = Value(record, "SUBMODE");
    qso.loggedMode = LoggedModeText(mode, submode);
    qso.modeFamilies = ModeFamiliesOf(mode, submode, false);
    qso.mode = ContestMode(mode, submode, qso.modeFamilies);
    qso.rstSent = Value(record, "RST_SENT");
    qso.rstRcvd = Value(record, "RST_RCVD");
    qso.exchSent = FirstValue(record, "STX_STRING", "STX");
    qso.exchRcvd = FirstValue(record, "SRX_STRING", "SRX");
    qso.ownCall = Value(record, "STATION_CALLSIGN");
    qso.ownCallField = "STATION_CALLSIGN";
    if (qso.ownCall.empty()) {
        qso.ownCall = Value(record, "OPERATOR");
        qso.ownCallField = "OPERATOR";
    }
    *out = std::move(qso);
    return std::nullopt;
}

LogReadResult ConvertAdifRecords(const AdifParseResult& parsed, const std::string& fileName) {
    LogReadResult result;
    for (const AdifRecord& record : parsed.records) {
        LogQso qso;
        if (auto error = ConvertAdifRecord(record, fileName, &qso)) {
            result.errors.Add(std::move(*error));
        } else {
            result.qsos.push_back(std::move(qso));
        }
    }
    if (parsed.error) {
        result.errors.Add(*parsed.error);
    }
    result.warnings = parsed.warnings;
    return result;
}

LogReadResult ReadAdifLog(std::string_view bytes, const std::string& fileName) {
    LogReadResult result;
    // Every record ends in <EOR>: counting them first spares the log's vector its regrowth.
    std::size_t records = 0;
    for (std::size_t pos = bytes.find('>'); pos != std::string_view::npos;
         pos = bytes.find('>', pos + 1)) {
        records +=
            pos >= 4 && (bytes[pos - 1] == 'R' || bytes[pos - 1] == 'r') && bytes[pos - 4] == '<';
    }
    result.qsos.reserve(records);
    const std::optional<InputError> formatError = ScanAdif(
        bytes, fileName,
        [&](const AdifRecord& record) {
            LogQso& qso = result.qsos.emplace_back();
            if (auto error = ConvertAdifRecord(record, fileName, &qso)) {
                result.errors.Add(std::move(*error));
                result.qsos.pop_back();
            }
            return true;
        },
        &result.warnings);
    if (formatError) {
        result.errors.Add(*formatError);
    }
    return result;
}

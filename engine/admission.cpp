// QSO admission. The record is judged under the engine lock and its report lines are
// appended in one write; a report file that cannot be written changes nothing else.
#include "engine/admission.h"

#include <algorithm>

#include "engine/engine_state.h"
#include "engine/rejected_report.h"
#include "engine/report_line.h"

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char ToUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// A record is rejected when it broke a rule (m_invalid) or is a duplicate.
void MarkDuplicate(CInfo& record, bool dupe) {
    record.m_dupe = dupe ? 1 : 0;
    record.m_rejected = (record.m_invalid != 0 || dupe) ? 1 : 0;
}

void NoteWorkedBand(const std::string& band) {
    if (std::find(g_workedBands.begin(), g_workedBands.end(), band) == g_workedBands.end()) {
        g_workedBands.push_back(band);
    }
}

}  // namespace

std::string DeriveCountyText(const std::string& exchangeReceived) {
    std::string text = exchangeReceived.size() > 2
                           ? exchangeReceived.substr(exchangeReceived.size() - 2)
                           : exchangeReceived;
    std::transform(text.begin(), text.end(), text.begin(), ToUpper);
    while (!text.empty() && IsWhiteSpace(text.back())) {
        text.pop_back();
    }
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.erase(text.begin());
    }
    return text;
}

std::string StoredExchangeReceived(const std::string& exchangeReceived) {
    const size_t blank = exchangeReceived.find(' ');
    if (blank == std::string::npos || blank == 0) {
        return exchangeReceived;
    }
    return exchangeReceived.substr(0, blank) + exchangeReceived.substr(blank + 1);
}

void AdmitQso(const QsoArgs& args) {
    EngineLock lock(g_engineMutex);

    LoggedQso entry;
    CInfo& record = entry.record;
    AdmissionNotes& notes = entry.notes;
    record.m_call = args.call;
    record.m_band = args.band;
    record.m_mode = args.mode;
    record.m_extra = args.extra;
    record.m_rstRcvd = args.rstRcvd;
    record.m_rstSent = args.rstSent;
    record.m_prefix = args.prefix;
    record.m_exchSent = args.exchSent + g_ownExchangeSuffix;
    record.m_invalid = 0;
    record.m_dupe = 0;
    record.m_rejected = 0;
    record.m_county.clear();
    record.m_time = args.time;
    record.m_exchRcvd = StoredExchangeReceived(args.exchRcvd);
    record.m_freqKHz = args.frequencyHz / 1000;

    notes.judged = true;
    // The line prefix is formatted only for a QSO that gets a finding.
    const auto linePrefix = [&]() -> const std::string& {
        if (notes.linePrefix.empty()) {
            notes.linePrefix = ReportLinePrefix(args);
        }
        return notes.linePrefix;
    };

    // Every failing basic rule flags the record; only the first one is reported.
    const bool bandAllowed = g_bandRules.Contains(args.band);
    const bool modeAllowed = g_modeRules.Contains(args.mode);
    const bool numbersGiven = !args.exchRcvd.empty() && !args.exchSent.empty();
    notes.passesBasicRules = bandAllowed && modeAllowed && numbersGiven;
    if (!notes.passesBasicRules) {
        record.m_invalid = 1;
        record.m_rejected = 1;
        const char* tail = !bandAllowed   ? kWrongBandTail
                           : !modeAllowed ? kWrongModeTail
                                          : kNoNumberTail;
        notes.ruleFindings = ReportLine(linePrefix(), tail);
    }

    NoteWorkedBand(args.band);

    if (IsHomePrefix(record.m_prefix)) {
        const std::string county = DeriveCountyText(args.exchRcvd);
        if (IsCountyCode(county)) {
            record.m_county = county;
        } else if (notes.passesBasicRules) {
            record.m_invalid = 1;
            record.m_rejected = 1;
            notes.ruleFindings += ReportLine(linePrefix(), CountyTail(county));
        }
    }

    // Earlier records count whatever their own flags; the date-time plays no part.
    const bool dupe = notes.passesBasicRules &&
                      g_qsoLog.HasCallOnBandAndMode(record.m_call, record.m_band, record.m_mode);
    if (dupe) {
        linePrefix();
    }
    MarkDuplicate(record, dupe);
    AppendToRejectedReport(g_reportPath, ReportLinesOf(record, notes));
    g_qsoLog.Append(std::move(entry));
}

void JudgeDuplicateAgain(LoggedQso& entry, const QsoLog& earlier) {
    CInfo& record = entry.record;
    const AdmissionNotes& notes = entry.notes;
    if (notes.judged) {
        MarkDuplicate(
            record, notes.passesBasicRules &&
                        earlier.HasCallOnBandAndMode(record.m_call, record.m_band, record.m_mode));
    }
}

std::string ReportLinesOf(const CInfo& record, const AdmissionNotes& notes) {
    if (!notes.judged || record.m_dupe == 0) {
        return notes.ruleFindings;
    }
    return notes.ruleFindings + ReportLine(notes.linePrefix, kDupeTail);
}

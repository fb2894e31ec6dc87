// The two CSV files. Texts from the logs (calls, exchanges) go through CsvField, so a
// comma or quote in a hostile log cannot shift the columns nor a leading "=" make a formula;
// numbers are written as they are.
#include "host/check/csv_files.h"

#include "host/check/time_text.h"

std::string CsvField(std::string_view text) {
    // A spreadsheet takes a cell that starts with one of these for a formula.
    const bool formula =
        !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
    const std::string value = (formula ? "'" : "") + std::string(text);
    const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted) {
        return value;
    }
    std::string field = "\"";
    for (const char c : value) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + "\"";
}

std::string BuildFindingsCsv(const CheckResults& results) {
    std::string csv = "log,line,time,band,worked_call,status,detail,file,mode\n";
    for (std::size_t log = 0; log < results.logs.size(); ++log) {
        const StationLog& station = results.logs[log];
        for (std::size_t i = 0; i < station.qsos.size(); ++i) {
            const LogQso& qso = station.qsos[i];
            const QsoFinding& finding = results.findings[log].qsos[i];
            csv += CsvField(station.call) + ',' + std::to_string(qso.recordNumber) + ',' +
                   FormatUtcMinute(qso.days) + ',' + CsvField(qso.band) + ',' + CsvField(qso.call) +
                   ',' + StatusName(finding.status) + ',' + CsvField(finding.detail) + ',' +
                   CsvField(PublicFileName(results, station.file)) + ',' +
                   CsvField(qso.loggedMode.empty() ? qso.mode : qso.loggedMode) + '\n';
        }
        for (const UnreadableLine& line : station.unreadable) {
            csv += CsvField(station.call) + ',' + std::to_string(line.line) + ",,,," +
                   StatusName(QsoStatus::Unreadable) + ',' +
                   CsvField(PublicText(results, line.reason)) + ',' +
                   CsvField(PublicFileName(results, station.file)) + ",\n";
        }
    }
    return csv;
}

std::string BuildResultsCsv(const CheckResults& results) {
    std::string csv =
        "call,claimed_qsos,claimed_score,final_qsos,final_score,nil,busted_call,busted_exchange,"
        "unique,no_log,out_of_period,clock_offset_min,place,kind,category,category_place,"
        "claimed_points,final_points,final_dxcc,final_counties,unreadable,clock,reason\n";
    for (const StationResult& station : results.stations) {
        const auto count = [&](QsoStatus status) {
            return std::to_string(station.counts[static_cast<std::size_t>(status)]);
        };
        csv += CsvField(results.logs[station.log].call) + ',' +
               std::to_string(station.claimedQsos) + ',' + std::to_string(station.claimedScore) +
               ',' + std::to_string(station.finalQsos) + ',' + std::to_string(station.finalScore) +
               ',' + count(QsoStatus::Nil) + ',' + count(QsoStatus::BustedCall) + ',' +
               count(QsoStatus::BustedExchange) + ',' + count(QsoStatus::Unique) + ',' +
               count(QsoStatus::NoLog) + ',' + count(QsoStatus::OutOfPeriod) + ',' +
               std::to_string(results.findings[station.log].clockOffsetMinutes) + ',' +
               (station.checklog ? std::string("checklog") : station.place) + ',' + station.kind +
               ',' + CsvField(station.category) + ',' + station.categoryPlace + ',' +
               std::to_string(station.claimedFigures.points) + ',' +
               std::to_string(station.finalFigures.points) + ',' +
               std::to_string(station.finalFigures.dxcc) + ',' +
               std::to_string(station.finalFigures.counties) + ',' +
               std::to_string(results.logs[station.log].unreadable.size()) + ',' +
               CsvField(results.findings[station.log].clock.Describe()) + ',' +
               CsvField(station.reason) + '\n';
    }
    return csv;
}

// The plug-in's rejected-QSO report read back, and its findings matched to the QSOs fed.
#include <gtest/gtest.h>

#include "host/score/rejected_report.h"

namespace {

LogQso Qso(const std::string& call, double days, const std::string& exchange) {
    LogQso qso;
    qso.call = call;
    qso.days = days;
    qso.frequencyHz = 3580000;
    qso.mode = "BPSK31";
    qso.exchRcvd = exchange;
    return qso;
}

constexpr double k1805 = 46363.0 + (18 * 60 + 5) / 1440.0;  // 2026-12-07 18:05

}  // namespace

TEST(RejectedReport, ReadsEveryKindOfFindingAndMatchesItsQso) {
    const std::string report =
        "Sarnet Contest UBN file \r\n"
        "QSO:  3580  BPSK31  2026-12-07 1805  YO8SRN  599  001  DL1ABC  599  005   DUPE !!!\r\n"
        "QSO: 14080  BPSK31  2026-12-07 1806  YO8SRN  599  002  OK1AB  599  7   WRONG BAND !!!\r\n"
        "QSO:  3580  CW  2026-12-07 1807  YO8SRN    003  OK2AB    8   WRONG MODE !!!\r\n"
        "QSO:  3580  BPSK31  2026-12-07 1808  YO8SRN  599  004  OK3AB  599     NO NUMBER !!!\r\n"
        "QSO:  3580  BPSK31  2026-12-07 1809  YO8SRN  599  005  YO3ABC  599  012 X1  X1  YO "
        "County Code not acceptable !!!\r\n"
        "QSO:  3580  BPSK31  2026-12-07 1809  YO8SRN  599  005  YO3ABC  599  012 X1   DUPE !!!\r\n"
        "a line of another program\r\n";
    const std::vector<RejectedQso> findings = ReadRejectedReport(report);
    ASSERT_EQ(findings.size(), 6u);
    EXPECT_EQ(findings[0].kilohertz, "3580");
    EXPECT_EQ(findings[0].time, "2026-12-07 1805");
    EXPECT_EQ(findings[0].call, "DL1ABC");
    EXPECT_EQ(findings[0].exchange, "005");
    EXPECT_EQ(findings[0].reason, "duplicate");
    EXPECT_EQ(findings[1].kilohertz, "14080");
    EXPECT_EQ(findings[1].reason, "wrong band");
    EXPECT_EQ(findings[2].call, "OK2AB");  // empty reports keep their place
    EXPECT_EQ(findings[2].exchange, "8");
    EXPECT_EQ(findings[2].reason, "wrong mode");
    EXPECT_EQ(findings[3].exchange, "");
    EXPECT_EQ(findings[3].reason, "no number");
    EXPECT_EQ(findings[4].exchange, "012 X1");
    EXPECT_EQ(findings[4].reason, "county code not acceptable (X1)");

    // The duplicate is the second of two equal QSOs, never the first.
    const std::vector<LogQso> qsos = {
        Qso("DL1ABC", k1805 - 1.0 / 1440, "005"), Qso("DL1ABC", k1805, "005"),
        Qso("YO3ABC", k1805 + 4.0 / 1440, "012 X1"), Qso("YO3ABC", k1805 + 4.0 / 1440, "012 BV")};
    EXPECT_EQ(MatchRejected(qsos, findings), (std::vector<bool>{false, true, true, false}));
    // One QSO entered three times in one minute: two equal duplicate lines, two QSOs. A
    // county line and a duplicate line name one QSO.
    const std::vector<LogQso> repeated = {
        Qso("DL1ABC", k1805, "005"), Qso("DL1ABC", k1805, "005"), Qso("DL1ABC", k1805, "005"),
        Qso("YO3ABC", k1805 + 4.0 / 1440, "012 X1"), Qso("YO3ABC", k1805 + 4.0 / 1440, "012 X1")};
    const std::vector<RejectedQso> twice = {findings[0], findings[0], findings[4], findings[4],
                                            findings[5]};
    EXPECT_EQ(MatchRejected(repeated, twice), (std::vector<bool>{false, true, true, true, true}));
    EXPECT_EQ(ReportTime(k1805 + 29.6 / 86400), "2026-12-07 1805");
    EXPECT_EQ(ReportTime(k1805 + 59.6 / 86400), "2026-12-07 1806");  // rounded to the second
}

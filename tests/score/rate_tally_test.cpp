// The rate tally adds up exactly what the plug-in scores: a log with duplicates, a wrong
// band, a missing number and a bad county code is run through the built plug-in, its
// rejected-QSO report read back, and the tally must give the plug-in's own totals and score.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/common/plugin_feed.h"
#include "host/common/summary_reader.h"
#include "host/score/rate_tally.h"
#include "host/score/rejected_report.h"
#include "scratch_folder.h"

namespace {

constexpr double kDay = 46363.0;  // 2026-12-07

LogQso Qso(const std::string& call, const std::string& prefix, double hour,
           const std::string& received, const std::string& band = "80m") {
    LogQso qso;
    qso.call = call;
    qso.prefix = prefix;
    qso.days = kDay + hour / 24.0;
    qso.band = band;
    qso.frequencyHz = band == "80m" ? 3580000 : 7040000;
    qso.mode = "BPSK31";
    qso.rstSent = qso.rstRcvd = "599";
    qso.exchSent = "001";
    qso.exchRcvd = received;
    return qso;
}

}  // namespace

TEST(RateTally, CountsWhatThePluginScores) {
    ScratchFolder folder;
    StatsPlugin plugin;
    std::string error;
    ASSERT_TRUE(plugin.Load(STATS_PLUGIN_PATH, &error)) << error;
    // 12:00 to 19:30: hourly periods, three of them quiet.
    const std::vector<LogQso> qsos = {
        Qso("YO3ABC", "YO", 12.0, "012BV"),   Qso("DL1ABC", "DL", 12.5, "005"),
        Qso("DL1ABC", "DL", 12.6, "006"),     Qso("YO9XYZ", "YO", 13.0, "044BV"),
        Qso("OK1AB", "OK", 13.1, "7", "40m"), Qso("OK2AB", "OK", 13.2, ""),
        Qso("YO2XY", "YO", 13.3, "001XY"),    Qso("YO5ZZ", "YO", 17.0, "100CJ"),
        Qso("OE1A", "OE", 19.5, "077")};
    RunStart start;
    start.hostDirectory = folder.Path().string() + "/";
    start.ownCall = "YO8SRN";
    start.contestDays = kDay;
    const ScoreRunResult result = RunScoring(plugin, qsos, start);
    const auto summary = ReadSummary(result.summary);
    ASSERT_TRUE(summary);
    std::ifstream in(folder.Path() / "BadQSO_StatsSarnet_07_12_2026.txt", std::ios::binary);
    std::ostringstream report;
    report << in.rdbuf();
    const std::vector<bool> rejected = MatchRejected(qsos, ReadRejectedReport(report.str()));
    EXPECT_EQ(rejected,
              (std::vector<bool>{false, false, true, false, true, true, true, false, false}));

    const RateTally tally = TallyRates(qsos, rejected);
    EXPECT_TRUE(AgreesWith(tally, summary->total)) << result.summary;
    EXPECT_DOUBLE_EQ(tally.periodDays, 1.0 / 24);
    ASSERT_EQ(tally.samples.size(), 8u);
    EXPECT_DOUBLE_EQ(tally.samples[0].startDays, kDay + 0.5);
    EXPECT_EQ(tally.samples[0].qsos, 2);
    EXPECT_EQ(tally.samples[0].points, 3);
    EXPECT_EQ(tally.samples[1].qsos, 1);
    EXPECT_EQ(tally.samples[3].score, tally.samples[1].score);  // a quiet hour holds the score
    EXPECT_EQ(tally.samples.back().score, summary->score);

    // Short logs go by 10 minutes, long ones never past about 200 periods.
    EXPECT_DOUBLE_EQ(SamplePeriodDays(5.9 / 24), 1.0 / 144);
    EXPECT_DOUBLE_EQ(SamplePeriodDays(8.0), 1.0 / 24);
    EXPECT_LE(400.0 / SamplePeriodDays(400.0), 201.0);
}

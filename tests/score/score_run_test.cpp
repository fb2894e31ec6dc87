// The replay through the entry points, against a recording stand-in for the plug-in: call
// order and the parameters each QSO reaches the plug-in with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/common/plugin_feed.h"

namespace {

struct Recorded {
    std::string what;
    std::string text;
    double days = 0.0;
    unsigned frequencyHz = 0;
};

std::vector<Recorded> g_calls;
std::string g_summary;
int g_scoring = 0;

int STATS_CALL FakeReset(StatsText directory, int cabrillo, StatsText ownCall, StatsDate first,
                         StatsDate second, StatsText, StatsText, StatsText, StatsText, StatsText,
                         StatsText, StatsText, StatsText, StatsText, StatsText suffix, int, int,
                         int, double, double, StatsText, StatsText, StatsText) {
    g_calls.push_back({"reset",
                       std::string(directory) + "|" + std::to_string(cabrillo) + "|" + ownCall +
                           "|" + suffix + "|" + std::to_string(second->days - first->days),
                       first->days, 0});
    g_scoring = 0;
    return 1;
}

int STATS_CALL FakeAdd(StatsText ownCall, StatsText call, StatsDate time, StatsDate, StatsDate,
                       StatsDate, unsigned, unsigned frequencyHz, StatsText mode, StatsText rstSent,
                       StatsText rstRcvd, StatsText exchSent, StatsText exchRcvd, StatsText,
                       StatsText, StatsText, StatsText, StatsText, StatsText, StatsText, StatsText,
                       StatsText, StatsText prefix, int, int, int, double, double, StatsText,
                       StatsText extra, StatsText, StatsText band, StatsText) {
    g_calls.push_back({"add",
                       std::string(ownCall) + "|" + call + "|" + mode + "|" + rstSent + "|" +
                           rstRcvd + "|" + exchSent + "|" + exchRcvd + "|" + prefix + "|" + extra +
                           "|" + band,
                       time->days, frequencyHz});
    // The stand-in scores every QSO whose call does not start with "X", one point each.
    g_scoring += call[0] != 'X' ? 1 : 0;
    return 1;
}

const char* STATS_CALL FakeResult(int* score) {
    g_calls.push_back({"result", "", 0.0, 0});
    *score = g_scoring;
    const std::string n = std::to_string(g_scoring);
    g_summary = "\tSarnet Contest 07.12.2026\r\n\t    Contestant: YO8SRN\r\nTotal\t " + n + "\t  " +
                n + "\t  1\t   0\r\nScore: " + n + "*(1+0) = " + n + "\r\n";
    return g_summary.c_str();
}

StatsEntryPoints FakePlugin() {
    StatsEntryPoints plugin;
    plugin.ResetStats0 = FakeReset;
    plugin.AddData0 = FakeAdd;
    plugin.GetResult0 = FakeResult;
    return plugin;
}

LogQso Qso(const std::string& call, double days) {
    LogQso qso;
    qso.call = call;
    qso.days = days;
    qso.frequencyHz = 3580000;
    qso.band = "80m";
    qso.mode = "BPSK31";
    qso.rstSent = "599";
    qso.rstRcvd = "589";
    qso.exchSent = "001";
    qso.exchRcvd = "012 BV";
    qso.prefix = "YO";
    qso.entity = "Romania";
    return qso;
}

constexpr double kDay = 46363.0;  // 2026-12-07

}  // namespace

TEST(ScoreRun, FeedsEveryQsoInLogOrderBetweenResetAndResult) {
    g_calls.clear();
    std::vector<LogQso> qsos = {Qso("YO3ABC", kDay + 18.0 / 24), Qso("DL1AB", kDay + 18.5 / 24)};
    qsos[1].ownCall = "YO8SRN/P";
    qsos[1].prefix = "DL";
    RunStart start;
    start.hostDirectory = "/contest/";
    start.ownCall = "YO8SRN";
    start.ownExchangeSuffix = "NT";
    start.contestDays = kDay;
    start.cabrillo = true;
    const ScoreRunResult result = RunScoring(FakePlugin(), qsos, start);
    ASSERT_EQ(g_calls.size(), 4u);
    EXPECT_EQ(g_calls[0].what, "reset");
    EXPECT_EQ(g_calls[0].text, "/contest/|1|YO8SRN|NT|0.000000");
    EXPECT_DOUBLE_EQ(g_calls[0].days, kDay);
    EXPECT_EQ(g_calls[1].text, "YO8SRN|YO3ABC|BPSK31|599|589|001|012 BV|YO|Romania|80m");
    EXPECT_DOUBLE_EQ(g_calls[1].days, kDay + 18.0 / 24);
    EXPECT_EQ(g_calls[1].frequencyHz, 3580000u);
    EXPECT_EQ(g_calls[2].text, "YO8SRN/P|DL1AB|BPSK31|599|589|001|012 BV|DL|Romania|80m");
    EXPECT_EQ(g_calls[3].what, "result");
    EXPECT_EQ(result.scoreOut, 2);
    EXPECT_NE(result.summary.find("Total\t 2"), std::string::npos);
}

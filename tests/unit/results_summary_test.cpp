// The results summary: text and HTML layouts byte for byte, the band rows and their order,
// the multiplier lists, the claimed score and the rate figures.
#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "platform/settings.h"
#include "reports/results_summary.h"
#include "test_support.h"

namespace {

constexpr const char* kCredit = "Scored by the Sarnet Contest statistics plug-in";

class ResultsSummaryTest : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        CallResetStats(TestStart{});
    }

    static TestQso At(const std::string& call, const std::string& prefix, int minute) {
        TestQso qso;
        qso.call = call;
        qso.prefix = prefix;
        qso.time = MakeDate(2026, 12, 7, 18, minute);
        return qso;
    }

    // 10 foreign QSOs from 3 prefixes, then 5 home QSOs from 4 counties, one a minute
    // from 18:00.
    static void LogScenario() {
        const char* prefixes[] = {"DL", "F", "G", "DL", "F", "G", "DL", "F", "G", "DL"};
        for (int i = 0; i < 10; ++i) {
            CallAddData(At("CALL" + std::to_string(i), prefixes[i], i));
        }
        const char* counties[] = {"001BV", "002AB", "003CJ", "004TM", "005BV"};
        for (int i = 0; i < 5; ++i) {
            TestQso qso = At("YO" + std::to_string(i) + "AA", "YO", 10 + i);
            qso.exchRcvd = counties[i];
            CallAddData(qso);
        }
    }
};

std::string TextSummary(const std::string& rows, const std::string& total, int dupes, int bad,
                        const std::string& rates, const std::string& last,
                        const std::string& score) {
    return "\tSarnet Contest 07.12.2026\r\n\t    Contestant: YO9XYZ\r\n"
           "Band\tQSOs\tPoints\tDXCC\tCounty\r\n" +
           rows + "Total\t " + total + "\r\nDupe\t " + std::to_string(dupes) + "\r\nBad QSO\t " +
           std::to_string(bad) + "\r\n\r\n" + rates + "\r\nLast QSO: " + last +
           " points\r\nScore: " + score + "\r\n\r\n" + kCredit;
}

TEST_F(ResultsSummaryTest, TextLayoutOfTheScenario) {
    LogScenario();
    int score = 0;
    const std::string text = GetResult0(&score);
    EXPECT_EQ(text, TextSummary("80m\t 15\t  20\t  4\t   4\r\n", "15\t  20\t  4\t   4", 0, 0,
                                "Hourly (10min) QSO rate:    15 (60) QSOs/hour\r\n"
                                "Hourly (10min) pts rate:    20 (90) points/hour\r\n",
                                "2", "20*(4+4) = 160"));
    EXPECT_EQ(score, 160);
    EXPECT_EQ(g_claimedScore, 160);
    EXPECT_EQ(ReadSetting("Claimed"), "160");
    EXPECT_EQ(g_bandPrefixes[1], (StringList{"DL", "F", "G", "YO"}));
    EXPECT_EQ(g_bandCounties[1], (StringList{"BV", "AB", "CJ", "TM"}));
}

TEST_F(ResultsSummaryTest, HtmlLayoutOfTheScenario) {
    LogScenario();
    setVersion("");
    int score = 0;
    const std::string html = GetResult0(&score);
    const std::string expected =
        "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
        "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
        "background-color: #fffac6; color: black}</style></head><body>"
        "<center><b>   Sarnet Contest 07.12.2026 </b></center><center>Contestant:  "
        "<b>YO9XYZ</center></b><table>"
        "<tr><th> Band</th><th> QSOs</th><th> Points</th><th> DXCC</th><th> County</th></tr>"
        "<tr><th> <center>80m</center></th><td><center>15</center></td><td><center>20</center>"
        "</td><td><center>4</center></td><td><center>4</center></td></tr>"
        "<tr><th> <center>Total</center></th><td><center>15</center></td><td><center>20"
        "</center></td><td><center>4</center></td><td><center>4</center></td></td></tr>"
        "<tr><th> <center>Dupe</center></th><td><center>0</center></td><td colspan=8> </td>"
        "</tr>"
        "<tr><th> <center>Bad QSO</center></th><td><center>0</center></td><td colspan=8> "
        "</td></tr>"
        "<tr><th>Score:</th><td colspan=9><center>20 * (4 + 4) = 160</center></td></tr>"
        "<tr><th>Last QSO points:</small></th><td colspan=9><center>    2</center></td></tr>"
        "<th colspan=10><center>Rate</center></th></tr>"
        "<tr><th> Hourly (10min/1 hour) QSO rate: </th><td colspan=9><center>   15 /60</center>"
        "</td></tr>"
        "<tr><th> Hourly (10min/1 hour) pts rate: </th><td colspan=9><center>   20 /90</center>"
        "</td></tr>"
        "</table><h6 align=right>" +
        std::string(kCredit) + "</h6></body></html>";
    EXPECT_EQ(html, expected);
    EXPECT_EQ(score, 160);
}

TEST_F(ResultsSummaryTest, EmptyLog) {
    int score = -5;
    EXPECT_EQ(GetResult0(&score), TextSummary("", "0\t  0\t  0\t   0", 0, 0,
                                              "Hourly (10min) QSO rate:     0 (0) QSOs/hour\r\n"
                                              "Hourly (10min) pts rate:     0 (0) points/hour\r\n",
                                              "0", "0*(0+0) = 0"));
    EXPECT_EQ(score, 0);
    EXPECT_EQ(ReadSetting("Claimed"), "0");
}

TEST_F(ResultsSummaryTest, DupesBadQsosAndBandsOutsideTheSlots) {
    CallAddData(At("DL1A", "DL", 0));
    CallAddData(At("DL1A", "DL", 1));  // duplicate
    TestQso wrongBand = At("F1A", "F", 2);
    wrongBand.band = "40m";
    CallAddData(wrongBand);
    TestQso capital = At("G1A", "DL", 3);
    capital.band = "80M";  // allowed, but no slot: no row, counted in the totals
    CallAddData(capital);
    TestQso noCall = At("", "YO", 4);
    noCall.band = "40m";
    CallAddData(noCall);  // bad, but an empty call counts nowhere
    int score = 0;
    EXPECT_EQ(GetResult0(&score),
              TextSummary("80m\t 1\t  1\t  1\t   0\r\n40m\t 0\t  0\t  0\t   0\r\n",
                          "2\t  2\t  2\t   0", 1, 1,
                          "Hourly (10min) QSO rate:     2 (12) QSOs/hour\r\n"
                          "Hourly (10min) pts rate:     2 (12) points/hour\r\n",
                          "1", "2*(2+0) = 4"));
    EXPECT_EQ(score, 4);
    EXPECT_EQ(g_bandPrefixes[1], StringList{"DL"});
    EXPECT_TRUE(g_bandPrefixes[2].empty());
}

TEST_F(ResultsSummaryTest, PrefixesArePublishedInByteWiseOrderCountiesInTheOrderWorked) {
    // Digits before capitals before small letters before bytes above 127.
    int minute = 0;
    for (const char* prefix : {"\xC4Z", "ok", "OK", "9A", "O", "OK"}) {
        CallAddData(At("CALL" + std::to_string(minute), prefix, minute));
        ++minute;
    }
    for (const char* county : {"001TM", "002AB"}) {
        TestQso qso = At("YO" + std::to_string(minute) + "AA", "YO", minute);
        qso.exchRcvd = county;
        CallAddData(qso);
        ++minute;
    }
    GetResult0(nullptr);
    EXPECT_EQ(g_bandPrefixes[1], (StringList{"9A", "O", "OK", "YO", "ok", "\xC4Z"}));
    EXPECT_EQ(g_bandCounties[1], (StringList{"TM", "AB"}));
}

TEST_F(ResultsSummaryTest, SlotListsOfBandsNoLongerWorkedStay) {
    g_bandPrefixes[3] = {"OLD"};
    CallAddData(At("DL1A", "DL", 0));
    GetResult0(nullptr);
    EXPECT_EQ(g_bandPrefixes[3], StringList{"OLD"});
    EXPECT_EQ(g_bandPrefixes[1], StringList{"DL"});
}

TEST_F(ResultsSummaryTest, WorkedBandsSortDescendingByPaddedTextAndStaySorted) {
    StringList bands = {"10m", "80m", "160m", "15m", "40m", "20m"};
    SortWorkedBands(bands);
    EXPECT_EQ(bands, (StringList{"160m", "80m", "40m", "20m", "15m", "10m"}));
    // Equal keys ("80m", "080m") keep the order the pairwise exchanges leave them in.
    StringList ties = {"40m", "80m", "080m", "160m"};
    SortWorkedBands(ties);
    EXPECT_EQ(ties, (StringList{"160m", "080m", "80m", "40m"}));
    StringList ties2 = {"080m", "40m", "80m"};
    SortWorkedBands(ties2);
    EXPECT_EQ(ties2, (StringList{"080m", "80m", "40m"}));

    TestQso qso = At("A", "DL", 0);
    for (const char* band : {"10m", "80m", "160m"}) {
        qso.band = band;
        CallAddData(qso);
    }
    const std::string first = GetResult0(nullptr);
    EXPECT_EQ(g_workedBands, (StringList{"160m", "80m", "10m"}));
    EXPECT_EQ(GetResult0(nullptr), first);
    EXPECT_EQ(g_workedBands, (StringList{"160m", "80m", "10m"}));
}

TEST_F(ResultsSummaryTest, SamePrefixOnTwoBandsCountsTwiceAndLastPointsFollowBandOrder) {
    TestQso wrongBand = At("YO1A", "YO", 0);
    wrongBand.band = "160m";
    wrongBand.exchRcvd = "1BV";
    CallAddData(wrongBand);
    CallAddData(At("YO2A", "YO", 1));  // no county code: rejected
    TestQso capital = At("YO4A", "YO", 2);
    capital.band = "80M";
    capital.exchRcvd = "1TM";
    CallAddData(capital);
    TestQso home = At("YO3A", "YO", 3);
    home.exchRcvd = "1AB";
    CallAddData(home);
    CallAddData(At("DL1A", "DL", 4));  // last in the log, but 80m is summed before 80M
    int score = 0;
    const std::string text = GetResult0(&score);
    // 80m: 2 QSOs, 3 points, YO and DL, county AB; 80M: 1 QSO, 2 points, YO, county TM.
    EXPECT_NE(text.find("80m\t 2\t  3\t  2\t   1\r\nTotal\t 3\t  5\t  3\t   2\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Last QSO: 2 points"), std::string::npos) << text;
    EXPECT_NE(text.find("Score: 5*(3+2) = 25"), std::string::npos) << text;
    EXPECT_EQ(score, 25);
    EXPECT_TRUE(g_bandPrefixes[0].empty());
    EXPECT_EQ(g_bandCounties[1], StringList{"AB"});
}

TEST_F(ResultsSummaryTest, NullScorePointerStillGivesTheSummary) {
    CallAddData(At("DL1A", "DL", 0));
    const char* text = GetResult0(nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_NE(std::string(text).find("Score: 1*(1+0) = 1"), std::string::npos);
    EXPECT_EQ(g_claimedScore, 1);
}

// Only scoring QSOs end or fill the windows: they end at the scoring QSO logged last, and a
// later duplicate or wrong-band QSO, or a scoring one with a mistyped future time, moves
// nothing.
TEST_F(ResultsSummaryTest, RateWindowsEndAtTheScoringQsoLoggedLast) {
    TestQso qso = At("A1", "DL", 0);
    qso.time = MakeDate(2026, 12, 7, 16, 55);  // exactly an hour before the end: outside
    CallAddData(qso);
    qso = At("A2", "DL", 0);
    qso.time = MakeDate(2026, 12, 7, 16, 55, 1);
    CallAddData(qso);
    qso = At("A6", "DL", 0);
    qso.time = MakeDate(2027, 12, 7, 17, 0);  // mistyped year: after the end, in no window
    CallAddData(qso);
    qso = At("A3", "YO", 0);
    qso.exchRcvd = "1BV";
    qso.time = MakeDate(2026, 12, 7, 17, 45);  // exactly ten minutes before: outside
    CallAddData(qso);
    qso = At("A4", "YO", 0);
    qso.exchRcvd = "1AB";
    qso.time = MakeDate(2026, 12, 7, 17, 55);
    CallAddData(qso);
    qso = At("A5", "DL", 0);
    qso.time = DateTime{0.0, kDateInvalid};  // no time: counts in no window
    CallAddData(qso);
    qso = At("A4", "DL", 0);  // duplicate, logged later
    qso.time = MakeDate(2026, 12, 7, 18, 30);
    CallAddData(qso);
    qso = At("W1", "DL", 0);
    qso.band = "40m";  // wrong band, logged later
    qso.time = MakeDate(2026, 12, 7, 19, 0);
    CallAddData(qso);
    const std::string text = GetResult0(nullptr);
    EXPECT_NE(text.find("QSO rate:     3 (6) QSOs/hour"), std::string::npos) << text;
    EXPECT_NE(text.find("pts rate:     5 (12) points/hour"), std::string::npos) << text;
}

TEST_F(ResultsSummaryTest, NoValidTimesGiveZeroRates) {
    TestQso qso = At("A1", "DL", 0);
    qso.time = DateTime{45000.5, kDateNull};
    CallAddData(qso);
    const std::string text = GetResult0(nullptr);
    EXPECT_NE(text.find("QSO rate:     0 (0) QSOs/hour"), std::string::npos) << text;
    EXPECT_NE(text.find("Score: 1*(1+0) = 1"), std::string::npos) << text;
}

}  // namespace

namespace {

// 50 000 foreign QSOs with as many prefixes: 50 000 × 50 000 does not fit in 32 bits.
TEST_F(ResultsSummaryTest, HugeScoreIsHeldAtTheLargest32BitValue) {
    TestQso qso;
    for (int i = 0; i < 50000; ++i) {
        qso.call = "C" + std::to_string(i);
        qso.prefix = "P" + std::to_string(i);
        CallAddData(qso);
    }
    int score = 0;
    const std::string text = GetResult0(&score);
    EXPECT_EQ(score, 2147483647);
    EXPECT_NE(text.find("Score: 50000*(50000+0) = 2147483647"), std::string::npos);
}

}  // namespace

// Reading the plug-in's summary in both layouts, and the standalone report page.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/score/report_charts.h"
#include "host/score/report_page.h"
#include "host/common/summary_reader.h"
#include "host/common/text_util.h"

using ::testing::HasSubstr;

namespace {

constexpr const char* kTextSummary =
    "\tSarnet Contest 07.12.2026\r\n\t    Contestant: YO8SRN\r\n"
    "Band\tQSOs\tPoints\tDXCC\tCounty\r\n"
    "80m\t 15\t  20\t  4\t   4\r\n40m\t 0\t  0\t  0\t   0\r\n"
    "Total\t 15\t  20\t  4\t   4\r\nDupe\t 1\r\nBad QSO\t 2\r\n\r\n"
    "Hourly (10min) QSO rate:    15 (12) QSOs/hour\r\n"
    "Hourly (10min) pts rate:    20 (18) points/hour\r\n\r\n"
    "Last QSO: 2 points\r\nScore: 20*(4+4) = 160\r\n\r\nScored by the plug-in";

// The layout the plug-in returns after setVersion, built from its row templates.
constexpr const char* kHtmlSummary =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black}</style></head><body>"
    "<center><b>   Sarnet Contest 07.12.2026 </b></center><center>Contestant:  <b>YO8SRN"
    "</center></b><table>"
    "<tr><th> Band</th><th> QSOs</th><th> Points</th><th> DXCC</th><th> County</th></tr>"
    "<tr><th> <center>80m</center></th><td><center>15</center></td><td><center>20</center></td>"
    "<td><center>4</center></td><td><center>4</center></td></tr>"
    "<tr><th> <center>Total</center></th><td><center>15</center></td><td><center>20</center>"
    "</td><td><center>4</center></td><td><center>4</center></td></td></tr>"
    "<tr><th> <center>Dupe</center></th><td><center>1</center></td><td colspan=8> </td></tr>"
    "<tr><th> <center>Bad QSO</center></th><td><center>2</center></td><td colspan=8> </td></tr>"
    "<tr><th>Score:</th><td colspan=9><center>20 * (4 + 4) = 160</center></td></tr>"
    "<tr><th>Last QSO points:</small></th><td colspan=9><center>    2</center></td></tr>"
    "<th colspan=10><center>Rate</center></th></tr>"
    "<tr><th> Hourly (10min/1 hour) QSO rate: </th><td colspan=9><center>   15 /12</center>"
    "</td></tr></table><h6 align=right>Scored by the plug-in</h6></body></html>";

}  // namespace

TEST(SummaryReader, TextLayout) {
    const auto figures = ReadSummary(kTextSummary);
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->title, "Sarnet Contest 07.12.2026");
    EXPECT_EQ(figures->contestant, "YO8SRN");
    ASSERT_EQ(figures->bands.size(), 2u);
    EXPECT_EQ(figures->bands[0].label, "80m");
    EXPECT_EQ(figures->bands[0].points, 20);
    EXPECT_EQ(figures->bands[1].label, "40m");
    EXPECT_EQ(figures->total.qsos, 15);
    EXPECT_EQ(figures->total.dxcc, 4);
    EXPECT_EQ(figures->total.counties, 4);
    EXPECT_EQ(figures->dupes, 1);
    EXPECT_EQ(figures->badQsos, 2);
    EXPECT_EQ(figures->score, 160);
    EXPECT_EQ(figures->otherLines.size(), 3u);
}

TEST(SummaryReader, HtmlLayoutGivesTheSameFigures) {
    const auto figures = ReadSummary(kHtmlSummary);
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->title, "Sarnet Contest 07.12.2026");
    EXPECT_EQ(figures->contestant, "YO8SRN");
    ASSERT_EQ(figures->bands.size(), 1u);
    EXPECT_EQ(figures->bands[0].qsos, 15);
    EXPECT_EQ(figures->total.points, 20);
    EXPECT_EQ(figures->dupes, 1);
    EXPECT_EQ(figures->badQsos, 2);
    EXPECT_EQ(figures->score, 160);
}

TEST(SummaryReader, NoSummaryWithoutTotal) {
    EXPECT_FALSE(ReadSummary(""));
    EXPECT_FALSE(ReadSummary("Total\t 1\t 2\r\n"));
}

TEST(ReportPage, StandalonePageWithEveryPart) {
    ReportPageInput input;
    input.summary = *ReadSummary(kTextSummary);
    input.logName = "yo8srn.adi";
    // Two hours of 10-minute samples: an hourly chart, a 10-minute one and the score.
    input.rates.periodDays = 1.0 / 144;
    for (int i = 0; i < 12; ++i) {
        input.rates.samples.push_back({46363.75 + i / 144.0, i, 2 * i, 10 * i});
    }
    input.countyCodes = {"AB", "BV", "CJ"};
    input.worked.countyQsos = {{"BV", 3}, {"CJ", 1}};
    input.worked.prefixes = {{"YO", "Romania", 4}, {"DL", "Fed. Rep. of Germany", 2}};
    input.rejected = {{"3580", "BPSK31", "2026-12-07 1805", "DL1ABC", "005", "duplicate"}};
    input.notes = {"the log is not in time order"};
    const std::string page = BuildReportPage(input);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_THAT(page, HasSubstr("<tr><th>80m</th><td>15</td><td>20</td><td>4</td><td>4</td></tr>"));
    EXPECT_THAT(page, HasSubstr("= <b>160</b>"));
    EXPECT_THAT(page, HasSubstr("<li>the log is not in time order</li>"));
    EXPECT_THAT(page, HasSubstr("<h2>QSOs and points per hour</h2>"));
    EXPECT_THAT(page, HasSubstr("<h2>QSOs and points per 10 minutes</h2>"));
    EXPECT_THAT(page, HasSubstr("<h2>Score over time</h2>"));
    EXPECT_THAT(page, HasSubstr("<title>2026-12-07 18:00-19:00 UTC: 15 QSOs, 30 points</title>"));
    EXPECT_THAT(page, HasSubstr(">Time (UTC)</text>"));
    EXPECT_THAT(page, HasSubstr("<h2>Counties: 2 of 3 worked</h2>"));
    EXPECT_THAT(page, HasSubstr("<div class=\"county worked\"><b>BV</b><span>3</span></div>"));
    EXPECT_THAT(page, HasSubstr("<div class=\"county\"><b>AB</b><span>&ndash;</span></div>"));
    EXPECT_THAT(page, HasSubstr("<li><b>DL</b><span class=\"name\">Fed. Rep. of Germany</span>"
                                "<span>2</span></li>"));
    EXPECT_THAT(page, HasSubstr("<tr><td>2026-12-07 18:05</td><td>DL1ABC</td><td>005</td>"
                                "<td>duplicate</td></tr>"));
    // Nothing is fetched: no scripts, links or external sources.
    for (const char* fetch : {"<script", "src=", "href=", "@import", "url("}) {
        EXPECT_EQ(page.find(fetch), std::string::npos) << fetch;
    }
}

TEST(ReportPage, LongLogsShowDatesAndEscapeTextsFromTheLog) {
    EXPECT_EQ(EscapeHtml("<b>&\"'\x01\xC3"), "&lt;b&gt;&amp;&quot;&#39;??");
    ReportPageInput input;
    input.summary.contestant = "YO8<SRN>";
    input.rejected = {{"3580", "BPSK31", "2026-12-07 1805", "<X>", "1", "duplicate"}};
    EXPECT_EQ(BuildReportPage(input).find("<X>"), std::string::npos);
    EXPECT_THAT(BuildReportPage(input), HasSubstr("No QSOs to chart."));
    // Two days in hours: one chart of hours with the dates under the times.
    input.rates.periodDays = 1.0 / 24;
    for (int i = 0; i < 30; ++i) {
        input.rates.samples.push_back({46363.5 + i / 24.0, 1, 1, i});
    }
    const std::string page = BuildReportPage(input);
    EXPECT_EQ(page.find("per 10 minutes"), std::string::npos);
    EXPECT_THAT(page, HasSubstr(">2026-12-07</text>"));
    EXPECT_THAT(page, HasSubstr(">2026-12-08</text>"));
    // Charts that would not show what the plug-in counted are left out.
    input.ratesAgree = false;
    EXPECT_EQ(BuildReportPage(input).find("<svg"), std::string::npos);
}

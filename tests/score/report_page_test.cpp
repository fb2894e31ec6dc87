// Reading the plug-in's summary in both layouts, and the standalone report page.
#include <gtest/gtest.h>

#include "host/score/report_page.h"
#include "host/common/summary_reader.h"

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

TEST(ReportPage, StandalonePageWithTableAndChart) {
    const auto figures = ReadSummary(kTextSummary);
    ASSERT_TRUE(figures);
    const std::vector<HourTally> hours = {
        {"2026-12-07 18:00", 10, 14}, {"2026-12-07 19:00", 0, 0}, {"2026-12-07 20:00", 5, 6}};
    const std::string page = BuildReportPage(*figures, hours);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<tr><th>80m</th><td>15</td><td>20</td><td>4</td><td>4</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("= <b>160</b>"), std::string::npos);
    EXPECT_NE(page.find("<svg"), std::string::npos);
    EXPECT_NE(page.find("<title>2026-12-07 18:00: 10 QSOs, 14 points</title>"), std::string::npos);
    // The tallest bar (14 points) fills the plot; an empty hour draws zero-height bars.
    EXPECT_NE(page.find("height=\"200.0\""), std::string::npos);
    EXPECT_NE(page.find("height=\"0.0\""), std::string::npos);
    // Nothing is fetched: no scripts, links or external sources.
    for (const char* fetch : {"<script", "src=", "href=", "@import", "url("}) {
        EXPECT_EQ(page.find(fetch), std::string::npos) << fetch;
    }
}

TEST(ReportPage, EscapesTextsFromTheLog) {
    EXPECT_EQ(EscapeHtml("<b>&\"'\x01\xC3"), "&lt;b&gt;&amp;&quot;&#39;??");
    SummaryFigures figures;
    figures.contestant = "YO8<SRN>";
    const std::string page = BuildReportPage(figures, {});
    EXPECT_EQ(page.find("YO8<SRN>"), std::string::npos);
    EXPECT_NE(page.find("No QSOs with a valid time."), std::string::npos);
}

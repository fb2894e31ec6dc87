// Layout of the information button: the worked-prefix flow and the previous-QSO table.
#include "ui/status/portable/info_button_painter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "recording_canvas.h"

using ::testing::ElementsAre;

namespace {

const Rect kItem{0, 0, 300, 200};
const std::vector<std::string> kRow80m = {"80m", "BPSK31", "18:05", "005", "   -"};

std::vector<std::string> PaintList(const std::vector<std::string>& prefixes,
                                   const Rect& item = kItem) {
    const std::string noCall;
    RecordingCanvas canvas;
    PaintInfoButton(canvas, item, InfoButtonView{noCall, 1, kRow80m, prefixes});
    return canvas.calls;
}

std::vector<std::string> PaintTable(int band, const std::vector<std::string>& row = kRow80m) {
    const std::string call = "DL1ABC";
    const std::vector<std::string> prefixes = {"DL"};
    RecordingCanvas canvas;
    PaintInfoButton(canvas, kItem, InfoButtonView{call, band, row, prefixes});
    return canvas.calls;
}

}  // namespace

TEST(InfoButtonPainter, EmptyListDrawsOnlyTheFill) {
    const std::vector<std::string> none;
    EXPECT_THAT(PaintList(none), ElementsAre("fill (0,0,300,200) 00C6FAFF", "bkmode transparent"));
}

TEST(InfoButtonPainter, PrefixesAreDrawnInTheOrderOfTheList) {
    // The results summary keeps the list sorted; the paint neither sorts nor changes it.
    EXPECT_THAT(
        PaintList({"OK", "DL", "YO", "EA"}),
        ElementsAre("fill (0,0,300,200) 00C6FAFF", "bkmode transparent", "textout 5,15 'OK'",
                    "textout 45,15 'DL'", "textout 85,15 'YO'", "textout 125,15 'EA'"));
}

TEST(InfoButtonPainter, SevenPerLineAtWidth300ThenWrap) {
    const std::vector<std::string> prefixes = {"A1", "A2", "A3", "A4", "A5",
                                               "A6", "A7", "A8", "A9"};
    RecordingCanvas canvas;
    const std::string noCall;
    PaintInfoButton(canvas, kItem, InfoButtonView{noCall, 0, kRow80m, prefixes});
    EXPECT_THAT(canvas.Only("textout"),
                ElementsAre("textout 5,15 'A1'", "textout 45,15 'A2'", "textout 85,15 'A3'",
                            "textout 125,15 'A4'", "textout 165,15 'A5'", "textout 205,15 'A6'",
                            "textout 245,15 'A7'", "textout 5,30 'A8'", "textout 45,30 'A9'"));
}

TEST(InfoButtonPainter, TableHighlightsTheCurrentBandButShowsThe80mRow) {
    // h = 200 / 7 = 28.
    const std::vector<std::string> header = {"textout 20,14 'Band'", "textout 100,14 'Mode'",
                                             "textout 140,0 'DL1ABC'", "textout 178,14 'Time'",
                                             "textout 260,14 'NR'"};
    const std::vector<std::string> dataLine = {"textout 20,38 '80m'", "textout 100,38 'BPSK31'",
                                               "textout 180,38 '18:05'", "textout 260,38 '005'"};
    for (int band : {1, 3}) {
        std::vector<std::string> expected = {"fill (0,0,300,200) 00C6FFFF",
                                             "fill (0," + std::to_string(28 * band + 10) + ",300," +
                                                 std::to_string(28 * (band + 1)) + ") 00FFFFC6",
                                             "bkmode transparent"};
        expected.insert(expected.end(), header.begin(), header.end());
        expected.insert(expected.end(), dataLine.begin(), dataLine.end());
        EXPECT_EQ(PaintTable(band), expected) << band;
    }
}

TEST(InfoButtonPainter, ShortRowDrawsTheCellsItHas) {
    // Before the first contest start the rows are empty.
    const auto calls = PaintTable(0, {});
    EXPECT_EQ(calls.size(), 3u + 5u);
    const auto partial = PaintTable(0, {"80m", "-"});
    EXPECT_EQ(partial.back(), "textout 100,38 '-'");
}

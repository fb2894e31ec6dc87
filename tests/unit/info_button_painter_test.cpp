// Layout of the information button: the worked-prefix flow and the previous-QSO table.
#include "ui/controls/portable/info_button_painter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "recording_canvas.h"

using ::testing::ElementsAre;

namespace {

const Rect kItem{0, 0, 300, 200};
const std::vector<std::string> kRow80m = {"80m", "BPSK31", "18:05", "005", "   -"};

std::vector<std::string> PaintList(std::vector<std::string>& prefixes, const Rect& item = kItem) {
    const std::string noCall;
    RecordingCanvas canvas;
    PaintInfoButton(canvas, item, InfoButtonView{noCall, 1, kRow80m, prefixes});
    return canvas.calls;
}

std::vector<std::string> PaintTable(int band, const std::vector<std::string>& row = kRow80m) {
    const std::string call = "DL1ABC";
    std::vector<std::string> prefixes = {"DL"};
    RecordingCanvas canvas;
    PaintInfoButton(canvas, kItem, InfoButtonView{call, band, row, prefixes});
    return canvas.calls;
}

}  // namespace

TEST(InfoButtonPainter, EmptyListDrawsOnlyTheFill) {
    std::vector<std::string> none;
    EXPECT_THAT(PaintList(none), ElementsAre("fill (0,0,300,200) 00C6FAFF", "bkmode transparent"));
}

TEST(InfoButtonPainter, PrefixesAreDrawnSortedAndTheSharedListStaysSorted) {
    std::vector<std::string> prefixes = {"OK", "DL", "YO", "EA"};
    EXPECT_THAT(
        PaintList(prefixes),
        ElementsAre("fill (0,0,300,200) 00C6FAFF", "bkmode transparent", "textout 5,15 'DL'",
                    "textout 45,15 'EA'", "textout 85,15 'OK'", "textout 125,15 'YO'"));
    EXPECT_THAT(prefixes, ElementsAre("DL", "EA", "OK", "YO"));

    // Byte-wise: digits before capitals before small letters before bytes above 127.
    std::vector<std::string> mixed = {"\xC4Z", "ok", "OK", "9A", "O"};
    SortPrefixesInPlace(mixed);
    EXPECT_THAT(mixed, ElementsAre("9A", "O", "OK", "ok", "\xC4Z"));
}

TEST(InfoButtonPainter, SevenPerLineAtWidth300ThenWrap) {
    std::vector<std::string> prefixes = {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"};
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

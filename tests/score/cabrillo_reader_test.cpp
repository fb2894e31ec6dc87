// The Cabrillo reader: QSO lines of both versions, as the plug-in itself writes them too.
#include <gtest/gtest.h>

#include "host/common/cabrillo_reader.h"

TEST(CabrilloReader, ReadsQsoLinesAndTheOwnCall) {
    const std::string log =
        "START-OF-LOG: 3.0\r\nCALLSIGN: YO8SRN\r\nCONTEST: SARNET\r\n"
        "QSO:  3580 RY 2026-12-07 1805 YO8SRN        599 001NT  YO3ABC        599 012BV\r\n"
        "QSO: 3581 PH 2026-12-07 1806 YO8SRN 59 002 DL1AB 59 17 1\r\n"
        "qso: 3582 DG 2026-12-07 1807 YO8SRN 003 OE1XY 044\r\n"
        "QSO: 3583 RY 2026-12-07 1808 YO8SRN 599 004 YO9ZZ 599 012 BV\r\n"
        "X-QSO: 3583 RY 2026-12-07 1808 YO8SRN 599 004 YO9ZZ 599 012 BV\r\n"
        "END-OF-LOG:\r\n";
    ASSERT_TRUE(LooksLikeCabrillo(log));
    const LogReadResult read = ParseCabrillo(log, "log.cbr");
    ASSERT_FALSE(read.errors.Any()) << read.errors.listed[0].Format();
    EXPECT_EQ(read.ownCall, "YO8SRN");
    ASSERT_EQ(read.qsos.size(), 4u);
    const LogQso& first = read.qsos[0];
    EXPECT_EQ(first.recordNumber, 4u);
    EXPECT_EQ(first.frequencyHz, 3580000u);
    EXPECT_EQ(first.band, "80m");
    EXPECT_EQ(first.mode, "BPSK31");
    EXPECT_DOUBLE_EQ(first.days, 46363.0 + (18 * 60 + 5) / 1440.0);
    EXPECT_EQ(first.ownCall, "YO8SRN");
    EXPECT_EQ(first.rstSent, "599");
    EXPECT_EQ(first.exchSent, "001NT");
    EXPECT_EQ(first.call, "YO3ABC");
    EXPECT_EQ(first.rstRcvd, "599");
    EXPECT_EQ(first.exchRcvd, "012BV");
    // Transmitter id dropped; other modes pass through for the plug-in to judge.
    EXPECT_EQ(read.qsos[1].mode, "PH");
    EXPECT_EQ(read.qsos[1].exchRcvd, "17");
    // Halves of two: call and exchange, no RST.
    EXPECT_EQ(read.qsos[2].call, "OE1XY");
    EXPECT_EQ(read.qsos[2].rstRcvd, "");
    EXPECT_EQ(read.qsos[2].exchRcvd, "044");
    // An exchange of several parts keeps one blank between them.
    EXPECT_EQ(read.qsos[3].exchRcvd, "012 BV");
    EXPECT_EQ(read.qsos[3].exchSent, "004");
}

TEST(CabrilloReader, MalformedLogsNameLineAndField) {
    const auto error = [](const std::string& text) {
        const LogReadResult read = ParseCabrillo(text, "log.cbr");
        return read.errors.Any() ? read.errors.listed[0].Format() : std::string();
    };
    EXPECT_EQ(error("START-OF-LOG: 3.0\nCALLSIGN: YO8SRN\nEND-OF-LOG:\n"),
              "log.cbr: no QSO: lines in this Cabrillo log");
    EXPECT_EQ(error(""), "log.cbr: the file is empty");
    EXPECT_EQ(error("START-OF-LOG: 2.0\nQSO: 3580 RY 2026-12-07 1805 YO8SRN 599 001\n"),
              "log.cbr: line 2: a QSO line needs frequency, mode, date, time and the sent and "
              "received call and exchange (7 fields found)");
    EXPECT_EQ(error("QSO: 3580 RY 2026-13-07 1805 YO8SRN 599 001 DL1A 599 002\n"),
              "log.cbr: line 1 (DL1A), field date: \"2026-13-07\" is not a YYYY-MM-DD date");
    EXPECT_EQ(error("QSO: 3580 RY 2026-12-07 18:05 YO8SRN 599 001 DL1A 599 002\n"),
              "log.cbr: line 1 (DL1A), field time: \"18:05\" is not an HHMM time");
    EXPECT_EQ(error("QSO: 3.5 RY 2026-12-07 1805 YO8SRN 599 001 DL1A 599 002\n"),
              "log.cbr: line 1 (DL1A), field frequency: \"3.5\" is not a frequency in kHz");
    EXPECT_EQ(error("QSO: 3580 RY 2026-12-07 1805 YO8SRN 599 001 D\xC3\xBC"
                    "1A 599 002\n"),
              "log.cbr: line 1 (D??1A), field call: \"D??1A\" is not a call sign (non-ASCII byte)");
    EXPECT_FALSE(LooksLikeCabrillo("<CALL:4>DL1A<EOR>"));
}

TEST(CabrilloReader, FrequencyBeyondThePluginsRangeIsNoneAsInAdif) {
    // 4 298 548 kHz in hertz does not fit 32 bits; cut to them it would be 3 580 704 Hz, a
    // frequency on 80 m.
    const LogReadResult read =
        ParseCabrillo("QSO: 4298548 RY 2026-12-07 1805 YO8SRN 599 001 DL1A 599 002\n", "log.cbr");
    ASSERT_FALSE(read.errors.Any()) << read.errors.listed[0].Format();
    ASSERT_EQ(read.qsos.size(), 1u);
    EXPECT_EQ(read.qsos[0].frequencyHz, 0u);
    EXPECT_EQ(read.qsos[0].band, "");
}

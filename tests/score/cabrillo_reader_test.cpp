// The Cabrillo reader: QSO lines of both versions, as the plug-in itself writes them too.
#include <gtest/gtest.h>

#include "host/common/cabrillo_reader.h"
#include "host/common/log_input.h"

namespace {

// Each QSO as "own call: RST exchange > call: RST exchange".
std::vector<std::string> Split(const LogReadResult& read) {
    std::vector<std::string> lines;
    for (const LogQso& qso : read.qsos) {
        lines.push_back(qso.ownCall + ": " + qso.rstSent + " " + qso.exchSent + " > " + qso.call +
                        ": " + qso.rstRcvd + " " + qso.exchRcvd);
    }
    return lines;
}

std::vector<std::string> Messages(const InputErrors& errors) {
    std::vector<std::string> messages;
    for (const InputError& error : errors.listed) {
        messages.push_back(error.Format());
    }
    return messages;
}

}  // namespace

TEST(CabrilloReader, ReadsQsoLinesAndTheOwnCall) {
    const std::string log =
        "START-OF-LOG: 3.0\r\nCALLSIGN: YO8SRN\r\nCONTEST: SARNET\r\n"
        "QSO:  3580 RY 2026-12-07 1805 YO8SRN        599 001NT  YO3ABC        599 012BV\r\n"
        "QSO: 3581 PH 2026-12-07 1806 YO8SRN 59 002 DL1AB 59 17\r\n"
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
    // Other modes pass through for the plug-in to judge.
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
              "log.cbr: line 2, field call: no part after the sent exchange is a call sign: the "
              "worked call is missing");
    EXPECT_EQ(error("START-OF-LOG: 2.0\nQSO: 3580 RY 2026-12-07 1805 YO8SRN\n"),
              "log.cbr: line 2, field call: a QSO line needs frequency, mode, date, time, the sent "
              "call and "
              "exchange and the received call and exchange (5 fields found)");
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

TEST(CabrilloReader, ExchangesOfSeveralPartsWithNamesSerialsAndSlashes) {
    // Sent "599 HANS/124", received "599 MICHAEL 217": the halves differ in length, and a
    // name with a slash or a digit is no call.
    const LogReadResult read = ParseLog(
        "START-OF-LOG: 3.0\n"
        "CALLSIGN: DL1HAN\n"
        "QSO:  3580 PSK 2026-12-06 1600 DL1HAN 599 HANS/124 IK2VAN 599 MICHAEL 217\n"
        "QSO:  3581 PSK 2026-12-06 1602 DL1HAN 599 HANS/125 OK1ABC 599 JAN 12\n"
        "QSO: 14082 PSK 2026-12-06 1603 DL1HAN 599 HANS/126 S51AB 599 MIRO2 5\n"
        "QSO:  3582 PSK 2026-12-06 1605 DL1HAN/P 599 HANS/127 YO3XYZ 599 VANNI164\n"
        "QSO:  3583 PSK 2026-12-06 1606 DL1HAN 599 HANS/128 9A1AA ANTE 33\n"
        "END-OF-LOG:\n",
        "hans.log");
    EXPECT_TRUE(Messages(read.errors).empty()) << Messages(read.errors)[0];
    EXPECT_TRUE(Messages(read.warnings).empty()) << Messages(read.warnings)[0];
    EXPECT_EQ(Split(read), (std::vector<std::string>{
                               "DL1HAN: 599 HANS/124 > IK2VAN: 599 MICHAEL 217",
                               "DL1HAN: 599 HANS/125 > OK1ABC: 599 JAN 12",
                               "DL1HAN: 599 HANS/126 > S51AB: 599 MIRO2 5",
                               "DL1HAN/P: 599 HANS/127 > YO3XYZ: 599 VANNI164",
                               "DL1HAN: 599 HANS/128 > 9A1AA:  ANTE 33",
                           }));
}

TEST(CabrilloReader, FixedColumnsWithADistrictCodeATransmitterIdAndComments) {
    // The sent district code C25 repeats on every line and is never the worked call, also
    // where the received exchange is missing or a comment follows it.
    const LogReadResult read = ParseLog(
        "START-OF-LOG: 3.0\r\n"
        "CALLSIGN: DK2ZZ\r\n"
        "QSO:  3585 DG 2026-12-06 1600 DK2ZZ         599 C25    DH8WG         599 X13    0\r\n"
        "QSO:  3587 DG 2026-12-06 1601 DK2ZZ         599 C25    DL5ABC        599 Q05    0\r\n"
        "QSO:  3588 DG 2026-12-06 1603 DK2ZZ         599 C25    DF1XX                    0\r\n"
        "QSO:  3589 DG 2026-12-06 1604 DK2ZZ         599 C25    DH8WG         599 X13   dupe 0\r\n"
        "QSO:  3590 DG 2026-12-06 1605 DK2ZZ         599 C25    DJ9AB         599 023    0\r\n"
        "QSO:  3591 DG 2026-12-06 1606 DK2ZZ         599 C25    YO2AB         599 012 TM 0\r\n"
        "QSO:  3592 DG 2026-12-06 1607 DK2ZZ         599 C25    OE3XYZ        15         0\r\n"
        "END-OF-LOG:\r\n",
        "dk2zz.log");
    EXPECT_TRUE(Messages(read.errors).empty()) << Messages(read.errors)[0];
    EXPECT_EQ(Split(read), (std::vector<std::string>{
                               "DK2ZZ: 599 C25 > DH8WG: 599 X13",
                               "DK2ZZ: 599 C25 > DL5ABC: 599 Q05",
                               "DK2ZZ: 599 C25 > DF1XX:  ",
                               "DK2ZZ: 599 C25 > DH8WG: 599 X13",
                               "DK2ZZ: 599 C25 > DJ9AB: 599 023",
                               "DK2ZZ: 599 C25 > YO2AB: 599 012 TM",
                               "DK2ZZ: 599 C25 > OE3XYZ:  15",
                           }));
    EXPECT_EQ(Messages(read.warnings),
              (std::vector<std::string>{"dk2zz.log: line 6: \"dupe\" after the received exchange "
                                        "is taken for a comment, not a part of it"}));
}

TEST(CabrilloReader, TabsLowerCaseByteOrderMarkAndLineEnds) {
    const LogReadResult read = ParseLog(
        "\xEF\xBB\xBFstart-of-log: 2.0\r\ncallsign: yo8srn\r\n"
        "qso:\t3580\tpsk31\t2026-12-06\t1600\tyo8srn\t599\t001nt\tyo3abc\t599\t012bv\r\n"
        "qso:\t3580\tpsk31\t2026-12-06\t1601\tyo8srn\t599\t002nt\tdl1abcd\t599\t7\r\n"
        "qso:\t3580\tpsk31\t2026-12-06\t160215\tyo8srn\t599\t003nt\tok2pp\t5\r\n",
        "op.cbr");
    EXPECT_TRUE(Messages(read.errors).empty()) << Messages(read.errors)[0];
    EXPECT_EQ(read.ownCall, "yo8srn");
    EXPECT_EQ(Split(read), (std::vector<std::string>{
                               "yo8srn: 599 001nt > yo3abc: 599 012bv",
                               "yo8srn: 599 002nt > dl1abcd: 599 7",
                               "yo8srn: 599 003nt > ok2pp:  5",
                           }));
    ASSERT_EQ(read.qsos.size(), 3u);
    EXPECT_EQ(read.qsos[0].mode, "BPSK31");
    EXPECT_EQ(read.qsos[0].loggedMode, "psk31");
    // A time with seconds is read, and said once.
    EXPECT_EQ(Messages(read.warnings),
              (std::vector<std::string>{"op.cbr: line 5, field time: \"160215\" is a time with "
                                        "seconds (HHMMSS), read as such"}));
    EXPECT_NEAR(read.qsos[2].days - read.qsos[1].days, 75.0 / 86400, 1e-9);
}

TEST(CabrilloReader, ALineTheLayoutCannotDecideIsNamedAndBadLinesLeaveTheRest) {
    // A sent locator has a call sign's shape; in a log of one line nothing tells it from
    // the worked call. The line with a bad time is an error; the others are kept.
    const LogReadResult read = ParseLog(
        "START-OF-LOG: 3.0\nCALLSIGN: DL1ABC\n"
        "QSO: 144300 PH 2026-12-06 1600 DL1ABC 59 001 JO40AB OK1XYZ 59 002 JN79AA\n"
        "QSO: 144300 PH 2026-12-06 16:01 DL1ABC 59 002 JO40AB OK1XY 59 003 JN79AB\n",
        "vhf.log");
    EXPECT_EQ(Messages(read.warnings),
              (std::vector<std::string>{
                  "vhf.log: line 3 (JO40AB), field call: both \"JO40AB\" and \"OK1XYZ\" could be "
                  "the worked call, and the log's other lines do not tell: read \"JO40AB\""}));
    EXPECT_EQ(Messages(read.errors),
              (std::vector<std::string>{"vhf.log: line 4 (JO40AB), field time: \"16:01\" is not "
                                        "an HHMM time"}));
    EXPECT_EQ(read.qsos.size(), 1u);
}

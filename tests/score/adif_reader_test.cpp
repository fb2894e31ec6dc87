// The ADIF reader and the mapping of its fields to the QSOs fed to the plug-in.
#include <gtest/gtest.h>

#include "host/common/adif_conversion.h"
#include "host/common/adif_reader.h"
#include "host/common/automation_date.h"

namespace {

// Every error of the log, one per line.
std::string ErrorOf(std::string_view bytes) {
    const LogReadResult log = ReadAdifLog(bytes, "log.adi");
    std::string text;
    for (const InputError& error : log.errors.listed) {
        text += (text.empty() ? "" : "\n") + error.Format();
    }
    return text;
}

constexpr const char* kQso =
    "<CALL:6>YO3ABC<QSO_DATE:8>20261207<TIME_ON:4>1805<BAND:3>80m<FREQ:5>3.580"
    "<MODE:3>PSK<SUBMODE:6>BPSK31<RST_SENT:3>599<RST_RCVD:3>599<STX_STRING:3>001"
    "<SRX_STRING:6>012 BV<STATION_CALLSIGN:6>YO8SRN<EOR>\n";

}  // namespace

TEST(AdifReader, LengthsCountBytesNamesIgnoreCaseAndTypesAreAccepted) {
    // "Ștefan" is 7 bytes in UTF-8: the value must not swallow the next tag.
    const std::string bytes =
        "free header text <adif_ver:5>3.1.4 <eoh>\n"
        "<call:6>YO3ABC <Name:7>\xC8\x98tefan <Qso_Date:8:D>20261207 <eor>\n"
        "<CALL:4>DL1A<QSO_DATE:8>20261207<EOR>";
    const AdifParseResult parsed = ParseAdif(bytes, "log.adi");
    ASSERT_FALSE(parsed.error) << parsed.error->Format();
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(*parsed.records[0].Find("CALL"), "YO3ABC");
    EXPECT_EQ(*parsed.records[0].Find("NAME"), "\xC8\x98tefan");
    EXPECT_EQ(*parsed.records[0].Find("QSO_DATE"), "20261207");
    EXPECT_EQ(parsed.records[0].Find("ADIF_VER"), nullptr);
    EXPECT_EQ(parsed.records[1].number, 2u);
}

TEST(AdifReader, HeaderIsOptionalAndEmptyRecordsAreSkipped) {
    const AdifParseResult parsed = ParseAdif("<CALL:4>DL1A<EOR><EOR>\n<CALL:4>OE1B<EOR>", "x");
    ASSERT_FALSE(parsed.error);
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(*parsed.records[1].Find("CALL"), "OE1B");
    // A file that opens with header fields closed by <EOH> does not count them as a record.
    const AdifParseResult withHeader = ParseAdif("<ADIF_VER:5>3.1.4<EOH><CALL:4>DL1A<EOR>", "x");
    ASSERT_EQ(withHeader.records.size(), 1u);
    EXPECT_EQ(withHeader.records[0].Find("ADIF_VER"), nullptr);
}

TEST(AdifReader, MalformedInputNamesFileRecordAndField) {
    EXPECT_EQ(ErrorOf(""), "log.adi: the file is empty");
    EXPECT_EQ(ErrorOf(" \r\n"), "log.adi: the file is empty");
    EXPECT_EQ(ErrorOf("header only <EOH>\n"), "log.adi: no QSO records (no <EOR> found)");
    EXPECT_EQ(ErrorOf(std::string(kQso) + "<CALL:4>DL1A<QSO_DATE:8>2026"),
              "log.adi: line 2, record 2 (DL1A), field QSO_DATE: length 8 is longer than the rest "
              "of the file "
              "(4 bytes)");
    EXPECT_EQ(ErrorOf(std::string(kQso) + "<CALL:4>DL1A<QSO_DATE:8>20261207"),
              "log.adi: line 2, record 2 (DL1A), field QSO_DATE: the record is truncated: no <EOR> "
              "follows it");
    EXPECT_EQ(ErrorOf("<CALL:x4>DL1A<EOR>"),
              "log.adi: line 1, record 1, field CALL: length \"x4\" is not a number");
    EXPECT_EQ(ErrorOf("<CALL:>DL1A<EOR>"),
              "log.adi: line 1, record 1, field CALL: length \"\" is not a number");
    EXPECT_EQ(ErrorOf("<CALL:99999999999>DL1A<EOR>"),
              "log.adi: line 1, record 1, field CALL: length \"99999999999\" is not a number");
    EXPECT_EQ(ErrorOf("<CALL:4>DL1A<EOR><CALL:4"),
              "log.adi: line 1, record 1 (DL1A), field QSO_DATE: missing\n"
              "log.adi: line 1, record 2: tag \"<CALL:4\" is never closed by '>'");
    EXPECT_EQ(ErrorOf("<CALL>DL1A<EOR>"),
              "log.adi: line 1, record 1, field CALL: the tag has no length");
    EXPECT_EQ(ErrorOf("<:4>DL1A<EOR>"), "log.adi: line 1, record 1: a tag without a field name");
}

TEST(AdifReader, LengthsThatCutAValueAndFilesWithoutEorAreNamed) {
    // The length rules, as ADIF says, and the reader is told: a length one short cuts a
    // call, one too long runs into the next tag. A byte-order mark is no part of the text.
    const LogReadResult read = ReadAdifLog(
        "\xEF\xBB\xBF<CALL:2>OT8P <QSO_DATE:8>20261207<TIME_ON:4>1805<OPERATOR:6>YO8SRN<EOR>\n"
        "<CALL:5>DL1AB<QSO_DATE:8>20261207<TIME_ON:4>1806<OPERATOR:7>YO8SRN<EOR>\n"
        "<CALL:4>OE1X<QSO_DATE:8>20261207<TIME_ON:4>1807<EOR>\n",
        "log.adi");
    std::vector<std::string> warnings;
    for (const InputError& warning : read.warnings.listed) {
        warnings.push_back(warning.Format());
    }
    EXPECT_EQ(warnings,
              (std::vector<std::string>{
                  "log.adi: line 1, record 1 (OT), field CALL: length 2 leaves \"8P\" before the "
                  "next tag: \"OT\" is read (the stated length rules)",
                  "log.adi: line 2, record 2 (DL1AB), field OPERATOR: length 7 leaves \"EOR>\" "
                  "before the next tag: \"YO8SRN<\" is read (the stated length rules)"}));
    ASSERT_FALSE(read.errors.Any()) << read.errors.listed[0].Format();
    ASSERT_EQ(read.qsos.size(), 2u);
    EXPECT_EQ(read.qsos[0].call, "OT");

    std::string noEor = "<ADIF_VER:5>3.1.0<EOH>\n";
    for (int i = 0; i < 61; ++i) {
        noEor += "<CALL:4>DL1A<QSO_DATE:8>20261207<TIME_ON:4>1805\n";
    }
    EXPECT_EQ(ErrorOf(noEor),
              "log.adi: no <EOR> anywhere in the file: its 61 QSO records (61 CALL fields) are "
              "never closed; ADIF ends every record with <EOR>");
}

TEST(AdifConversion, MapsFieldsAsTheHostPassesThem) {
    const std::string bytes = std::string(kQso) +
                              "<call:4>DL1A<qso_date:8>20261207<time_on:6>180530<freq:7>3.58012"
                              "<mode:5>psk31<stx:1>2<srx:2>17<operator:5>YO8SR<APP_X_Y:3>abc<eor>";
    const LogReadResult log = ConvertAdifRecords(ParseAdif(bytes, "log.adi"), "log.adi");
    ASSERT_FALSE(log.errors.Any()) << log.errors.listed[0].Format();
    ASSERT_EQ(log.qsos.size(), 2u);
    const LogQso& first = log.qsos[0];
    EXPECT_EQ(first.call, "YO3ABC");
    EXPECT_DOUBLE_EQ(first.days, 46363.0 + (18 * 60 + 5) / 1440.0);
    EXPECT_EQ(first.frequencyHz, 3580000u);
    EXPECT_EQ(first.band, "80m");
    EXPECT_EQ(first.mode, "BPSK31");
    EXPECT_EQ(first.exchSent, "001");
    EXPECT_EQ(first.exchRcvd, "012 BV");  // the plug-in itself drops the blank
    EXPECT_EQ(first.ownCall, "YO8SRN");
    const LogQso& second = log.qsos[1];
    EXPECT_DOUBLE_EQ(second.days, 46363.0 + (18 * 3600 + 5 * 60 + 30) / 86400.0);
    EXPECT_EQ(second.frequencyHz, 3580120u);
    EXPECT_EQ(second.band, "80m");  // from the frequency
    EXPECT_EQ(second.mode, "BPSK31");
    EXPECT_EQ(second.exchSent, "2");
    EXPECT_EQ(second.exchRcvd, "17");
    EXPECT_EQ(second.ownCall, "YO8SR");
}

TEST(AdifConversion, FrequenciesInMegahertz) {
    std::uint64_t hz = 1;
    EXPECT_TRUE(ParseMegahertz("3.58", &hz));
    EXPECT_EQ(hz, 3580000u);
    EXPECT_TRUE(ParseMegahertz("14", &hz));
    EXPECT_EQ(hz, 14000000u);
    EXPECT_TRUE(ParseMegahertz(".5", &hz));
    EXPECT_EQ(hz, 500000u);
    EXPECT_TRUE(ParseMegahertz("3.5801239", &hz));  // below a hertz is dropped
    EXPECT_EQ(hz, 3580123u);
    EXPECT_TRUE(ParseMegahertz("10368.1", &hz));
    EXPECT_EQ(hz, 10368100000u);
    EXPECT_TRUE(ParseMegahertz("1000001", &hz));  // beyond any band
    EXPECT_EQ(hz, 0u);
    EXPECT_FALSE(ParseMegahertz("3,58", &hz));
    EXPECT_FALSE(ParseMegahertz("", &hz));
    EXPECT_FALSE(ParseMegahertz(".", &hz));
    EXPECT_FALSE(ParseMegahertz("-3.5", &hz));
}

TEST(AdifConversion, BadFieldsAreNamed) {
    const auto error = [](const std::string& record) { return ErrorOf(record + "<EOR>"); };
    EXPECT_EQ(error("<QSO_DATE:8>20261207<TIME_ON:4>1805"),
              "log.adi: line 1, record 1, field CALL: missing");
    EXPECT_EQ(error("<CALL:4>DL1A<TIME_ON:4>1805"),
              "log.adi: line 1, record 1 (DL1A), field QSO_DATE: missing");
    EXPECT_EQ(
        error("<CALL:4>DL1A<QSO_DATE:8>20260231<TIME_ON:4>1805"),
        "log.adi: line 1, record 1 (DL1A), field QSO_DATE: \"20260231\" is not a YYYYMMDD date");
    EXPECT_EQ(error("<CALL:4>DL1A<QSO_DATE:10>2026-12-07<TIME_ON:4>1805"),
              "log.adi: line 1, record 1 (DL1A), field QSO_DATE: \"2026-12-07\" is not a YYYYMMDD "
              "date");
    EXPECT_EQ(error("<CALL:4>DL1A<QSO_DATE:8>20261207<TIME_ON:4>2460"),
              "log.adi: line 1, record 1 (DL1A), field TIME_ON: \"2460\" is not HHMM or HHMMSS");
    EXPECT_EQ(error("<CALL:4>DL1A<QSO_DATE:8>20261207<TIME_ON:4>1805<FREQ:4>3.5a"),
              "log.adi: line 1, record 1 (DL1A), field FREQ: \"3.5a\" is not a frequency in MHz");
    EXPECT_EQ(error("<CALL:5>D\xC3\xBC"
                    "1A<QSO_DATE:8>20261207<TIME_ON:4>1805"),
              "log.adi: line 1, record 1 (D??1A), field CALL: \"D??1A\" is not a call sign (blank "
              "or non-ASCII byte)");
}

TEST(AdifConversion, EveryBadRecordOfALogInOnePass) {
    std::string log = "<EOH>\n";
    for (int i = 0; i < 25; ++i) {
        log += "<CALL:4>DL1A<QSO_DATE:8>20261207<TIME_ON:4>" +
               std::string(i % 5 == 0 ? "2400" : "1805") + "<EOR>\n";
    }
    log += "<CALL:4>OE1B<QSO_DATE:8>20261232<TIME_ON:4>1805<EOR>\n<CALL:4>OE1C<EOR";
    const LogReadResult read = ReadAdifLog(log, "log.adi");
    // The records that could be read are kept for a host that uses them.
    EXPECT_EQ(read.qsos.size(), 20u);
    ASSERT_EQ(read.errors.total, 7u);
    EXPECT_EQ(read.errors.listed[1].Format(),
              "log.adi: line 7, record 6 (DL1A), field TIME_ON: \"2400\" is not HHMM or HHMMSS");
    EXPECT_EQ(read.errors.listed[5].Format(),
              "log.adi: line 27, record 26 (OE1B), field QSO_DATE: \"20261232\" is not a YYYYMMDD "
              "date");
    // The broken tag ends the scan; what came before it is all listed.
    EXPECT_EQ(read.errors.listed[6].Format(),
              "log.adi: line 28, record 27 (OE1C): tag \"<EOR\" is never closed by '>'");
    std::string many;
    for (int i = 0; i < 30; ++i) {
        many += "<CALL:4>DL1A<EOR>\n";
    }
    const LogReadResult manyErrors = ReadAdifLog(many, "log.adi");
    EXPECT_EQ(manyErrors.errors.total, 30u);
    EXPECT_EQ(manyErrors.errors.listed.size(), kListedInputErrors);
}

TEST(AutomationDate, CalendarRoundTripAndStrictParsing) {
    CivilTime time{1899, 12, 30, 0, 0, 0};
    EXPECT_DOUBLE_EQ(ToAutomationDate(time), 0.0);
    time = {2000, 2, 29, 12, 0, 0};
    const double days = ToAutomationDate(time);
    EXPECT_DOUBLE_EQ(days, 36585.5);
    const CivilTime back = FromAutomationDate(days);
    EXPECT_EQ(back.year, 2000);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 29);
    EXPECT_TRUE(ParseDate("20240229"));
    EXPECT_FALSE(ParseDate("20230229"));
    EXPECT_FALSE(ParseDate("2026120"));
    EXPECT_FALSE(ParseDate("2026-1-07"));
    EXPECT_TRUE(ParseTimeOfDay("235959", &time));
    EXPECT_FALSE(ParseTimeOfDay("18:05", &time));
    EXPECT_FALSE(ParseTimeOfDay("180", &time));
}

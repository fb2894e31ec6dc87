// The Cabrillo export: header from the settings and the dialog, QSO selection and lines,
// the file written byte for byte, and a failed write that keeps the earlier file.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine_state.h"
#include "platform/settings.h"
#include "reports/cabrillo_export.h"
#include "reports/replace_all.h"
#include "test_support.h"

namespace {

const DateTime kStart = MakeDate(2018, 3, 3, 12);
const DateTime kEnd = MakeDate(2018, 3, 4, 18);

bool PressOk(CabrilloHeaderFields&) {
    return true;
}

bool PressCancel(CabrilloHeaderFields&) {
    return false;
}

// The header up to SOAPBOX for the fields most tests leave at their defaults.
std::string Header(const std::string& call, const std::string& address = "",
                   const std::string& soapbox = "") {
    return "START-OF-LOG: 2.0\r\nCALLSIGN: " + call +
           "\r\nCATEGORY: SINGLE-OP 80M\r\nCLAIMED-SCORE: 0\r\nCLUB: \r\n"
           "CONTEST: Sarnet Contest\r\nCREATED-BY: Ravo \r\nNAME: \r\nADDRESS: " +
           address + "\r\nOPERATORS: " + call + "\r\nEMAIL: \r\nSOAPBOX: " + soapbox + "\r\n";
}

// The source tree as the test program sees it; under Wine the Linux root is drive Z:.
std::string SourcePath(const std::string& relative) {
    std::string root = STATS_SOURCE_DIR;
#ifdef _WIN32
    if (!root.empty() && root[0] == '/') {
        root = "Z:" + root;
    }
#endif
    return root + "/" + relative;
}

class CabrilloExportTest : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        g_cabrilloExport = CabrilloExport();
    }
};

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlapOrRescanning) {
    EXPECT_EQ(ReplaceAll("aaaaa", "aa", "b"), "bba");
    EXPECT_EQ(ReplaceAll("a<CR>b<CR>", "<CR>", "\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(ReplaceAll("xax", "a", "aa"), "xaax");
    EXPECT_EQ(ReplaceAll("abc", "b", "b"), "abc");
    EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
}

TEST(CabrilloFileBase, ReplacesSlashesTrimsBlanksAndFallsBackToVrel) {
    EXPECT_EQ(CabrilloFileBase("YO9XYZ/P"), "YO9XYZ_P");
    EXPECT_EQ(CabrilloFileBase("EA8/YO9XYZ\\M"), "EA8_YO9XYZ_M");
    EXPECT_EQ(CabrilloFileBase(" \tYO9XYZ \r\n"), "YO9XYZ");
    EXPECT_EQ(CabrilloFileBase("   "), "VREL");
    EXPECT_EQ(CabrilloFileBase(""), "VREL");
    EXPECT_EQ(CabrilloFileBase("../YO9XYZ"), ".._YO9XYZ");
    // No drive, stream or device: the file is always a plain one in the current folder.
    EXPECT_EQ(CabrilloFileBase("C:"), "C_");
    EXPECT_EQ(CabrilloFileBase("YO9XYZ:P"), "YO9XYZ_P");
    EXPECT_EQ(CabrilloFileBase("YO9\tX|Y?Z*<>\""), "YO9_X_Y_Z____");
    EXPECT_EQ(CabrilloFileBase("CON"), "_CON");
    EXPECT_EQ(CabrilloFileBase("nul.x"), "_nul.x");
    EXPECT_EQ(CabrilloFileBase("Com1 "), "_Com1");
    EXPECT_EQ(CabrilloFileBase("LPT9 .P"), "_LPT9 .P");
    EXPECT_EQ(CabrilloFileBase("CONSOLE"), "CONSOLE");
    EXPECT_EQ(CabrilloFileBase("COM10"), "COM10");
}

// The committed golden file is also what the third-party Cabrillo parser checks.
TEST_F(CabrilloExportTest, PortableCallGivesUnderscoreFileMatchingTheGoldenFile) {
    WriteFileBytes("Ravo2.ini", "[Main]\r\nPath=C:\\Ravo\r\nRavo=2.19\r\n");
    g_claimedScore = 6;
    ASSERT_EQ(g_cabrilloExport.BeginCabrillo("YO9XYZ/P", kStart, kEnd, PressOk), 1);
    AppendRecord(MakeRecord("DL1ABC", "BPSK31", 30));
    CInfo dupe = MakeRecord("DL1ABC", "BPSK31", 31);
    dupe.m_dupe = 1;
    AppendRecord(dupe);
    CInfo wrongBand = MakeRecord("OK1XX", "BPSK31", 32);
    wrongBand.m_band = "40m";
    wrongBand.m_freqKHz = 7040;
    wrongBand.m_invalid = 1;
    AppendRecord(wrongBand);
    CInfo home = MakeRecord("YO3AAA", "BPSK31", 33);
    home.m_freqKHz = 3585;
    home.m_exchRcvd = "BV";
    AppendRecord(home);

    EXPECT_EQ(ExportCabrilloLog(), "File produced: YO9XYZ_P.cbr");
    const std::string golden = ReadFileBytes(SourcePath("tests/data/cabrillo/YO9XYZ_P.cbr"));
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(ReadFileBytes("YO9XYZ_P.cbr"), golden);
}

TEST_F(CabrilloExportTest, BlankCallWritesVrelFile) {
    // Profile-string reads treat a default of blanks differently from one system to the
    // next, so the operators are stored beforehand.
    WriteSetting("Operators", "YO9XYZ");
    ASSERT_EQ(g_cabrilloExport.BeginCabrillo("   ", kStart, kEnd, PressOk), 1);
    EXPECT_EQ(ExportCabrilloLog(), "File produced: VREL.cbr");
    std::string expected = Header("YO9XYZ") + "END-OF-LOG:\r\n";
    expected.replace(expected.find("CALLSIGN: YO9XYZ"), 16, "CALLSIGN:    ");
    EXPECT_EQ(ReadFileBytes("VREL.cbr"), expected);
}

TEST_F(CabrilloExportTest, EmptySettingsOfferDefaultsAndOkStoresEightKeysInOrder) {
    CabrilloHeaderFields shown;
    auto dialog = [&shown](CabrilloHeaderFields& fields) {
        shown = fields;
        return true;
    };
    ASSERT_EQ(g_cabrilloExport.BeginCabrillo("YO9XYZ", kStart, kEnd, dialog), 1);
    EXPECT_EQ(shown.callsign, "YO9XYZ");
    EXPECT_EQ(shown.operators, "YO9XYZ");
    EXPECT_EQ(shown.contest, " Sarnet Contest");
    EXPECT_EQ(shown.category, "SINGLE-OP 80M");
    EXPECT_EQ(shown.name + shown.address + shown.claimed + shown.email + shown.club + shown.soapbox,
              "");

    const std::string settings = ReadFileBytes(std::filesystem::path("Plugins") / "Sarnet.ini");
    size_t previous = 0;
    for (const char* key : {"Operators=YO9XYZ", "Name=", "Address=", "Category=SINGLE-OP 80M",
                            "Contest=", "Email=", "Club=", "SoapBox="}) {
        const size_t at = settings.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GE(at, previous) << key;
        previous = at;
    }
    EXPECT_EQ(settings.find("Claimed"), std::string::npos);

    EXPECT_EQ(ExportCabrilloLog(), "File produced: YO9XYZ.cbr");
    EXPECT_EQ(ReadFileBytes("YO9XYZ.cbr"), Header("YO9XYZ") + "END-OF-LOG:\r\n");
}

TEST_F(CabrilloExportTest, StoredValuesAreOfferedButCategoryAndContestAreNot) {
    WriteSetting("Operators", "YO9XYZ YO9ABC");
    WriteSetting("Name", "Ion Popescu");
    WriteSetting("Claimed", "160");
    WriteSetting("Email", "yo9xyz@example.ro");
    WriteSetting("Club", "Radioclub Brasov");
    WriteSetting("Category", "MULTI-OP ALL");
    WriteSetting("Contest", "Other Contest");
    CabrilloHeaderFields shown;
    auto dialog = [&shown](CabrilloHeaderFields& fields) {
        shown = fields;
        return true;
    };
    ASSERT_EQ(g_cabrilloExport.BeginCabrillo("YO9XYZ", kStart, kEnd, dialog), 1);
    EXPECT_EQ(shown.operators, "YO9XYZ YO9ABC");
    EXPECT_EQ(shown.claimed, "160");
    EXPECT_EQ(shown.category, "SINGLE-OP 80M");
    EXPECT_EQ(shown.contest, " Sarnet Contest");
    EXPECT_EQ(ReadSetting("Category"), "SINGLE-OP 80M");

    // CLAIMED-SCORE is the latest summary's score, not the stored text.
    g_claimedScore = 37;
    ExportCabrilloLog();
    EXPECT_EQ(ReadFileBytes("YO9XYZ.cbr"),
              "START-OF-LOG: 2.0\r\nCALLSIGN: YO9XYZ\r\nCATEGORY: SINGLE-OP 80M\r\n"
              "CLAIMED-SCORE: 37\r\nCLUB: Radioclub Brasov\r\nCONTEST: Sarnet Contest\r\n"
              "CREATED-BY: Ravo \r\nNAME: Ion Popescu\r\nADDRESS: \r\n"
              "OPERATORS: YO9XYZ YO9ABC\r\nEMAIL: yo9xyz@example.ro\r\nSOAPBOX: \r\n"
              "END-OF-LOG:\r\n");
}

TEST_F(CabrilloExportTest, TwoLineAddressIsStoredOnOneLineAndWrittenAsTwoTaggedLines) {
    auto dialog = [](CabrilloHeaderFields& fields) {
        fields.address = "Str. Lunga 1\r\nBrasov";
        fields.soapbox = "Nice contest\r\n\r\n73";
        return true;
    };
    ASSERT_EQ(g_cabrilloExport.BeginCabrillo("YO9XYZ", kStart, kEnd, dialog), 1);
    EXPECT_EQ(ReadSetting("Address"), "Str. Lunga 1<CR><LF>Brasov");
    EXPECT_EQ(ReadSetting("SoapBox"), "Nice contest<CR><LF><CR><LF>73");
    ExportCabrilloLog();
    EXPECT_EQ(ReadFileBytes("YO9XYZ.cbr"), Header("YO9XYZ", "Str. Lunga 1\r\nADDRESS: Brasov",
                                                  "Nice contest\r\nSOAPBOX: \r\nSOAPBOX: 73") +
                                               "END-OF-LOG:\r\n");

    // The next start offers the address again in lines.
    CabrilloHeaderFields shown;
    auto look = [&shown](CabrilloHeaderFields& fields) {
        shown = fields;
        return false;
    };
    g_cabrilloExport.BeginCabrillo("YO9XYZ", kStart, kEnd, look);
    EXPECT_EQ(shown.address, "Str. Lunga 1\r\nBrasov");
}

TEST_F(CabrilloExportTest, CancelSavesNothingAndStillWritesStoredHeaderInFileForm) {
    WriteSetting("Name", "Ion");
    WriteSetting("Address", "Str. Lunga 1<CR><LF>Brasov");
    WriteSetting("SoapBox", "Line one<CR><LF>Line two");
    const std::string before = ReadFileBytes(std::filesystem::path("Plugins") / "Sarnet.ini");
    EXPECT_EQ(g_cabrilloExport.BeginCabrillo("YO9XYZ", kStart, kEnd, PressCancel), 0);
    EXPECT_EQ(ReadFileBytes(std::filesystem::path("Plugins") / "Sarnet.ini"), before);

    AppendRecord(MakeRecord("DL1ABC", "BPSK31", 30));
    EXPECT_EQ(ExportCabrilloLog(), "File produced: YO9XYZ.cbr");
    const std::string file = ReadFileBytes("YO9XYZ.cbr");
    EXPECT_NE(file.find("NAME: Ion\r\nADDRESS: Str. Lunga 1\r\nADDRESS: Brasov\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("SOAPBOX: Line one\r\nSOAPBOX: Line two\r\nQSO:  3580 RY"),
              std::string::npos);
}

TEST_F(CabrilloExportTest, CallChangedInDialogChangesLinesButNotFileName) {
    auto dialog = [](CabrilloHeaderFields& fields) {
        fields.callsign = "YO9ABC";
        return true;
    };
    ASSERT_EQ(g_cabrilloExport.BeginCabrillo("YO9XYZ", kStart, kEnd, dialog), 1);
    AppendRecord(MakeRecord("DL1ABC", "BPSK31", 30));
    EXPECT_EQ(ExportCabrilloLog(), "File produced: YO9XYZ.cbr");
    const std::string file = ReadFileBytes("YO9XYZ.cbr");
    EXPECT_NE(file.find("CALLSIGN: YO9ABC\r\n"), std::string::npos);
    EXPECT_NE(file.find("OPERATORS: YO9XYZ\r\n"), std::string::npos);
    EXPECT_NE(file.find("QSO:  3580 RY 2018-03-04 1530 YO9ABC        599 001BV  DL1ABC"),
              std::string::npos);
}

TEST_F(CabrilloExportTest, QsoLinesPadButNeverCutAndOnlyExactBpsk31IsRy) {
    ASSERT_EQ(g_cabrilloExport.BeginCabrillo("YO9XYZ", kStart, kEnd, PressOk), 1);
    AppendRecord(MakeRecord("DL1ABC", "BPSK31", 30));
    AppendRecord(MakeRecord("OK1XX", "bpsk31", 31));
    CInfo wide = MakeRecord("VERYLONGCALL/QRP", "BPSK31", 32);
    wide.m_freqKHz = 123456;
    wide.m_exchSent = "0001234BV";
    AppendRecord(wide);

    ExportCabrilloLog();
    // A second summary rebuilds the lines instead of adding to them.
    ExportCabrilloLog();
    EXPECT_EQ(ReadFileBytes("YO9XYZ.cbr"),
              Header("YO9XYZ") +
                  "QSO:  3580 RY 2018-03-04 1530 YO9XYZ        599 001BV  DL1ABC        599 001\r\n"
                  "QSO:  3580 ?? 2018-03-04 1531 YO9XYZ        599 001BV  OK1XX         599 001\r\n"
                  "QSO: 123456 RY 2018-03-04 1532 YO9XYZ        599 0001234BV VERYLONGCALL/QRP "
                  "599 001\r\n"
                  "END-OF-LOG:\r\n");
}

TEST_F(CabrilloExportTest, FailedWriteKeepsThePreviousFileAndSaysSo) {
    ASSERT_EQ(g_cabrilloExport.BeginCabrillo("YO9XYZ", kStart, kEnd, PressOk), 1);
    AppendRecord(MakeRecord("DL1ABC", "BPSK31", 30));
    ASSERT_EQ(ExportCabrilloLog(), "File produced: YO9XYZ.cbr");
    const std::string previous = ReadFileBytes("YO9XYZ.cbr");

    // A folder where the temporary file would go makes the write fail.
    std::filesystem::create_directory("YO9XYZ.cbr.tmp");
    AppendRecord(MakeRecord("OK1XX", "BPSK31", 31));
    const std::string message = ExportCabrilloLog();
    const std::string prefix = "File not produced: YO9XYZ.cbr: ";
    EXPECT_EQ(message.substr(0, prefix.size()), prefix);
    EXPECT_GT(message.size(), prefix.size());
    EXPECT_EQ(ReadFileBytes("YO9XYZ.cbr"), previous);
}

#ifndef _WIN32
// Through the host's calls: natively there is no dialog, so the stored values are taken as
// if OK had been pressed. The QSO part needs QSO admission and skips itself without it.
TEST_F(CabrilloExportTest, HostCabrilloRunWritesTheLogThroughTheEntryPoints) {
    WriteSetting("Name", "Ion");
    TestStart start;
    start.cabrillo = 1;
    start.ownCall = "YO9XYZ/P";
    ASSERT_EQ(CallResetStats(start), 1);
    EXPECT_EQ(ReadSetting("Operators"), "YO9XYZ/P");
    EXPECT_EQ(ReadSetting("Category"), "SINGLE-OP 80M");
    EXPECT_EQ(ReadSetting("Start"), "0");

    // A QSO, its duplicate a minute later, and one on a wrong band.
    TestQso qso;
    qso.ownCall = "YO9XYZ/P";
    qso.time = MakeDate(2018, 3, 4, 15, 30);
    CallAddData(qso);
    qso.time = MakeDate(2018, 3, 4, 15, 31);
    CallAddData(qso);
    qso.call = "OK1XX";
    qso.band = "40m";
    qso.frequencyHz = 7040000;
    CallAddData(qso);

    int score = 0;
    GetResult0(&score);
    EXPECT_EQ(score, -1);
    const std::string file = ReadFileBytes("YO9XYZ_P.cbr");
    EXPECT_NE(file.find("NAME: Ion\r\n"), std::string::npos);
    // The exchange sent carries the own suffix that the contest start took.
    EXPECT_NE(file.find("SOAPBOX: \r\n"
                        "QSO:  3580 RY 2018-03-04 1530 YO9XYZ/P      599 001BV  DL1ABC        "
                        "599 005\r\n"
                        "QSO:  3580 RY 2018-03-04 1531 YO9XYZ/P      599 001BV  DL1ABC        "
                        "599 005\r\nEND-OF-LOG:\r\n"),
              std::string::npos)
        << file;
    EXPECT_EQ(file.find("OK1XX"), std::string::npos);
}
#endif

}  // namespace

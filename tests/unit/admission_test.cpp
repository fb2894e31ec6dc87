// QSO admission: the record, the rules in their order, the flags and the report lines.
#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "fake_status_link.h"
#include "test_support.h"

namespace {

constexpr const char* kReport = "BadQSO_StatsSarnet_07_12_2026.txt";
constexpr const char* kFirstLine = "Sarnet Contest UBN file \r\n";
// The default test QSO up to the finding's tail.
constexpr const char* kLine =
    "QSO:  3580  BPSK31  2026-12-07 1805  YO9XYZ  599  001  DL1ABC  599  005";

class Admission : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        CallResetStats(TestStart{});
    }

    static std::string Report() { return ReadFileBytes(kReport); }
    static const CInfo& Last() { return g_qsoLog[g_qsoLog.size() - 1]; }

    static TestQso Home(const std::string& exchRcvd) {
        TestQso qso;
        qso.call = "YO3ABC";
        qso.prefix = "YO";
        qso.exchRcvd = exchRcvd;
        return qso;
    }
};

TEST_F(Admission, ValidQsoIsStoredWithoutReportLine) {
    TestQso qso;
    qso.exchRcvd = "001 BV X";
    qso.extra = "extra";
    EXPECT_EQ(CallAddData(qso), 1);
    ASSERT_EQ(g_qsoLog.size(), 1u);
    const CInfo& r = Last();
    EXPECT_EQ(r.m_call, "DL1ABC");
    EXPECT_EQ(r.m_prefix, "DL");
    EXPECT_EQ(r.m_extra, "extra");
    EXPECT_EQ(r.m_band, "80m");
    EXPECT_EQ(r.m_mode, "BPSK31");
    EXPECT_EQ(r.m_exchRcvd, "001BV X");  // only the first blank goes
    EXPECT_EQ(r.m_exchSent, "001BV");    // own exchange suffix appended
    EXPECT_EQ(r.m_freqKHz, 3580u);
    EXPECT_EQ(r.m_county, "");
    EXPECT_EQ(r.m_time.days, qso.time.days);
    EXPECT_EQ(r.m_invalid + r.m_dupe + r.m_rejected, 0);
    EXPECT_EQ(Report(), kFirstLine);
}

TEST_F(Admission, ExchangeOpeningWithBlankIsStoredUnchanged) {
    TestQso qso;
    qso.exchRcvd = " 005";
    CallAddData(qso);
    EXPECT_EQ(Last().m_exchRcvd, " 005");
}

TEST_F(Admission, OnlyTheFirstFailingBasicRuleIsReported) {
    TestQso qso;
    qso.band = "40m";
    qso.mode = "RTTY";
    qso.exchSent = "";
    qso.exchRcvd = "";
    EXPECT_EQ(CallAddData(qso), 1);
    EXPECT_EQ(Last().m_invalid, 1);
    EXPECT_EQ(Last().m_rejected, 1);
    EXPECT_EQ(Last().m_dupe, 0);
    EXPECT_EQ(Report(), std::string(kFirstLine) +
                            "QSO:  3580  RTTY  2026-12-07 1805  YO9XYZ  599    DL1ABC  599     "
                            "WRONG BAND !!!\r\n");
    ASSERT_EQ(g_workedBands.size(), 1u);
    EXPECT_EQ(g_workedBands[0], "40m");
}

TEST_F(Admission, ModeAndNumberFindings) {
    TestQso qso;
    qso.mode = "PSK31";
    CallAddData(qso);
    qso.mode = "bpsk31";
    qso.call = "F5XX";
    qso.exchSent = "";
    CallAddData(qso);
    EXPECT_EQ(Report(), std::string(kFirstLine) +
                            "QSO:  3580  PSK31  2026-12-07 1805  YO9XYZ  599  001  DL1ABC  599  "
                            "005   WRONG MODE !!!\r\n"
                            "QSO:  3580  bpsk31  2026-12-07 1805  YO9XYZ  599    F5XX  599  005"
                            "   NO NUMBER !!!\r\n");
    EXPECT_EQ(g_qsoLog[1].m_rejected, 1);
}

TEST_F(Admission, FrequencyColumn) {
    TestQso qso;
    qso.band = "40m";
    qso.frequencyHz = 14070999;
    CallAddData(qso);
    qso.frequencyHz = 9999999;
    CallAddData(qso);
    qso.frequencyHz = 999;
    CallAddData(qso);
    EXPECT_EQ(g_qsoLog[2].m_freqKHz, 0u);
    const std::string rest =
        "  BPSK31  2026-12-07 1805  YO9XYZ  599  001  DL1ABC  599  005"
        "   WRONG BAND !!!\r\n";
    EXPECT_EQ(Report(), std::string(kFirstLine) + "QSO: 14070" + rest + "QSO:  9999" + rest +
                            "QSO:  0" + rest);
}

TEST_F(Admission, HomeCountyCodes) {
    CallAddData(Home("001bv"));
    EXPECT_EQ(Last().m_county, "BV");
    EXPECT_EQ(Last().m_rejected, 0);
    EXPECT_EQ(Report(), kFirstLine);

    TestQso digitLetter = Home("0015A");
    digitLetter.call = "YO4A";
    CallAddData(digitLetter);
    EXPECT_EQ(Last().m_county, "");
    EXPECT_EQ(Last().m_invalid, 1);
    EXPECT_EQ(Last().m_rejected, 1);

    TestQso oneLetter = Home("001 B");
    oneLetter.call = "YO5B";
    CallAddData(oneLetter);

    TestQso empty = Home("X");
    empty.call = "YO6C";
    empty.exchRcvd = "";
    CallAddData(empty);  // fails the number rule: no county line as well

    EXPECT_EQ(Report(), std::string(kFirstLine) +
                            "QSO:  3580  BPSK31  2026-12-07 1805  YO9XYZ  599  001  YO4A  599  "
                            "0015A  5A  YO County Code not acceptable !!!\r\n"
                            "QSO:  3580  BPSK31  2026-12-07 1805  YO9XYZ  599  001  YO5B  599  "
                            "001 B  B  YO County Code not acceptable !!!\r\n"
                            "QSO:  3580  BPSK31  2026-12-07 1805  YO9XYZ  599  001  YO6C  599  "
                            "   NO NUMBER !!!\r\n");
}

TEST_F(Admission, ForeignAndLowerCaseHomePrefixesHaveNoCounty) {
    TestQso foreign = Home("0015A");
    foreign.prefix = "DL";
    CallAddData(foreign);
    foreign.prefix = "yo";
    foreign.call = "YO7Z";
    CallAddData(foreign);
    EXPECT_EQ(g_qsoLog[0].m_rejected + g_qsoLog[1].m_rejected, 0);
    EXPECT_EQ(Report(), kFirstLine);
}

TEST_F(Admission, DuplicatesCountEveryEarlierRecord) {
    TestQso first;
    first.exchRcvd = "";  // invalid, still counts for the duplicate search
    CallAddData(first);
    TestQso second;
    second.time = MakeDate(2026, 12, 7, 19, 0);
    CallAddData(second);
    EXPECT_EQ(g_qsoLog[1].m_dupe, 1);
    EXPECT_EQ(g_qsoLog[1].m_rejected, 1);
    EXPECT_EQ(g_qsoLog[1].m_invalid, 0);
    CallAddData(second);  // repeats a duplicate
    EXPECT_EQ(g_qsoLog[2].m_dupe, 1);

    TestQso otherCase;
    otherCase.call = "dl1abc";
    CallAddData(otherCase);
    EXPECT_EQ(Last().m_dupe, 0);
    otherCase.band = "80M";
    otherCase.call = "DL1ABC";
    CallAddData(otherCase);
    EXPECT_EQ(Last().m_dupe, 0);

    EXPECT_EQ(Report(), std::string(kFirstLine) +
                            "QSO:  3580  BPSK31  2026-12-07 1805  YO9XYZ  599  001  DL1ABC  599  "
                            "   NO NUMBER !!!\r\n" +
                            "QSO:  3580  BPSK31  2026-12-07 1900  YO9XYZ  599  001  DL1ABC  599  "
                            "005   DUPE !!!\r\n" +
                            "QSO:  3580  BPSK31  2026-12-07 1900  YO9XYZ  599  001  DL1ABC  599  "
                            "005   DUPE !!!\r\n");
}

TEST_F(Admission, InvalidQsoIsNeverADuplicate) {
    TestQso qso;
    CallAddData(qso);
    qso.exchSent = "";
    CallAddData(qso);
    EXPECT_EQ(Last().m_dupe, 0);
    EXPECT_EQ(Last().m_invalid, 1);
}

TEST_F(Admission, BadCountyDuplicateWritesTwoLines) {
    CallAddData(Home("001XX"));
    CallAddData(Home("001XX"));
    const std::string line =
        "QSO:  3580  BPSK31  2026-12-07 1805  YO9XYZ  599  001  YO3ABC  599  001XX";
    EXPECT_EQ(Report(),
              std::string(kFirstLine) + line + "  XX  YO County Code not acceptable !!!\r\n" +
                  line + "  XX  YO County Code not acceptable !!!\r\n" + line + "   DUPE !!!\r\n");
    EXPECT_EQ(Last().m_dupe, 1);
    EXPECT_EQ(Last().m_invalid, 1);
}

TEST_F(Admission, WorkedBandsAreExactTexts) {
    TestQso qso;
    CallAddData(qso);
    qso.band = "80M";
    CallAddData(qso);
    qso.band = "80m";
    CallAddData(qso);
    EXPECT_EQ(g_workedBands, (StringList{"80m", "80M"}));
    EXPECT_EQ(g_qsoLog[1].m_rejected, 0);  // the band rule ignores letter case
}

TEST_F(Admission, SendsNoSignalToTheStatusWindow) {
    FakeStatusLink link;
    link.statusOpen = true;
    link.countyOpen = true;
    SetStatusLink(&link);
    g_refreshPending = 0;
    CallAddData(TestQso{});
    EXPECT_EQ(link.refreshPosts, 0);
    EXPECT_EQ(link.countyResets, 0);
    EXPECT_EQ(g_refreshPending, 0);
}

TEST_F(Admission, UnwritableReportStillLogsTheQso) {
    std::filesystem::remove(kReport);
    std::filesystem::create_directory(kReport);
    TestQso qso;
    qso.band = "40m";
    EXPECT_EQ(CallAddData(qso), 1);
    ASSERT_EQ(g_qsoLog.size(), 1u);
    EXPECT_EQ(Last().m_rejected, 1);
}

// The report is opened anew for every QSO: one deleted after the start, or not creatable
// then, is created again with its first line, also by a QSO without a finding.
TEST_F(Admission, MissingReportIsCreatedAgain) {
    std::filesystem::remove(kReport);
    CallAddData(TestQso{});
    EXPECT_EQ(Report(), kFirstLine);

    std::filesystem::remove(kReport);
    std::filesystem::create_directory(kReport);
    CallResetStats(TestStart{});
    std::filesystem::remove(kReport);
    TestQso wrongBand;
    wrongBand.band = "40m";
    CallAddData(wrongBand);
    EXPECT_EQ(Report(), std::string(kFirstLine) + kLine + "   WRONG BAND !!!\r\n");
}

}  // namespace

// The contest start: host version, the "Start" alternation and the status-window decision,
// dates, log reset, band rows and the rejected-QSO report.
#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "fake_status_link.h"
#include "platform/settings.h"
#include "test_support.h"

namespace {

class ContestStart : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        SetStatusLink(&m_link);
    }
    void WriteHostIni(const std::string& version) {
        WriteFileBytes(m_folder / "Ravo2.ini", "[Main]\r\nName=x\r\nRavo=" + version + "\r\n");
    }
    std::string HostVersion() {
        EngineLock lock(g_engineMutex);
        return g_hostVersion;
    }

    FakeStatusLink m_link;
};

}  // namespace

TEST_F(ContestStart, StartAlternatesAndOpensTheWindowEveryOtherCall) {
    WriteHostIni("2.30");
    CallResetStats(TestStart{});
    EXPECT_EQ(m_link.starts, 1);
    EXPECT_EQ(ReadSetting("Start"), "1");
    EXPECT_EQ(HostVersion(), "2.30");

    CallResetStats(TestStart{});
    EXPECT_EQ(m_link.starts, 1);
    EXPECT_EQ(ReadSetting("Start"), "0");

    CallResetStats(TestStart{});
    EXPECT_EQ(m_link.starts, 2);
    EXPECT_EQ(ReadSetting("Start"), "1");
}

TEST_F(ContestStart, OldHostVersionsNeverGetTheWindowButStillAlternate) {
    for (const char* old : {"2.18", "2.17", "2.16", "2.15", "2.14", "2.14R"}) {
        WriteSetting("Start", "0");
        WriteHostIni(old);
        CallResetStats(TestStart{});
        EXPECT_EQ(ReadSetting("Start"), "1") << old;
        CallResetStats(TestStart{});
        EXPECT_EQ(ReadSetting("Start"), "0") << old;
    }
    EXPECT_EQ(m_link.starts, 0);

    WriteHostIni("2.14r");
    CallResetStats(TestStart{});
    EXPECT_EQ(m_link.starts, 1);
}

TEST_F(ContestStart, WithoutHostIniTheVersionIsRavoAndTheWindowStarts) {
    WriteFileBytes(m_folder / "other.ini", "Ravo=2.14\r\n");
    CallResetStats(TestStart{});
    EXPECT_EQ(HostVersion(), "Ravo");
    EXPECT_EQ(m_link.starts, 1);
}

TEST_F(ContestStart, HostIniWithoutVersionLineKeepsThePreviousVersion) {
    WriteHostIni("2.15");
    CallResetStats(TestStart{});
    EXPECT_EQ(HostVersion(), "2.15");
    WriteFileBytes(m_folder / "Ravo2.ini", "[Main]\r\nNothing=here\r\n");
    CallResetStats(TestStart{});
    EXPECT_EQ(HostVersion(), "2.15");
}

TEST_F(ContestStart, VersionIsTakenFromTheSixthCharacterOfTheFirstRavoLine) {
    WriteFileBytes(m_folder / "Ravo2.ini", "xRavo=2.20\nRavo=9.99\n");
    CallResetStats(TestStart{});
    EXPECT_EQ(HostVersion(), "=2.20");
}

TEST_F(ContestStart, HostIniIsSearchedInTheHostFolderButReadFromTheCurrentOne) {
    std::filesystem::create_directories(m_folder / "host");
    WriteFileBytes(m_folder / "host" / "Ravo2.ini", "Ravo=2.14\r\n");
    WriteHostIni("3.01");
    TestStart start;
    start.hostDirectory = (m_folder / "host").string() + "/";
    CallResetStats(start);
    EXPECT_EQ(HostVersion(), "3.01");
}

TEST_F(ContestStart, AnOpenDxccWindowLeavesStartAndTheWindowAlone) {
    m_link.dxccOpen = true;
    CallResetStats(TestStart{});
    EXPECT_EQ(m_link.starts, 0);
    EXPECT_EQ(ReadSetting("Start"), "");
}

TEST_F(ContestStart, CabrilloRunEndsWithStartZeroAndNoWindow) {
    TestStart start;
    start.cabrillo = 1;
    CallResetStats(start);
    CallResetStats(start);
    EXPECT_EQ(m_link.starts, 0);
    EXPECT_EQ(ReadSetting("Start"), "0");
    EXPECT_EQ(g_cabrilloRequested, 1);
}

TEST_F(ContestStart, ReportIsCreatedWithItsFirstLineAndEmptiedOnTheNextStart) {
    const auto report = m_folder / "BadQSO_StatsSarnet_07_12_2026.txt";
    WriteFileBytes(report, "old findings\r\n");
    CallResetStats(TestStart{});
    EXPECT_EQ(ReadFileBytes(report), "Sarnet Contest UBN file \r\n");
    EXPECT_EQ(g_reportPath, "BadQSO_StatsSarnet_07_12_2026.txt");
}

TEST_F(ContestStart, DatesCallSuffixAndBandRows) {
    TestStart start;
    start.firstDate = MakeDate(2025, 12, 31, 23, 59, 59);
    start.secondDate = MakeDate(2026, 1, 1, 0, 0, 1);
    start.ownCall = "YO9ABC/P";
    start.ownExchangeSuffix = "PH";
    CallResetStats(start);
    EXPECT_EQ(g_startYear, "2025");
    EXPECT_EQ(g_contestDate, "01.01.2026");
    EXPECT_EQ(g_ownCall, "YO9ABC/P");
    EXPECT_EQ(g_ownExchangeSuffix, "PH");
    for (const StringList& row : g_bandRows) {
        EXPECT_EQ(row, (StringList{"80m", "-", "-", "-", "-"}));
    }
}

TEST_F(ContestStart, RussianCaptionsStickOnceSet) {
    TestStart start;
    start.ownExchangeSuffix = "UR";
    CallResetStats(start);
    EXPECT_EQ(g_russianCaptions, 1);
    start.ownExchangeSuffix = "BV";
    CallResetStats(start);
    EXPECT_EQ(g_russianCaptions, 1);
}

TEST_F(ContestStart, NullPointersAndInvalidDatesAreHandled) {
    EXPECT_EQ(ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                          nullptr, nullptr, nullptr),
              1);
    EXPECT_EQ(g_ownCall, "");
    EXPECT_EQ(g_startYear, "0000");
    EXPECT_TRUE(std::filesystem::exists(m_folder / "BadQSO_StatsSarnet_00_00_0000.txt"));

    TestStart start;
    start.secondDate = DateTime{46000.0, kDateInvalid};
    start.ownCall = std::string(5000, 'Y');
    CallResetStats(start);
    EXPECT_EQ(g_ownCall.size(), 5000u);
    EXPECT_EQ(g_contestDate, "00.00.0000");
}

TEST_F(ContestStart, UnwritableReportLeavesTheRunWorking) {
    std::filesystem::create_directories(m_folder / "BadQSO_StatsSarnet_07_12_2026.txt");
    EXPECT_EQ(CallResetStats(TestStart{}), 1);
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "BadQSO_StatsSarnet_07_12_2026.txt"));
    EXPECT_EQ(ReadSetting("Start"), "1");
}

// Thousands of host calls while the status window refreshes on its own thread: no crash, no
// deadlock, and the log and summary agree at the end.
#include <gtest/gtest.h>

#include <string>

#include "platform/settings.h"
#include "status_fixture.h"

namespace {

size_t CountCalls(const std::string& prefix) {
    EngineLock lock(g_engineMutex);
    size_t count = 0;
    for (const CInfo& record : g_qsoLog) {
        count += record.m_call.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    }
    return count;
}

TEST_F(StatusWindowTest, EntryPointsAndRefreshesRunTogether) {
    ASSERT_TRUE(m_host->Register());
    WriteSetting("setup_view_multiplier", "1");
    WriteSetting("setup_view_county", "1");
    ASSERT_NE(StartAndWait(), nullptr);
    Application().SetEntryLine("DL1ABC");
    const unsigned refreshesBefore = g_refreshCount;

    constexpr int kRounds = 3000;
    size_t engineKept = 0;
    size_t simulatedKept = 0;
    for (int round = 0; round < kRounds; ++round) {
        TestQso qso;
        qso.call = "DL" + std::to_string(round);
        qso.time = MakeDate(2026, 12, 7, 18 + round / 1440 % 6, round / 60 % 60, round % 60);
        CallAddData(qso);
        if (round % 3 == 0) {
            CallRemoveData(qso);
        } else {
            ++engineKept;
        }
        // The engine's own writes, made here as its entry points make them: under the lock.
        {
            EngineLock lock(g_engineMutex);
            CInfo record;
            record.m_call = round % 2 == 0 ? "DL1ABC" : "SIM" + std::to_string(round);
            record.m_band = "80m";
            record.m_mode = "BPSK31";
            g_qsoLog.Append(record);
            g_bandPrefixes[1].push_back("DL");
            g_bandCounties[1] = {"BV", "CJ"};
            if (round % 5 == 0) {
                g_qsoLog.TakeFrom(g_qsoLog.size() - 1);
            } else {
                ++simulatedKept;
            }
        }
        CallCheckCall(qso.call.c_str(), "BPSK31", "DL", "80m", "80m");
        if (round % 10 == 0) {
            int score = 0;
            EXPECT_NE(GetResult0(&score), nullptr);
        }
        if (round % 25 == 0) {
            PumpHostMessages(1);
        }
    }
    ASSERT_TRUE(Pump([] { return g_refreshPending == 1; }));
    EXPECT_GT(g_refreshCount - refreshesBefore, 10u);
    EXPECT_NE(g_statusWindow, nullptr);
    EXPECT_EQ(CountCalls("DL1ABC") + CountCalls("SIM"), simulatedKept);
    // Admission and removal add and take away the engine's own records.
    const size_t engineRecords = CountCalls("DL") - CountCalls("DL1ABC");
    EXPECT_EQ(engineRecords, engineKept);

    int score = 0;
    const std::string summary = GetResult0(&score);
    int again = 0;
    EXPECT_EQ(std::string(GetResult0(&again)), summary);
    EXPECT_EQ(again, score);
    EXPECT_TRUE(RefreshAndWait());
}

}  // namespace

// The live call display's refresh on its own thread against the entry points on the host's
// thread; run under ThreadSanitizer natively.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "engine/engine_state.h"
#include "engine/status_link.h"
#include "test_support.h"
#include "ui/status/portable/live_display_state.h"
#include "ui/status/portable/refresh_logic.h"

namespace {

class QuietHost : public HostLink {
  public:
    bool IsBound() const override { return true; }
    std::optional<std::string> TryEntryField(int) override { return std::string("DL1ABC"); }
    std::optional<double> TryReadFrequency() override {
        m_frequency += 350.0;
        return 3500000.0 + static_cast<double>(static_cast<long long>(m_frequency) % 90000);
    }
    bool TryRunMacro(const std::string&) override { return true; }

  private:
    double m_frequency = 0.0;
};

class CountingView : public RefreshView {
  public:
    bool WantsDxccWindow() const override { return true; }
    bool WantsCountyWindow() const override { return true; }
    bool IsDxccWindowOpen() const override { return true; }
    bool IsCountyWindowOpen() const override { return true; }
    void OpenDxccWindow() override {}
    void OpenCountyWindow() override {}
    void SetDxccCaption(const std::string& utf8) override { caption = utf8; }
    void SetCountyCaption(const std::string& utf8) override { countyCaption = utf8; }
    void MarkCounties(const std::vector<std::string>& counties) override {
        marked = counties.size();
    }
    void RepaintDxccWindow() override {}

    std::string caption;
    std::string countyCaption;
    size_t marked = 0;
};

// A stand-in for the status window: a request queue the refresh thread drains, as the posted
// WM_REFRESH_STATS messages are drained by the window's message loop.
class RequestQueue : public StatusLink {
  public:
    bool IsStatusWindowOpen() override { return true; }
    bool IsDxccWindowOpen() override { return true; }
    bool IsCountyWindowOpen() override { return true; }
    void PostRefresh() override {
        const int waiting = ++m_waiting;
        int seen = m_mostWaiting.load();
        while (waiting > seen && !m_mostWaiting.compare_exchange_weak(seen, waiting)) {
        }
    }
    void StartStatusWindow() override {}
    void ResetCountyMarks() override {}

    bool Take() {
        int waiting = m_waiting.load();
        while (waiting > 0 && !m_waiting.compare_exchange_weak(waiting, waiting - 1)) {
        }
        return waiting > 0;
    }
    int MostWaiting() const { return m_mostWaiting; }

  private:
    std::atomic<int> m_waiting{0};
    std::atomic<int> m_mostWaiting{0};
};

class RefreshConcurrency : public WorkFolderTest {};

constexpr int kRounds = 2000;

TEST_F(RefreshConcurrency, RefreshesReadTheLogWhileTheHostChangesIt) {
    RequestQueue queue;
    SetStatusLink(&queue);
    CallResetStats(TestStart{});
    std::atomic<bool> stop{false};
    std::atomic<int> refreshes{0};

    std::thread status([&] {
        QuietHost host;
        CountingView view;
        while (!stop) {
            if (queue.Take()) {
                RefreshDisplay(host, view);
                ++refreshes;
            } else {
                std::this_thread::yield();
            }
        }
        while (queue.Take()) {
            RefreshDisplay(host, view);
            ++refreshes;
        }
    });

    size_t kept = 0;
    size_t removed = 0;
    for (int round = 0; round < kRounds; ++round) {
        TestQso qso;
        qso.call = round % 2 == 0 ? "DL1ABC" : "OK" + std::to_string(round);
        CallAddData(qso);
        if (round % 4 == 0) {
            CallRemoveData(qso);
            ++removed;
        }
        {
            EngineLock lock(g_engineMutex);
            CInfo record;
            record.m_call = qso.call;
            record.m_band = round % 3 == 0 ? "40m" : "80m";
            record.m_mode = "BPSK31";
            g_qsoLog.Append(record);
            ++kept;
            g_bandPrefixes[1].push_back("DL");
            g_bandCounties[1].push_back("BV");
            if (round % 7 == 0) {
                g_bandPrefixes[1].clear();
                g_bandCounties[1].clear();
            }
        }
        CallCheckCall(qso.call.c_str(), "BPSK31", "DL", "80m", "80m");
        if (round % 50 == 0) {
            int score = 0;
            GetResult0(&score);
        }
    }
    stop = true;
    status.join();
    SetStatusLink(nullptr);

    // Every removal posts a request of its own; the call check adds at most one more.
    EXPECT_GT(refreshes.load(), 0);
    EXPECT_LE(static_cast<size_t>(queue.MostWaiting()), removed + 1);
    EXPECT_EQ(g_refreshPending, 1);
    EngineLock lock(g_engineMutex);
    EXPECT_EQ(g_qsoLog.size(), kept + static_cast<size_t>(kRounds) - removed);
    EXPECT_EQ(g_bandRows[1].size(), 5u);
}

}  // namespace

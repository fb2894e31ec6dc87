// The live call display's decisions against a fake host and a fake set of windows.
#include "ui/status/portable/refresh_logic.h"

#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "platform/settings.h"
#include "test_support.h"
#include "ui/status/portable/live_display_state.h"

namespace {

class FakeHost : public HostLink {
  public:
    bool IsBound() const override { return bound; }
    std::optional<std::string> TryEntryField(int index) override {
        fields.push_back(index);
        // What a paint of the DXCC window would show while this call waits.
        shownDuringEntryRead = g_currentCall;
        if (failEntry) {
            return std::nullopt;
        }
        return entry;
    }
    std::optional<double> TryReadFrequency() override {
        if (failFrequency) {
            return std::nullopt;
        }
        return frequency;
    }
    bool TryRunMacro(const std::string& macro) override {
        macros.push_back(macro);
        return true;
    }

    bool bound = true;
    bool failEntry = false;
    bool failFrequency = false;
    std::string entry;
    double frequency = 3580000.0;
    std::vector<int> fields;
    std::vector<std::string> macros;
    std::string shownDuringEntryRead;
};

class FakeView : public RefreshView {
  public:
    bool WantsDxccWindow() const override { return wantDxcc; }
    bool WantsCountyWindow() const override { return wantCounty; }
    bool IsDxccWindowOpen() const override { return dxccOpen; }
    bool IsCountyWindowOpen() const override { return countyOpen; }
    void OpenDxccWindow() override {
        dxccOpen = true;
        ++dxccOpens;
    }
    void OpenCountyWindow() override {
        countyOpen = true;
        ++countyOpens;
    }
    void SetDxccCaption(const std::string& utf8) override { dxccCaption = utf8; }
    void SetCountyCaption(const std::string& utf8) override { countyCaption = utf8; }
    void MarkCounties(const std::vector<std::string>& counties) override {
        marked = counties;
        ++markPasses;
    }
    void RepaintDxccWindow() override { ++repaints; }

    bool wantDxcc = false;
    bool wantCounty = false;
    bool dxccOpen = true;
    bool countyOpen = true;
    int dxccOpens = 0;
    int countyOpens = 0;
    int markPasses = 0;
    int repaints = 0;
    std::string dxccCaption = "Multiplier";
    std::string countyCaption = "YO County";
    std::vector<std::string> marked;
};

class RefreshLogic : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        g_currentCall.clear();
        g_currentBand = 0;
        g_lastFrequency = 3580000.0;
        EngineLock lock(g_engineMutex);
        g_startYear = "2026";
        for (int slot = 0; slot < kBandSlotCount; ++slot) {
            g_bandRows[static_cast<size_t>(slot)] = {kBandSlotNames[static_cast<size_t>(slot)], "-",
                                                     "-", "-", "-"};
        }
    }

    static StringList Row(int slot) {
        EngineLock lock(g_engineMutex);
        return g_bandRows[static_cast<size_t>(slot)];
    }

    FakeHost m_host;
    FakeView m_view;
};

TEST_F(RefreshLogic, LaterQsoWithTheSameCallFillsTheRowAndTheCaption) {
    LogQso("DL1ABC", "80m", "BPSK31", 18, 5, "001");
    LogQso("DL1ABC", "80m", "RTTY", 19, 42, "017BV");
    LogQso("DL1ABC", "40m", "BPSK31", 20, 1, "020");
    LogQso("OK1XY", "80m", "BPSK31", 21, 0, "003");
    m_host.entry = "DL1ABC";

    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::Complete);

    EXPECT_EQ(Row(1), (StringList{"80m", "RTTY", "19:42", "017BV", "   -"}));
    EXPECT_EQ(Row(2), (StringList{"40m", "BPSK31", "20:01", "020", "   -"}));
    EXPECT_EQ(Row(0), (StringList{"160m", "   -", "   -", " -", "   -"}));
    EXPECT_EQ(m_view.dxccCaption, "Sarnet-2026 Previous QSO with DL1ABC");
    EXPECT_EQ(m_host.fields, std::vector<int>{5});
    EXPECT_EQ(g_currentCall, "DL1ABC");
}

// The entry line is published once its call has returned: while the call waits, the window
// keeps showing the call being typed, never the worked-prefix view of an empty line.
TEST_F(RefreshLogic, TheCallBeingTypedStaysShownWhileTheEntryLineIsRead) {
    m_host.entry = "DL1AB";
    RefreshDisplay(m_host, m_view);
    m_host.entry = "DL1ABC";
    RefreshDisplay(m_host, m_view);
    EXPECT_EQ(m_host.shownDuringEntryRead, "DL1AB");
    EXPECT_EQ(g_currentCall, "DL1ABC");
    m_host.failEntry = true;
    RefreshDisplay(m_host, m_view);
    EXPECT_EQ(g_currentCall, "");
}

TEST_F(RefreshLogic, CallComparisonIsCaseSensitive) {
    LogQso("DL1ABC", "80m", "BPSK31", 18, 5, "001");
    m_host.entry = "dl1abc";
    RefreshDisplay(m_host, m_view);
    EXPECT_EQ(Row(1), (StringList{"80m", "   -", "   -", " -", "   -"}));
}

TEST_F(RefreshLogic, EmptyEntryLineShowsTheDxccCountOfTheBand) {
    {
        EngineLock lock(g_engineMutex);
        g_bandPrefixes[1] = StringList(12, "DL");
        g_bandCounties[1] = {"BV", "CJ"};
    }
    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::Complete);
    EXPECT_EQ(m_view.dxccCaption, "DXCC 12 of 338 worked on 80m");
    EXPECT_EQ(m_view.countyCaption, "YO County work 2 of 42 on 80m ");
    EXPECT_EQ(m_view.marked, (std::vector<std::string>{"BV", "CJ"}));
    EXPECT_EQ(m_view.repaints, 1);
    EXPECT_EQ(g_currentBand, 1);
}

TEST_F(RefreshLogic, RussianCaptions) {
    g_russianCaptions = 1;
    m_view.dxccOpen = true;
    m_host.frequency = 7030000.0;
    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::Complete);
    EXPECT_EQ(m_view.dxccCaption, "DXCC 0 из 338 отработано на 40m");
    EXPECT_EQ(m_view.countyCaption, "YO графства отраб. 0 из 42 на 40m ");
    m_host.entry = "DL1ABC";
    RefreshDisplay(m_host, m_view);
    EXPECT_EQ(m_view.dxccCaption, "Sarnet-2026 Предыдущие QSO с DL1ABC");
}

TEST_F(RefreshLogic, ShortCallStopsBeforeTheRows) {
    LogQso("YO", "80m", "BPSK31", 18, 5, "001");
    m_host.entry = "YO";
    g_refreshPending = 0;
    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::ShortCall);
    EXPECT_EQ(g_currentCall, "YO");
    EXPECT_EQ(Row(1), (StringList{"80m", "-", "-", "-", "-"}));
    EXPECT_EQ(m_view.dxccCaption, "Multiplier");
    EXPECT_TRUE(m_host.macros.empty());
    EXPECT_EQ(g_refreshPending, 1);
}

TEST_F(RefreshLogic, BandFromWholeMegahertz) {
    EXPECT_EQ(BandSlotOfFrequency(3999999.0), 1);
    EXPECT_EQ(BandSlotOfFrequency(1810000.0), 0);
    EXPECT_EQ(BandSlotOfFrequency(28999999.0), 5);
    EXPECT_EQ(BandSlotOfFrequency(29000000.0), -1);
    EXPECT_EQ(BandSlotOfFrequency(0.0), -1);
    EXPECT_EQ(BandSlotOfFrequency(-3580000.0), -1);
    EXPECT_EQ(BandSlotOfFrequency(1e300), -1);
}

TEST_F(RefreshLogic, NoBandLeavesTheGridWindowsAsTheyWere) {
    g_currentBand = 4;
    m_host.frequency = 29000000.0;
    m_host.entry = "DL1ABC";
    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::NoBand);
    EXPECT_EQ(g_currentBand, 4);
    EXPECT_EQ(m_view.countyCaption, "YO County");
    EXPECT_EQ(m_view.markPasses, 0);
    EXPECT_EQ(m_view.repaints, 0);
    // The rows and the previous-QSO caption are written before the band is looked at.
    EXPECT_EQ(Row(1)[1], "   -");
    EXPECT_EQ(m_view.dxccCaption, "Sarnet-2026 Previous QSO with DL1ABC");
}

TEST_F(RefreshLogic, MacroOnlyAfterAMoveOfMoreThan300Hz) {
    m_host.frequency = 3580300.0;
    RefreshDisplay(m_host, m_view);
    EXPECT_TRUE(m_host.macros.empty());
    EXPECT_EQ(g_lastFrequency, 3580000.0);

    m_host.frequency = 3580300.5;
    RefreshDisplay(m_host, m_view);
    EXPECT_EQ(m_host.macros, std::vector<std::string>{"<SP1>"});
    EXPECT_EQ(g_lastFrequency, 3580300.5);

    m_host.frequency = 3580000.0;
    RefreshDisplay(m_host, m_view);
    EXPECT_EQ(m_host.macros.size(), 2u);
}

TEST_F(RefreshLogic, UnboundHostEndsAtOnceWithoutOpeningWindows) {
    m_host.bound = false;
    m_view.dxccOpen = false;
    m_view.wantDxcc = true;
    g_refreshPending = 0;
    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::HostNotBound);
    EXPECT_EQ(g_refreshPending, 1);
    EXPECT_EQ(m_view.dxccOpens, 0);
    EXPECT_TRUE(m_host.fields.empty());
}

TEST_F(RefreshLogic, FailedHostCallsStillReleaseTheThrottle) {
    g_refreshPending = 0;
    m_host.failEntry = true;
    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::HostCallFailed);
    EXPECT_EQ(g_refreshPending, 1);

    g_refreshPending = 0;
    m_host.failEntry = false;
    m_host.failFrequency = true;
    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::HostCallFailed);
    EXPECT_EQ(g_refreshPending, 1);
}

TEST_F(RefreshLogic, WantedGridWindowsReopenAndTheirKeysAreWritten) {
    m_view.dxccOpen = false;
    m_view.countyOpen = false;
    m_view.wantDxcc = true;
    m_view.wantCounty = true;
    RefreshDisplay(m_host, m_view);
    EXPECT_EQ(m_view.dxccOpens, 1);
    EXPECT_EQ(m_view.countyOpens, 1);
    EXPECT_EQ(ReadSetting("setup_view_multiplier"), "1");
    EXPECT_EQ(ReadSetting("setup_view_county"), "1");
    RefreshDisplay(m_host, m_view);
    EXPECT_EQ(m_view.dxccOpens, 1);
}

TEST_F(RefreshLogic, ClosedGridWindowsGetNoCaptionsOrMarks) {
    m_view.dxccOpen = false;
    m_view.countyOpen = false;
    m_host.entry = "DL1ABC";
    EXPECT_EQ(RefreshDisplay(m_host, m_view), RefreshEnd::Complete);
    EXPECT_EQ(m_view.dxccCaption, "Multiplier");
    EXPECT_EQ(m_view.countyCaption, "YO County");
    EXPECT_EQ(m_view.markPasses, 0);
    EXPECT_EQ(m_view.repaints, 0);
}

}  // namespace

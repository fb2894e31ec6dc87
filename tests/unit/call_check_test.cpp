// The call check: result codes, the refresh throttle, null texts and the host's buffers.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/call_check.h"
#include "engine/engine_state.h"
#include "fake_status_link.h"
#include "test_support.h"

namespace {

class CallCheck : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        CallResetStats(TestStart{});
    }
};

int Check(const char* call, const char* prefix, const char* band = "80m",
          const char* mode = "BPSK31") {
    return CallCheckCall(call, mode, prefix, band, band);
}

TEST_F(CallCheck, CodesFromTheLog) {
    EXPECT_EQ(Check("DL1ABC", "DL"), CALL_NEW_PREFIX);
    TestQso qso;
    qso.exchRcvd = "";  // rejected, still in the log
    CallAddData(qso);
    EXPECT_EQ(Check("DL1ABC", "DL"), CALL_DUPE);
    EXPECT_EQ(Check("dl1abc", "DL"), CALL_WORKED_PREFIX);
    EXPECT_EQ(Check("DL2X", "DL"), CALL_WORKED_PREFIX);
    EXPECT_EQ(Check("DL2X", "dl"), CALL_NEW_PREFIX);
    // The mode is allowed in any case, but the log's texts compare exactly.
    EXPECT_EQ(Check("DL1ABC", "DL", "80m", "bpsk31"), CALL_NEW_PREFIX);
    EXPECT_EQ(Check("DL1ABC", "DL", "80M"), CALL_NEW_PREFIX);
}

TEST_F(CallCheck, HomeStationsAreJudgedByPrefixOnly) {
    TestQso qso;
    qso.call = "YO3A";
    qso.prefix = "YO";
    qso.exchRcvd = "1BV";
    CallAddData(qso);
    EXPECT_EQ(Check("YO4B", "YO"), CALL_WORKED_PREFIX);
}

TEST_F(CallCheck, BandsAndModesOutsideTheContest) {
    CallAddData(TestQso{});
    EXPECT_EQ(Check("DL1ABC", "DL", "40m"), CALL_NOT_SCORED);
    EXPECT_EQ(Check("DL1ABC", "DL", "80m", "CW"), CALL_NOT_SCORED);
    EXPECT_EQ(CallCheckCall("DL1ABC", "BPSK31", "DL", "80m", "40m"), CALL_NOT_SCORED);
    EXPECT_EQ(CallCheckCall("DL1ABC", "BPSK31", "DL", "80m", "80M"), CALL_DUPE);
}

TEST_F(CallCheck, NullTexts) {
    CallAddData(TestQso{});
    EXPECT_EQ(CallCheckCall("DL1ABC", "BPSK31", "DL", "80m", nullptr), CALL_DUPE);
    EXPECT_EQ(CallCheckCall("DL1ABC", "BPSK31", "DL", nullptr, "80m"), CALL_NOT_SCORED);
    EXPECT_EQ(CallCheckCall("DL1ABC", nullptr, "DL", "80m", "80m"), CALL_NOT_SCORED);
    EXPECT_EQ(CallCheckCall(nullptr, "BPSK31", nullptr, "80m", "80m"), CALL_NEW_PREFIX);
    TestQso empty;
    empty.call = "";
    empty.prefix = "";
    CallAddData(empty);
    EXPECT_EQ(CallCheckCall(nullptr, "BPSK31", nullptr, "80m", "80m"), CALL_DUPE);
}

TEST_F(CallCheck, BuffersAreLeftUntouched) {
    char buffer27[16] = "untouched 27";
    char buffer28[16] = "untouched 28";
    CallAddData(TestQso{});
    for (const char* call : {"DL1ABC", "DL2X", "F1A"}) {
        CallCheckCall(call, "BPSK31", "DL", "80m", "80m", buffer27, buffer28);
        CallCheckCall(call, "BPSK31", "DL", "40m", "40m", buffer27, buffer28);
    }
    EXPECT_STREQ(buffer27, "untouched 27");
    EXPECT_STREQ(buffer28, "untouched 28");
}

TEST_F(CallCheck, PendingRefreshIsPostedOnce) {
    FakeStatusLink link;
    SetStatusLink(&link);
    g_refreshPending = 1;
    Check("DL1ABC", "DL");
    EXPECT_EQ(link.refreshPosts, 0);  // no status window: the flag stays set
    EXPECT_EQ(g_refreshPending, 1);

    link.statusOpen = true;
    EXPECT_EQ(Check("DL1ABC", "DL", "40m"), CALL_NOT_SCORED);  // posts whatever the result
    EXPECT_EQ(link.refreshPosts, 1);
    EXPECT_EQ(g_refreshPending, 0);
    Check("DL1ABC", "DL");
    Check("DL1ABC", "DL");
    EXPECT_EQ(link.refreshPosts, 1);

    TestQso qso;
    CallAddData(qso);
    Check("DL1ABC", "DL");
    EXPECT_EQ(link.refreshPosts, 1);  // admission sets no flag
    CallRemoveData(qso);
    const int afterRemoval = link.refreshPosts;
    Check("DL1ABC", "DL");
    EXPECT_EQ(link.refreshPosts, afterRemoval + 1);
}

}  // namespace

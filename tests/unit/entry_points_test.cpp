// The entry points that need no contest: set count and name, setup, version, exchange count.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/engine_state.h"
#include "test_support.h"

TEST(EntryPoints, OneSetWithTheSameNameForEveryIndex) {
    EXPECT_EQ(GetNumberOfSets(), 1);
    EXPECT_STREQ(GetSetName(0), "Sarnet Contest (C)");
    EXPECT_STREQ(GetSetName(1), "Sarnet Contest (C)");
    EXPECT_STREQ(GetSetName(-1), "Sarnet Contest (C)");
}

TEST(EntryPoints, ExchangeCountIsOneWhateverTheArguments) {
    EXPECT_EQ(GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(GetExchgCount0("a", "b", "c"), 1);
}

TEST(EntryPoints, SetVersionSetsTheExtendedResultsFlagForGood) {
    ResetEngineStateForTests();
    EXPECT_EQ(g_extendedResults, 0);
    EXPECT_EQ(setVersion(""), 0u);
    EXPECT_EQ(g_extendedResults, 1);
    EXPECT_EQ(setVersion(nullptr), 0u);
    EXPECT_EQ(setVersion("2.30"), 0u);
    EXPECT_EQ(g_extendedResults, 1);
    ResetEngineStateForTests();
}

TEST(EntryPoints, QsoCallsWithNullPointersReturnOne) {
    ResetEngineStateForTests();
    EXPECT_EQ(AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                       nullptr, nullptr, nullptr, nullptr),
              1);
    EXPECT_EQ(RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                          nullptr, nullptr, nullptr, nullptr, nullptr),
              1);
    ResetEngineStateForTests();
}

// The whole check run on simulated contests whose logs take the shapes real submitted logs
// take: nearly every line judged as the truth says, and hardly any QSO that stands removed.
// sarnet-accuracy --seed N lists the wrong lines of one contest.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "tests/check/simulated_check.h"

TEST(SimulatedRealContests, NearlyEveryLineRightAndHardlyAnyCorrectQsoRemoved) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("sarnet-real-contests-" +
         std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    AccuracyFigures total;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SimulationSettings settings;
        settings.seed = seed;
        settings.stations = 60;
        settings.real = RealisticPatterns();
        total.Add(CheckSimulatedContest(SimulateContest(settings), folder, STATS_PLUGIN_PATH));
    }
    std::filesystem::remove_all(folder);
    std::printf("%s", FormatAccuracy(total, false).c_str());
    EXPECT_GE(total.right * 100, total.lines * 99);
    EXPECT_LE(total.removed * 1000, total.kept * 5);
}

// sarnet-accuracy: checks one seeded contest with the real-log patterns through the whole
// check run and lists every line whose finding differs from the truth, with the pattern that
// shaped it, then the figures by pattern.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "tests/check/simulated_check.h"

int main(int argc, char** argv) {
    SimulationSettings settings;
    settings.stations = 60;
    std::string only;
    std::string keep;
    std::string plugin = STATS_PLUGIN_PATH;
    CLI::App app("Lists the lines sarnet-check judges differently from the simulator's truth.",
                 "sarnet-accuracy");
    app.allow_windows_style_options(false);
    app.add_option("--seed", settings.seed)->capture_default_str();
    app.add_option("--stations", settings.stations)->capture_default_str();
    app.add_option("--only", only, "list the wrong lines of this pattern only (\"-\": none)");
    app.add_option("--keep", keep, "the folder for the logs and the results, kept afterwards");
    app.add_option("--plugin", plugin)->capture_default_str();
    CLI11_PARSE(app, argc, argv);

    settings.real = RealisticPatterns();
    const SimulatedContest contest = SimulateContest(settings);
    namespace fs = std::filesystem;
    const fs::path folder = keep.empty() ? fs::temp_directory_path() /
                                               ("sarnet-accuracy-" + std::to_string(settings.seed))
                                         : fs::path(keep);
    AccuracyFigures figures = CheckSimulatedContest(contest, folder, plugin);
    if (keep.empty()) {
        fs::remove_all(folder);
    }
    if (!only.empty()) {
        auto& wrong = figures.wrong;
        wrong.erase(std::remove_if(wrong.begin(), wrong.end(),
                                   [&](const WrongLine& line) { return line.pattern != only; }),
                    wrong.end());
    }
    std::cout << FormatAccuracy(figures, true);
    return 0;
}

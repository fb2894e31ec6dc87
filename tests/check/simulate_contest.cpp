// sarnet-simulate: writes a simulated contest to a folder: every log, truth.csv with the
// verdict each logged QSO deserves, and the period and clock offsets in contest.txt. With
// --real the logs take the shapes of real submitted logs and truth.csv names the pattern
// that shaped each line.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "tests/check/contest_simulator.h"

int main(int argc, char** argv) {
    SimulationSettings settings;
    std::string outDir;
    CLI::App app("Writes a seeded simulated Sarnet Contest: the logs and the truth.",
                 "sarnet-simulate");
    app.allow_windows_style_options(false);
    app.add_option("--seed", settings.seed)->capture_default_str();
    app.add_option("--stations", settings.stations)->capture_default_str();
    app.add_option("--qsos", settings.qsosPerStation, "QSOs per station on average")
        ->capture_default_str();
    app.add_option("--one-off", settings.oneOffStations, "stations worked once by one log")
        ->capture_default_str();
    bool real = false;
    app.add_flag("--real", real,
                 "real logs' patterns: header typos, portable changes, clocks that drift or "
                 "jump, sender slips, two files, unreadable lines and more");
    app.add_option("--out", outDir, "the folder to write")->required();
    CLI11_PARSE(app, argc, argv);

    if (real) {
        settings.real = RealisticPatterns();
    }
    namespace fs = std::filesystem;
    const SimulatedContest contest = SimulateContest(settings);
    const fs::path out(outDir);
    fs::create_directories(out / "logs");
    for (const SimulatedLog& log : contest.logs) {
        std::ofstream(out / "logs" / log.fileName, std::ios::binary) << log.text;
    }
    std::ofstream truth(out / "truth.csv", std::ios::binary);
    truth << "log,line,status,right_call" << (real ? ",pattern\n" : "\n");
    for (const TruthRow& row : contest.truth) {
        truth << row.log << ',' << row.line << ',' << TruthStatusName(row) << ',' << row.rightCall;
        truth << (real ? "," + row.pattern + "\n" : "\n");
    }
    std::ofstream about(out / "contest.txt", std::ios::binary);
    about << "seed " << settings.seed << "\nstart " << FormatMinute(contest.startDays) << "\nend "
          << FormatMinute(contest.endDays) << "\nclock offsets (minutes, logged minus true):\n";
    for (const SimulatedLog& log : contest.logs) {
        if (log.clockOffsetMinutes != 0) {
            about << "  " << log.call << ' ' << log.clockOffsetMinutes << '\n';
        }
    }
    for (const SimulatedLog& log : contest.logs) {
        if (log.clockDriftMinutes != 0) {
            about << "  " << log.call << " drifts " << log.clockDriftMinutes << " by the end\n";
        }
        if (log.clockJumpMinutes != 0) {
            about << "  " << log.call << " jumps " << log.clockJumpMinutes << " mid-contest\n";
        }
        if (log.partial) {
            about << "partial first log, not checked: " << log.fileName << '\n';
        }
    }
    std::cout << contest.logs.size() << " logs, " << contest.truth.size() << " QSOs written to "
              << outDir << '\n';
    return 0;
}

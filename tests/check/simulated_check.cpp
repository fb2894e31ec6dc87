// The check run over a simulated contest and the judging of its findings, shared by the
// accuracy test and sarnet-accuracy.
#include "tests/check/simulated_check.h"

#include <fstream>
#include <sstream>

#include "host/check/check_run.h"
#include "host/check/qso_status.h"

namespace fs = std::filesystem;

const char* const kSimulatedCty =
    "Romania: 20: 28: EU: 45.78: -24.70: -2.0: YO:\n    YO,YP,YQ,YR;\n"
    "Fed. Rep. of Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n    DA,DB,DC,DD,DE,DF,DG,DL;\n"
    "Czech Republic: 15: 28: EU: 50.00: -15.00: -1.0: OK:\n    OK,OL;\n"
    "Hungary: 15: 28: EU: 47.12: -19.28: -1.0: HA:\n    HA,HG;\n"
    "Bulgaria: 20: 28: EU: 42.83: -25.08: -2.0: LZ:\n    LZ;\n"
    "Poland: 15: 28: EU: 52.28: -18.67: -1.0: SP:\n    SP,SQ,SO;\n"
    "Austria: 15: 28: EU: 47.33: -13.33: -1.0: OE:\n    OE;\n"
    "Slovenia: 15: 28: EU: 46.00: -14.00: -1.0: S5:\n    S5;\n"
    "Croatia: 15: 28: EU: 45.18: -15.30: -1.0: 9A:\n    9A;\n"
    "Ukraine: 16: 29: EU: 50.00: -30.00: -2.0: UR:\n    UR,US,UT,UX;\n"
    "Serbia: 15: 28: EU: 44.00: -21.00: -1.0: YU:\n    YU,YT;\n"
    "Moldova: 16: 29: EU: 47.00: -29.00: -2.0: ER:\n    ER;\n"
    "Slovak Republic: 15: 28: EU: 49.00: -20.00: -1.0: OM:\n    OM;\n"
    "Italy: 15: 28: EU: 42.82: -12.58: -1.0: I:\n    I;\n"
    "France: 14: 27: EU: 46.00: -2.00: -1.0: F:\n    F;\n"
    "England: 14: 27: EU: 52.77: 1.47: 0.0: G:\n    G;\n"
    "Spain: 14: 37: EU: 40.37: 4.88: -1.0: EA:\n    EA;\n"
    "Finland: 15: 18: EU: 63.78: -27.08: -2.0: OH:\n    OH;\n"
    "Sweden: 14: 18: EU: 61.20: -14.57: -1.0: SM:\n    SM;\n"
    "Netherlands: 14: 27: EU: 52.28: -5.47: -1.0: PA:\n    PA;\n"
    "Belgium: 14: 27: EU: 50.70: -4.85: -1.0: ON:\n    ON;\n";

namespace {

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The fields of one CSV line; quoted fields may hold commas and doubled quotes.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

struct Finding {
    std::string status;
    std::string detail;
};

bool KeptStatusName(const std::string& name) {
    for (int i = 0; i < kQsoStatusCount; ++i) {
        const auto status = static_cast<QsoStatus>(i);
        if (name == StatusName(status)) {
            return KeptForFinalScore(status);
        }
    }
    return false;
}

// A BUSTED_CALL detail names the right call first; evidence may follow it.
bool NamesCall(const std::string& detail, const std::string& call) {
    return detail.compare(0, call.size(), call) == 0 &&
           (detail.size() == call.size() ||
            std::string(" ,;(").find(detail[call.size()]) != std::string::npos);
}

}  // namespace

void AccuracyFigures::Add(const AccuracyFigures& other) {
    lines += other.lines;
    right += other.right;
    kept += other.kept;
    removed += other.removed;
    wrong.insert(wrong.end(), other.wrong.begin(), other.wrong.end());
    for (const auto& [pattern, counts] : other.byPattern) {
        byPattern[pattern].first += counts.first;
        byPattern[pattern].second += counts.second;
    }
}

AccuracyFigures CheckSimulatedContest(const SimulatedContest& contest, const fs::path& folder,
                                      const std::string& pluginPath) {
    fs::remove_all(folder);
    fs::create_directories(folder / "logs");
    Write(folder / "cty.dat", kSimulatedCty);
    std::map<std::string, std::vector<std::string>> otherCalls;
    for (const SimulatedLog& log : contest.logs) {
        Write(folder / "logs" / log.fileName, log.text);
        if (!log.partial) {
            otherCalls[log.call] = log.otherCalls;
        }
    }
    CheckOptions options;
    options.inputs = {(folder / "logs").string()};
    options.startText = FormatMinute(contest.startDays);
    options.endText = FormatMinute(contest.endDays);
    options.startDays = contest.startDays;
    options.endDays = contest.endDays;
    options.outDir = (folder / "out").string();
    options.pluginPath = pluginPath;
    options.ctyPath = (folder / "cty.dat").string();
    std::ostringstream out;
    std::ostringstream err;
    RunCheck(options, out, err);

    std::map<std::pair<std::string, std::size_t>, Finding> findings;
    std::istringstream lines(Read(folder / "out" / "findings.csv"));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        const std::vector<std::string> fields = CsvFields(line);
        if (fields.size() >= 7) {
            findings[{fields[0], std::stoul(fields[1])}] = {fields[5], fields[6]};
        }
    }
    AccuracyFigures figures;
    for (const TruthRow& row : contest.truth) {
        const Finding* found = nullptr;
        std::vector<std::string> names{row.log};
        const std::vector<std::string>& others = otherCalls[row.log];
        names.insert(names.end(), others.begin(), others.end());
        for (const std::string& name : names) {
            const auto it = findings.find({name, row.line});
            if (found == nullptr && it != findings.end()) {
                found = &it->second;
            }
        }
        const std::string expected = TruthStatusName(row);
        const bool right = found != nullptr && found->status == expected &&
                           (expected != "BUSTED_CALL" || NamesCall(found->detail, row.rightCall));
        const bool keep = !row.unreadable && KeptForFinalScore(row.status);
        ++figures.lines;
        figures.right += right ? 1 : 0;
        figures.kept += keep ? 1 : 0;
        figures.removed += keep && (found == nullptr || !KeptStatusName(found->status)) ? 1 : 0;
        const std::string pattern = row.pattern.empty() ? "-" : row.pattern;
        ++figures.byPattern[pattern].first;
        if (!right) {
            ++figures.byPattern[pattern].second;
            figures.wrong.push_back(
                {row.log, row.line, pattern,
                 expected + (expected == "BUSTED_CALL" ? " " + row.rightCall : ""),
                 found != nullptr ? found->status : "(missing)",
                 found != nullptr ? found->detail : ""});
        }
    }
    return figures;
}

std::string FormatAccuracy(const AccuracyFigures& figures, bool listLines) {
    std::ostringstream text;
    if (listLines) {
        for (const WrongLine& wrong : figures.wrong) {
            text << wrong.log << ' ' << wrong.line << ' ' << wrong.pattern << " expected "
                 << wrong.expected << ", got " << wrong.got
                 << (wrong.detail.empty() ? "" : " (" + wrong.detail + ")") << '\n';
        }
    }
    const auto percent = [](std::size_t part, std::size_t whole) {
        char number[32];
        std::snprintf(
            number, sizeof number, "%.2f %%",
            whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole));
        return std::string(number);
    };
    text << figures.right << " of " << figures.lines << " lines right ("
         << percent(figures.right, figures.lines) << "); " << figures.removed << " of "
         << figures.kept << " QSOs that stand removed (" << percent(figures.removed, figures.kept)
         << ")\n";
    for (const auto& [pattern, counts] : figures.byPattern) {
        text << "  " << pattern << ": " << counts.second << " of " << counts.first
             << " lines wrong\n";
    }
    return text.str();
}

// ravo: a stand-in for the logging program. It keeps "Ravo2.ini", offers the automation
// object, loads Stats.dll from its own folder and replays a short operator session on one
// thread, pumping messages between calls. Usage: ravo [SECONDS [CALL]] keeps the session open
// for SECONDS at its end, with CALL typed into the entry line when given (it prints "ready"
// once the call is in); ravo --calls ROUNDS runs the calling-convention check.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/ravo/host_messages.h"
#include "host/ravo/ravo_host.h"
#include "host/common/plugin_loader.h"
#include "host/ravo/calling_convention_check.h"

namespace {

constexpr const char* kVersion = "2.20";

StatsDateTime Date(double days) {
    StatsDateTime value{};
    value.days = days;
    value.status = 0;
    return value;
}

void LogQso(StatsPlugin& plugin, QsoDataFn fn, const char* call, const char* prefix,
            const char* exchange, double days) {
    const StatsDateTime time = Date(days);
    const StatsDateTime none{0.0, 2};
    fn("YO9XYZ", call, &time, &none, &none, &none, 0u, 3580000u, "BPSK31", "599", "599", "001",
       exchange, "", "", "", "", "", "", "", "", "", prefix, 0, 0, 0, 0.0, 0.0, "", "", "", "80m",
       "");
    (void)plugin;
}

int CheckCall(StatsPlugin& plugin, const char* call, const char* prefix) {
    char buffer27[256] = {};
    char buffer28[256] = {};
    return plugin.CheckCall0(call, 0u, 0u, "BPSK31", "", "", "", "", "", "", "", "", "", prefix, 0,
                             0, 0, 0.0, 0.0, "", "", "", "", "", "80m", "80m", buffer27, buffer28);
}

// Loads the plug-in and runs the calling-convention check; 0 when the stack stayed put.
int CheckCallingConvention(int rounds) {
    StatsPlugin plugin;
    std::string error;
    if (!plugin.Load(DefaultPluginPath(), &error)) {
        std::fprintf(stderr, "ravo: %s\n", error.c_str());
        return 1;
    }
    std::string report;
    const bool kept = CallsKeepTheStackPointer(plugin, rounds, &report);
    std::printf("%s\n", report.c_str());
    plugin.Unload();
    return kept ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--calls") {
        return CheckCallingConvention(std::atoi(argv[2]));
    }
    const DWORD keepOpenMs = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) * 1000u : 0u;
    WriteHostIni(kVersion);
    RavoHost host;
    if (!host.Register()) {
        std::fprintf(stderr, "ravo: the automation object could not be registered\n");
    }
    host.Application().SetFrequency(3580000.0);

    StatsPlugin plugin;
    std::string error;
    if (!plugin.Load(DefaultPluginPath(), &error)) {
        std::fprintf(stderr, "ravo: %s\n", error.c_str());
        return 1;
    }
    std::printf("%d set: %s\n", plugin.GetNumberOfSets(), plugin.GetSetName(0));
    plugin.setVersion(kVersion);

    // 6 and 7 December 2026 as automation dates.
    const StatsDateTime first = Date(46362.0);
    const StatsDateTime second = Date(46363.0);
    plugin.ResetStats0(".\\", 0, "YO9XYZ", &first, &second, "", "", "", "", "", "", "", "", "",
                       "BV", 0, 0, 0, 0.0, 0.0, "", "", "");
    PumpHostMessages(300);

    struct Contact {
        const char* call;
        const char* prefix;
        const char* exchange;
    };
    const Contact contacts[] = {
        {"DL1ABC", "DL", "005"},   {"YO2XY", "YO", "012BV"},  {"OK1AB", "OK", "007"},
        {"YO3AAA", "YO", "003BU"}, {"HA5XX", "HA", "011"},    {"YO5OBC", "YO", "021CJ"},
        {"YO8SRN", "YO", "030IS"}, {"I4SLL", "I", "002"},     {"YO4JOI", "YO", "009CT"},
        {"LZ1KM", "LZ", "014"},    {"YO9GQW", "YO", "017PH"}, {"S51A", "S5", "004"}};
    double minute = 46363.0 + 18.0 / 24.0;
    for (const Contact& contact : contacts) {
        host.Application().SetEntryLine(contact.call);
        std::printf("CheckCall0 %s: %d\n", contact.call,
                    CheckCall(plugin, contact.call, contact.prefix));
        PumpHostMessages(100);
        LogQso(plugin, plugin.AddData0, contact.call, contact.prefix, contact.exchange, minute);
        minute += 1.0 / 1440.0;
        host.Application().SetEntryLine("");
        int score = 0;
        const char* summary = plugin.GetResult0(&score);
        std::printf("score %d\n%s\n", score, summary != nullptr ? summary : "");
        PumpHostMessages(100);
    }
    // The entry line as the session leaves it, checked as the host checks what is typed.
    const char* typed = argc > 2 ? argv[2] : "";
    host.Application().SetEntryLine(typed);
    CheckCall(plugin, typed, "");
    std::printf("ready\n");
    std::fflush(stdout);
    PumpHostMessages(keepOpenMs);
    for (const std::string& macro : host.Application().Macros()) {
        std::printf("macro %s\n", macro.c_str());
    }
    plugin.Unload();
    host.Revoke();
    return 0;
}

// The exported entry points: each checks its pointers, gathers its parameters into a named
// struct and hands that to the engine inside the exception guard.
#include <string>

#include "api/guarded.h"
#include "api/stats_api.h"
#include "engine/admission.h"
#include "engine/call_check.h"
#include "engine/contest_start.h"
#include "engine/engine_state.h"
#include "engine/exchange_validation.h"
#include "engine/removal.h"
#include "platform/message_box.h"
#include "reports/cabrillo_export.h"
#include "reports/results_request.h"

namespace {

constexpr const char* kSetName = "Sarnet Contest (C)";

// Returned by GetResult0; valid until its next call.
std::string g_resultText;

QsoArgs MakeQsoArgs(StatsText ownCall, StatsText call, StatsDate time, unsigned frequencyHz,
                    StatsText mode, StatsText rstSent, StatsText rstRcvd, StatsText exchSent,
                    StatsText exchRcvd, StatsText prefix, StatsText extra, StatsText band) {
    QsoArgs args;
    args.ownCall = HostText(ownCall);
    args.call = HostText(call);
    args.time = ReadDateTime(time);
    args.frequencyHz = frequencyHz;
    args.mode = HostText(mode);
    args.rstSent = HostText(rstSent);
    args.rstRcvd = HostText(rstRcvd);
    args.exchSent = HostText(exchSent);
    args.exchRcvd = HostText(exchRcvd);
    args.prefix = HostText(prefix);
    args.extra = HostText(extra);
    args.band = HostText(band);
    return args;
}

}  // namespace

extern "C" {

int STATS_CALL GetNumberOfSets(void) {
    return 1;
}

const char* STATS_CALL GetSetName(int /*index*/) {
    return kSetName;
}

void STATS_CALL SetupSet0(void) {
    Guarded(0, [] {
        ShowMessageBox("No additional setup for this contest", nullptr, MessageIcon::kNone);
        return 0;
    });
}

unsigned STATS_CALL setVersion(StatsText /*hostVersion*/) {
    g_extendedResults = 1;
    return 0;
}

int STATS_CALL ResetStats0(StatsText hostDirectory, int cabrillo, StatsText ownCall,
                           StatsDate firstDate, StatsDate secondDate, StatsText, StatsText,
                           StatsText, StatsText, StatsText, StatsText, StatsText, StatsText,
                           StatsText, StatsText ownExchangeSuffix, int, int, int, double, double,
                           StatsText, StatsText p22, StatsText) {
    return Guarded(1, [&] {
        ContestStartArgs args;
        args.hostDirectory = HostText(hostDirectory);
        args.cabrilloRequested = cabrillo;
        args.ownCall = HostText(ownCall);
        args.firstDate = ReadDateTime(firstDate);
        args.secondDate = ReadDateTime(secondDate);
        args.ownExchangeSuffix = HostText(ownExchangeSuffix);
        args.argument22 = HostText(p22);
        StartContest(args, AskCabrilloHeader);
        return 1;
    });
}

int STATS_CALL AddData0(StatsText ownCall, StatsText call, StatsDate time, StatsDate, StatsDate,
                        StatsDate, unsigned, unsigned frequencyHz, StatsText mode,
                        StatsText rstSent, StatsText rstRcvd, StatsText exchSent,
                        StatsText exchRcvd, StatsText, StatsText, StatsText, StatsText, StatsText,
                        StatsText, StatsText, StatsText, StatsText, StatsText prefix, int, int, int,
                        double, double, StatsText, StatsText extra, StatsText, StatsText band,
                        StatsText) {
    return Guarded(1, [&] {
        AdmitQso(MakeQsoArgs(ownCall, call, time, frequencyHz, mode, rstSent, rstRcvd, exchSent,
                             exchRcvd, prefix, extra, band));
        return 1;
    });
}

int STATS_CALL RemoveData0(StatsText ownCall, StatsText call, StatsDate time, StatsDate, StatsDate,
                           StatsDate, unsigned, unsigned frequencyHz, StatsText mode,
                           StatsText rstSent, StatsText rstRcvd, StatsText exchSent,
                           StatsText exchRcvd, StatsText, StatsText, StatsText, StatsText,
                           StatsText, StatsText, StatsText, StatsText, StatsText, StatsText prefix,
                           int, int, int, double, double, StatsText, StatsText extra, StatsText,
                           StatsText band, StatsText) {
    return Guarded(1, [&] {
        RemoveQso(MakeQsoArgs(ownCall, call, time, frequencyHz, mode, rstSent, rstRcvd, exchSent,
                              exchRcvd, prefix, extra, band));
        return 1;
    });
}

int STATS_CALL CheckCall0(StatsText call, unsigned, unsigned, StatsText mode, StatsText, StatsText,
                          StatsText, StatsText, StatsText, StatsText, StatsText, StatsText,
                          StatsText, StatsText prefix, int, int, int, double, double, StatsText,
                          StatsText, StatsText, StatsText, StatsText, StatsText band,
                          StatsText otherBand, char* /*buffer27*/, char* /*buffer28*/) {
    return Guarded(static_cast<int>(CALL_NOT_SCORED), [&] {
        CallCheckArgs args;
        args.call = HostText(call);
        args.mode = HostText(mode);
        args.prefix = HostText(prefix);
        args.band = band;
        args.otherBand = otherBand;
        return CheckCall(args);
    });
}

int STATS_CALL GetExchgCount0(StatsText, StatsText, StatsText) {
    return 1;
}

int STATS_CALL IsValidExchg0(StatsText exchange, StatsText, StatsText prefix, StatsText, int, int,
                             int refuse) {
    return Guarded(0, [&] { return IsValidExchange(exchange, prefix, refuse); });
}

const char* STATS_CALL GetResult0(int* score) {
    return Guarded(static_cast<const char*>(""), [&] {
        ResultsSummary results = ProduceResults();
        g_resultText = std::move(results.text);
        if (score != nullptr) {
            *score = results.score;
        }
        return g_resultText.c_str();
    });
}

}  // extern "C"

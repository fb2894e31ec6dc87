// The tidying a logging program does on entry, applied to a whole log at once.
#include "host/common/log_normalizer.h"

#include <algorithm>
#include <utility>

#include "host/common/band_plan.h"
#include "host/common/text_util.h"

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& tail) {
    return !tail.empty() && text.size() >= tail.size() &&
           Upper(text.substr(text.size() - tail.size())) == Upper(tail);
}

std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string NormaliseMode(std::string_view mode, std::string_view submode) {
    const std::string upperMode = Upper(Trim(mode));
    const std::string upperSubmode = Upper(Trim(submode));
    const auto isBpsk31 = [](const std::string& text) {
        return text == "PSK31" || text == "BPSK31";
    };
    if (isBpsk31(upperMode) || (upperMode == "PSK" && isBpsk31(upperSubmode))) {
        return "BPSK31";
    }
    return submode.empty() ? std::string(mode) : std::string(submode);
}

std::string NormaliseCall(std::string_view call) {
    return Upper(Trim(call));
}

std::vector<std::string> TidyLog(std::vector<LogQso>* qsos, const std::string& ownExchangeSuffix) {
    std::size_t suffixed = 0;
    std::size_t kilohertz = 0;
    std::size_t fromBand = 0;
    std::string exampleBand;
    for (LogQso& qso : *qsos) {
        qso.ownCall = NormaliseCall(qso.ownCall);
        qso.call = NormaliseCall(qso.call);
        qso.exchRcvd = Upper(Trim(qso.exchRcvd));
        qso.exchSent = Trim(qso.exchSent);
        qso.rstSent = Trim(qso.rstSent);
        qso.rstRcvd = Trim(qso.rstRcvd);
        qso.mode = NormaliseMode(qso.mode, "");
        // A sent exchange that is the suffix alone keeps it: emptied, it would lose its number.
        if (qso.exchSent.size() > ownExchangeSuffix.size() &&
            EndsWithIgnoringCase(qso.exchSent, ownExchangeSuffix)) {
            qso.exchSent.resize(qso.exchSent.size() - ownExchangeSuffix.size());
            ++suffixed;
        }
        kilohertz += qso.frequencyWasKilohertz ? 1 : 0;
        if (qso.frequencyHz == 0) {
            const std::uint64_t edge = BandLowerEdgeHz(qso.band);
            if (edge != 0 && edge <= UINT32_MAX) {
                qso.frequencyHz = static_cast<std::uint32_t>(edge);
                ++fromBand;
                if (exampleBand.empty()) {
                    exampleBand = qso.band;
                }
            }
        }
    }

    std::vector<std::string> notes;
    if (fromBand > 0) {
        notes.push_back(Count(fromBand, "QSO has", "QSOs have") +
                        " no frequency: each is logged at the lower edge of its band (" +
                        std::to_string(BandLowerEdgeHz(exampleBand) / 1000) + " kHz on " +
                        Lower(exampleBand) + ")");
    }
    if (kilohertz > 0) {
        notes.push_back(Count(kilohertz, "FREQ value", "FREQ values") +
                        " in kHz read as such (ADIF gives FREQ in MHz)");
    }
    if (suffixed > 0) {
        notes.push_back(Count(suffixed, "sent exchange", "sent exchanges") + " already end with " +
                        Shown(ownExchangeSuffix) + ": the suffix is not added twice");
    }
    return notes;
}

std::optional<std::string> TimeOrderNote(const std::vector<LogQso>& qsos) {
    std::size_t misplaced = 0;
    double latest = 0.0;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const double days = qsos[i].days;
        misplaced += i > 0 && days < latest ? 1 : 0;
        latest = i == 0 ? days : std::max(latest, days);
    }
    if (misplaced == 0) {
        return std::nullopt;
    }
    return "the log is not in time order (" + Count(misplaced, "QSO follows", "QSOs follow") +
           " a later one): the QSOs are fed oldest first";
}

void SortByTime(std::vector<LogQso>* qsos) {
    const auto earlier = [](const LogQso& a, const LogQso& b) { return a.days < b.days; };
    if (!std::is_sorted(qsos->begin(), qsos->end(), earlier)) {
        std::stable_sort(qsos->begin(), qsos->end(), earlier);
    }
}

std::vector<std::string> NormaliseLog(std::vector<LogQso>* qsos,
                                      const std::string& ownExchangeSuffix) {
    std::vector<std::string> notes = TidyLog(qsos, ownExchangeSuffix);
    if (std::optional<std::string> note = TimeOrderNote(*qsos)) {
        notes.push_back(std::move(*note));
        SortByTime(qsos);
    }
    return notes;
}

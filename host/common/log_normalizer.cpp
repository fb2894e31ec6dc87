// The tidying a logging program does on entry, applied to a whole log at once.
#include "host/common/log_normalizer.h"

#include <algorithm>
#include <map>
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

bool IsRy(const std::string& mode) {
    return Upper(mode) == "RY";
}

// The spellings of the contest's mode a log used, each once with its QSOs (letter case
// aside), in the order the log first uses them.
class ModeSpellings {
  public:
    void Add(const LogQso& qso) {
        if (IsRy(qso.loggedMode) && qso.modeFamilies == kRttyFamily) {
            ++m_ryAsRtty;
        } else if (qso.mode == "BPSK31" && qso.loggedMode != qso.mode && !qso.loggedMode.empty()) {
            Count(&m_asBpsk31, qso.loggedMode);
        }
    }

    void Notes(std::vector<std::string>* notes) const {
        if (!m_asBpsk31.empty()) {
            std::string list;
            bool ry = false;
            for (const auto& [spelling, count] : m_asBpsk31) {
                list += (list.empty() ? "" : ", ") + Shown(spelling) + " on " +
                        ::Count(count, "QSO", "QSOs");
                ry = ry || IsRy(spelling);
            }
            notes->push_back("mode read as BPSK31, the contest's only mode: " + list +
                             (ry ? " (RY is Cabrillo's code for RTTY and, before Cabrillo 3.0, "
                                   "for every digital mode; the plug-in's own Cabrillo log "
                                   "writes its BPSK31 QSOs as RY)"
                                 : ""));
        }
        if (m_ryAsRtty > 0) {
            notes->push_back(::Count(m_ryAsRtty, "QSO", "QSOs") +
                             " in mode RY read as RTTY, as the log's header says it is an RTTY "
                             "log: the Sarnet Contest scores BPSK31 only");
        }
    }

  private:
    static void Count(std::vector<std::pair<std::string, std::size_t>>* counts,
                      const std::string& spelling) {
        for (auto& [known, count] : *counts) {
            if (Upper(known) == Upper(spelling)) {
                ++count;
                return;
            }
        }
        counts->emplace_back(spelling, 1);
    }

    std::vector<std::pair<std::string, std::size_t>> m_asBpsk31;
    std::size_t m_ryAsRtty = 0;
};

// Sets *text to its tidy form and counts it when that changed it.
void Tidy(std::string* text, std::string tidy, std::size_t* changed) {
    if (*text != tidy) {
        *text = std::move(tidy);
        ++*changed;
    }
}

}  // namespace

std::string NormaliseCall(std::string_view call) {
    return Upper(Trim(call));
}

std::vector<std::string> TidyLog(std::vector<LogQso>* qsos, const std::string& ownExchangeSuffix) {
    std::size_t suffixed = 0;
    std::size_t kilohertz = 0;
    std::size_t calls = 0;
    std::size_t exchanges = 0;
    std::size_t trimmed = 0;
    // Lower band edge -> the band and its QSOs without a frequency, lowest band first.
    std::map<std::uint64_t, std::pair<std::string, std::size_t>> fromBand;
    ModeSpellings spellings;
    for (LogQso& qso : *qsos) {
        Tidy(&qso.ownCall, NormaliseCall(qso.ownCall), &calls);
        Tidy(&qso.call, NormaliseCall(qso.call), &calls);
        Tidy(&qso.exchRcvd, Upper(Trim(qso.exchRcvd)), &exchanges);
        Tidy(&qso.exchSent, Trim(qso.exchSent), &trimmed);
        Tidy(&qso.rstSent, Trim(qso.rstSent), &trimmed);
        Tidy(&qso.rstRcvd, Trim(qso.rstRcvd), &trimmed);
        spellings.Add(qso);
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
                auto& [band, count] = fromBand[edge];
                band = Lower(qso.band);
                ++count;
            }
        }
    }

    std::vector<std::string> notes;
    if (!fromBand.empty()) {
        std::size_t total = 0;
        std::string edges;
        for (const auto& [edge, band] : fromBand) {
            total += band.second;
            edges += (edges.empty() ? "" : ", ") + std::to_string(edge / 1000) + " kHz on " +
                     band.first +
                     (fromBand.size() > 1 ? " for " + Count(band.second, "QSO", "QSOs") : "");
        }
        notes.push_back(Count(total, "QSO has", "QSOs have") +
                        " no frequency: each is logged at the lower edge of its band (" + edges +
                        ")");
    }
    if (kilohertz > 0) {
        notes.push_back(Count(kilohertz, "FREQ value", "FREQ values") +
                        " in kHz read as such (ADIF gives FREQ in MHz)");
    }
    if (suffixed > 0) {
        notes.push_back(Count(suffixed, "sent exchange", "sent exchanges") + " already end with " +
                        Shown(ownExchangeSuffix) + ": the suffix is not added twice");
    }
    spellings.Notes(&notes);
    if (calls > 0 || exchanges > 0) {
        std::string what = calls > 0 ? Count(calls, "call", "calls") : std::string();
        if (exchanges > 0) {
            what += (what.empty() ? "" : " and ") +
                    Count(exchanges, "received exchange", "received exchanges");
        }
        notes.push_back(what + " upper-cased or trimmed, as the logging program keeps them");
    }
    if (trimmed > 0) {
        notes.push_back(Count(trimmed, "sent exchange or report", "sent exchanges and reports") +
                        " trimmed of blanks");
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

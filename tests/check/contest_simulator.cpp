// The simulator: stations, QSO events with at most one fault each, serial numbers in the
// order each station made its QSOs, then the logs as the senders' programs write them and
// the verdict each logged line deserves by the contest's rules. The real-log patterns draw
// only when they are on, so the plain settings give the same contests as before them.
#include "tests/check/contest_simulator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "host/common/automation_date.h"
#include "host/common/station_call.h"

namespace {

constexpr const char* kCounties[] = {
    "AB", "AR", "AG", "BC", "BH", "BN", "BT", "BV", "BR", "BU", "BZ", "CS", "CL", "CJ",
    "CT", "CV", "DB", "DJ", "GL", "GR", "GJ", "HR", "HD", "IF", "IL", "IS", "MM", "MH",
    "MS", "NT", "OT", "PH", "SM", "SJ", "SB", "SV", "TR", "TM", "TL", "VS", "VL", "VN"};
constexpr const char* kForeignPrefixes[] = {"DL", "OK", "HA", "LZ", "SP", "OE", "S5",
                                            "9A", "UR", "YU", "ER", "OM", "I",  "F",
                                            "G",  "EA", "OH", "SM", "PA", "ON"};
constexpr std::int64_t kContestSeconds = 4 * 3600;
// QSOs inside the period keep this far from its edges, and those outside it at least
// this far out, so that the minute rounding of the logs never moves one across.
constexpr std::int64_t kEdgeMargin = 150;
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kHoleSeconds = 600;
constexpr const char* kCabrilloModes[] = {"DG", "PK", "PSK"};
constexpr const char* kAdifModes[] = {"<MODE:3>PSK <SUBMODE:5>PSK31", "<MODE:6>BPSK31",
                                      "<MODE:5>PSK31"};

// mt19937's output is fixed by the standard, so one seed gives the same contest on every
// platform; the standard distributions are not, so the draws are made here.
class Random {
  public:
    explicit Random(std::uint32_t seed) : m_engine(seed) {}
    std::uint32_t Below(std::size_t n) {
        return static_cast<std::uint32_t>(m_engine() % static_cast<std::uint32_t>(n));
    }
    bool Chance(double p) { return static_cast<double>(m_engine() >> 8) / 16777216.0 < p; }
    template <class T, std::size_t N>
    const T& Pick(const T (&items)[N]) {
        return items[Below(N)];
    }

  private:
    std::mt19937 m_engine;
};

struct Station {
    std::string call;
    std::string county;  // YO stations only
    bool sends = false;
    int offsetMinutes = 0;
    bool cabrillo = true;
    bool seconds = false;    // ADIF TIME_ON with seconds
    bool lowerCase = false;  // worked calls and exchanges written in lower case
    bool newestFirst = false;
    std::uint32_t twin = UINT32_MAX;  // the sender whose call differs by one character
    // The real-log patterns of the station's own log, at most one besides the formats.
    const char* pattern = "";
    std::string headerCall;               // CALLSIGN: when it is not the call sent
    std::int64_t portableUntil = kNever;  // sends <call>/P before this second
    int driftMinutes = 0;                 // clock off by this much more at the end
    std::int64_t jumpAt = std::numeric_limits<std::int64_t>::max();
    int jumpMinutes = 0;
    std::int64_t countyFrom = kNever;  // sends earlyCounty before this second
    std::string earlyCounty;
    bool twoFiles = false;
    std::int64_t holeFrom = kNever;
    bool unreadableLine = false;
    std::size_t modeSpelling = 0;  // kCabrilloModes or kAdifModes
    bool byteOrderMark = false;
    bool cabrilloSeconds = false;  // HHMMSS on some Cabrillo lines
};

struct Side {
    bool logs = true;
    std::string call;      // as logged, upper case
    std::string received;  // exchange as logged
    std::int64_t jitter = 0;
    int serial = 0;
    std::string loggedSent;  // the sent exchange as logged, when the sender slipped
    // An earlier entry of the same QSO a minute before: a double entry whose exchanges were
    // corrected after, or a miscopied call re-entered right.
    enum class Extra { None, DoubleEntry, Reentry } extra = Extra::None;
    std::string extraCall;
    std::string extraReceived;
    std::string extraSent;
};

struct Event {
    std::uint32_t station[2];
    std::int64_t seconds;  // true time, from the start of the contest
    Side side[2];
    const char* pattern = "";  // the real-log pattern that shaped it
    bool locked = false;       // built by a pattern: no fault added
    bool faulted = false;
};

struct Entry {
    std::uint32_t event;
    int side;
    std::int64_t logged;  // seconds from the start, as the station's clock showed
    bool extra = false;   // the Side's earlier entry
    int unreadable = 0;   // 1: a date that does not exist, 2: no time
};

std::string Serial(int serial) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", serial);
    return text;
}

std::string Letters(Random& random, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += static_cast<char>('A' + random.Below(26));
    }
    return text;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool AnyOn(const RealLogPatterns& real) {
    return real.headerTypoShare > 0 || real.portableChangeShare > 0 || real.transpositionRate > 0 ||
           real.swappedCallPairs > 0 || real.driftClockShare > 0 || real.jumpClockShare > 0 ||
           real.serialSlipRate > 0 || real.countyChangeShare > 0 || real.doubleEntryRate > 0 ||
           real.twoFilesShare > 0 || real.unreadableLineShare > 0 || real.mixedFormats ||
           real.exchangeAsCallRate > 0 || real.bustedNonSenderCalls > 0 ||
           real.reenteredCallRate > 0 || real.holeShare > 0;
}

class Simulator {
  public:
    explicit Simulator(const SimulationSettings& settings)
        : m_settings(settings), m_realOn(AnyOn(settings.real)), m_random(settings.seed) {}

    SimulatedContest Run() {
        MakeStations();
        if (m_realOn) {
            AssignStationPatterns();
        }
        MakeEvents();
        NumberAndExchange();
        InjectFaults();
        if (m_realOn) {
            InjectRealPatterns();
        }
        SimulatedContest contest;
        contest.startDays = kStartDays;
        contest.endDays = kStartDays + static_cast<double>(kContestSeconds) / 86400.0;
        WriteLogs(&contest);
        return contest;
    }

  private:
    const double kStartDays = ToAutomationDate(CivilTime{2026, 12, 6, 16, 0, 0});

    bool Taken(const std::string& call) const { return m_calls.count(call) != 0; }

    std::uint32_t AddStation(Station station) {
        m_calls.insert(station.call);
        m_stations.push_back(std::move(station));
        return static_cast<std::uint32_t>(m_stations.size() - 1);
    }

    std::string NewCall() {
        while (true) {
            std::string call;
            if (m_random.Chance(0.4)) {
                call = "YO" + std::to_string(2 + m_random.Below(8)) +
                       Letters(m_random, 2 + static_cast<int>(m_random.Below(2)));
            } else {
                call = std::string(m_random.Pick(kForeignPrefixes)) +
                       std::to_string(1 + m_random.Below(9)) +
                       Letters(m_random, 2 + static_cast<int>(m_random.Below(2)));
                if (m_random.Chance(0.05)) {
                    call += "/P";
                }
            }
            if (!Taken(call)) {
                return call;
            }
        }
    }

    Station MakeStation(const std::string& call, bool sends) {
        Station station;
        station.call = call;
        if (call.rfind("YO", 0) == 0) {
            station.county = m_random.Pick(kCounties);
        }
        station.sends = sends;
        station.cabrillo = m_random.Chance(0.6);
        station.seconds = !station.cabrillo && m_random.Chance(0.5);
        station.lowerCase = m_random.Chance(0.1);
        station.newestFirst = m_random.Chance(0.05);
        if (sends && m_random.Chance(m_settings.wrongClockShare)) {
            // The first wrong clock is the classic one, 17 minutes slow; one in ten is a
            // clock on local time, hours off.
            const int minutes = m_firstWrongClock ? -17
                                : m_random.Chance(0.1)
                                    ? 60 * (1 + static_cast<int>(m_random.Below(3)))
                                    : 3 + static_cast<int>(m_random.Below(40));
            station.offsetMinutes = m_firstWrongClock || m_random.Chance(0.5) ? minutes : -minutes;
            m_firstWrongClock = false;
        }
        return station;
    }

    void MakeStations() {
        for (int i = 0; i < m_settings.stations; ++i) {
            AddStation(MakeStation(NewCall(), m_random.Chance(m_settings.sendingShare)));
        }
        m_onAir = static_cast<std::uint32_t>(m_stations.size());
        // Twins: a sender and another whose call differs in the last letter, both on the air.
        for (int i = 0; i < m_settings.nearCallPairs && m_onAir > 0; ++i) {
            const std::uint32_t first = m_random.Below(m_onAir);
            const std::string& call = m_stations[first].call;
            if (call.find('/') != std::string::npos || m_stations[first].twin != UINT32_MAX) {
                continue;
            }
            std::string twinCall = call;
            twinCall.back() = static_cast<char>('A' + (call.back() - 'A' + 1) % 26);
            if (Taken(twinCall)) {
                continue;
            }
            m_stations[first].sends = true;
            const std::uint32_t twin = AddStation(MakeStation(twinCall, true));
            m_stations[first].twin = twin;
            m_stations[twin].twin = first;
        }
        // Pairs of participants like YO2AA and YO2AB for a station to swap.
        for (int i = 0; m_realOn && i < m_settings.real.swappedCallPairs; ++i) {
            std::string call;
            std::string twinCall;
            do {
                call = "YO" + std::to_string(2 + m_random.Below(8)) + Letters(m_random, 2);
                twinCall = call;
                twinCall.back() = static_cast<char>(call.back() + 1);
            } while (call.back() == 'Z' || Taken(call) || Taken(twinCall));
            const std::uint32_t a = AddStation(MakeStation(call, true));
            const std::uint32_t b = AddStation(MakeStation(twinCall, true));
            m_swapPairs.push_back({a, b});
        }
        m_onAir = static_cast<std::uint32_t>(m_stations.size());
        for (int i = 0; i < m_settings.oneOffStations; ++i) {
            AddStation(MakeStation(NewCall(), false));
        }
    }

    bool InSwapPair(std::uint32_t s) const {
        for (const auto& [a, b] : m_swapPairs) {
            if (s == a || s == b) {
                return true;
            }
        }
        return false;
    }

    // One character of the call changed for another of its kind; not a call on the air.
    std::string OneCharacterOff(const std::string& call) {
        while (true) {
            std::string changed = call;
            const std::size_t pos = m_random.Below(call.size());
            const char c = call[pos];
            if (c >= 'A' && c <= 'Z') {
                changed[pos] = static_cast<char>('A' + (c - 'A' + 1 + m_random.Below(25)) % 26);
            } else if (c >= '0' && c <= '9') {
                changed[pos] = static_cast<char>('0' + (c - '0' + 1 + m_random.Below(9)) % 10);
            }
            if (changed != call && !Taken(changed)) {
                return changed;
            }
        }
    }

    // Each sender draws at most one pattern of its own log, then how its program writes.
    void AssignStationPatterns() {
        const RealLogPatterns& real = m_settings.real;
        for (std::uint32_t s = 0; s < m_onAir; ++s) {
            Station& station = m_stations[s];
            if (!station.sends || InSwapPair(s)) {
                continue;
            }
            const bool plainCall = station.call.find('/') == std::string::npos;
            const double roll = static_cast<double>(m_random.Below(1000000)) / 1e6;
            double edge = real.headerTypoShare;
            const std::int64_t middle = 3600 + m_random.Below(7200);
            if (roll < edge) {
                if (station.cabrillo) {
                    station.pattern = "header-typo";
                    station.headerCall = OneCharacterOff(station.call);
                    m_calls.insert(station.headerCall);
                }
            } else if (roll < (edge += real.portableChangeShare)) {
                if (plainCall && station.twin == UINT32_MAX && !Taken(station.call + "/P")) {
                    station.pattern = "portable-change";
                    station.portableUntil = middle;
                    m_calls.insert(station.call + "/P");
                }
            } else if (roll < (edge += real.driftClockShare)) {
                station.pattern = "clock-drift";
                station.driftMinutes =
                    (m_random.Chance(0.5) ? 1 : -1) * (3 + static_cast<int>(m_random.Below(8)));
            } else if (roll < (edge += real.jumpClockShare)) {
                station.pattern = "clock-jump";
                station.jumpAt = middle;
                station.jumpMinutes =
                    (m_random.Chance(0.5) ? 1 : -1) * (3 + static_cast<int>(m_random.Below(10)));
            } else if (roll < (edge += real.countyChangeShare)) {
                if (!station.county.empty()) {
                    station.pattern = "county-change";
                    station.countyFrom = middle;
                    station.earlyCounty = station.county;
                    while (station.earlyCounty == station.county) {
                        station.earlyCounty = m_random.Pick(kCounties);
                    }
                }
            } else if (roll < (edge += real.twoFilesShare)) {
                station.pattern = "two-files";
                station.twoFiles = true;
            } else if (roll < (edge += real.holeShare)) {
                station.pattern = "hole";
                station.holeFrom = 600 + m_random.Below(kContestSeconds - 1800);
            }
            station.unreadableLine = station.cabrillo && m_random.Chance(real.unreadableLineShare);
            if (station.unreadableLine && *station.pattern == '\0') {
                station.pattern = "unreadable-line";
            }
            if (real.mixedFormats) {
                station.modeSpelling = m_random.Below(3);
                station.byteOrderMark = m_random.Chance(0.1);
                station.cabrilloSeconds = station.cabrillo && m_random.Chance(0.15);
                if (*station.pattern == '\0' &&
                    (station.byteOrderMark || station.cabrilloSeconds)) {
                    station.pattern = "formats";
                }
            }
        }
    }

    std::int64_t InsideTime() {
        return kEdgeMargin + m_random.Below(kContestSeconds - 2 * kEdgeMargin);
    }

    void AddEvent(std::uint32_t a, std::uint32_t b, std::int64_t seconds) {
        Event event{};
        event.station[0] = a;
        event.station[1] = b;
        event.seconds = seconds;
        m_events.push_back(event);
    }

    void MakeEvents() {
        std::set<std::pair<std::uint32_t, std::uint32_t>> pairs;
        const std::size_t wanted = static_cast<std::size_t>(m_onAir) *
                                   static_cast<std::size_t>(m_settings.qsosPerStation) / 2;
        for (std::size_t tries = 0; m_events.size() < wanted && tries < wanted * 20; ++tries) {
            const std::uint32_t a = m_random.Below(m_onAir);
            const std::uint32_t b = m_random.Below(m_onAir);
            if (a == b || (!m_stations[a].sends && !m_stations[b].sends) ||
                !pairs.insert({std::min(a, b), std::max(a, b)}).second) {
                continue;
            }
            const std::int64_t seconds = InsideTime();
            AddEvent(a, b, seconds);
            // The same two stations meet again at least 40 minutes later.
            if (m_random.Chance(m_settings.workedTwiceRate) &&
                seconds + 2400 < kContestSeconds - kEdgeMargin) {
                AddEvent(b, a,
                         seconds + 2400 +
                             m_random.Below(static_cast<std::size_t>(kContestSeconds - kEdgeMargin -
                                                                     seconds - 2400)));
            }
        }
        std::vector<std::uint32_t> senders;
        for (std::uint32_t i = 0; i < m_onAir; ++i) {
            if (m_stations[i].sends) {
                senders.push_back(i);
            }
        }
        for (std::uint32_t i = m_onAir; i < m_stations.size() && !senders.empty(); ++i) {
            AddEvent(senders[m_random.Below(senders.size())], i, InsideTime());
        }
        for (Event& event : m_events) {
            if (m_random.Chance(m_settings.outOfPeriodRate)) {
                event.seconds = m_random.Chance(0.5)
                                    ? -kEdgeMargin - m_random.Below(1800)
                                    : kContestSeconds + kEdgeMargin + m_random.Below(1800);
            }
        }
        if (m_realOn) {
            MakeSwapEvents(&pairs, senders);
        }
    }

    // A sender without patterns of its own works both stations of a pair 1-3 minutes apart;
    // the calls it logs are swapped after the exchanges are made.
    void MakeSwapEvents(std::set<std::pair<std::uint32_t, std::uint32_t>>* pairs,
                        const std::vector<std::uint32_t>& senders) {
        for (const auto& [a, b] : m_swapPairs) {
            for (int tries = 0; tries < 100 && !senders.empty(); ++tries) {
                const std::uint32_t s = senders[m_random.Below(senders.size())];
                if (s == a || s == b || *m_stations[s].pattern != '\0' ||
                    pairs->count({std::min(s, a), std::max(s, a)}) != 0 ||
                    pairs->count({std::min(s, b), std::max(s, b)}) != 0) {
                    continue;
                }
                pairs->insert({std::min(s, a), std::max(s, a)});
                pairs->insert({std::min(s, b), std::max(s, b)});
                const std::int64_t t =
                    kEdgeMargin + m_random.Below(kContestSeconds - 2 * kEdgeMargin - 180);
                AddEvent(s, a, t);
                AddEvent(s, b, t + 60 + m_random.Below(121));
                for (std::size_t e = m_events.size() - 2; e < m_events.size(); ++e) {
                    m_events[e].pattern = "swapped-calls";
                    m_events[e].locked = true;
                }
                m_swapEvents.push_back(static_cast<std::uint32_t>(m_events.size() - 2));
                break;
            }
        }
    }

    std::string SentCall(std::uint32_t station, std::int64_t seconds) const {
        const Station& sender = m_stations[station];
        return seconds < sender.portableUntil ? sender.call + "/P" : sender.call;
    }

    std::string CountyAt(const Station& station, std::int64_t seconds) const {
        return seconds < station.countyFrom ? station.earlyCounty : station.county;
    }

    // Seconds from the start as the station's clock shows the true second.
    std::int64_t Logged(const Station& station, std::int64_t seconds) const {
        return seconds + station.offsetMinutes * 60 +
               station.driftMinutes * 60 * seconds / kContestSeconds +
               (seconds >= station.jumpAt ? station.jumpMinutes * 60 : 0);
    }

    std::string SentExchange(const Event& event, int side) const {
        return Serial(event.side[side].serial) +
               CountyAt(m_stations[event.station[side]], event.seconds);
    }

    // What the sender's log says it sent: its county of the log throughout.
    std::string LoggedSentExchange(const Event& event, int side) const {
        const Side& own = event.side[side];
        return own.loggedSent.empty() ? Serial(own.serial) + m_stations[event.station[side]].county
                                      : own.loggedSent;
    }

    void NumberAndExchange() {
        std::vector<std::vector<std::pair<std::int64_t, std::pair<std::uint32_t, int>>>> made(
            m_stations.size());
        for (std::uint32_t e = 0; e < m_events.size(); ++e) {
            for (int side = 0; side < 2; ++side) {
                made[m_events[e].station[side]].push_back({m_events[e].seconds, {e, side}});
            }
        }
        for (auto& list : made) {
            std::sort(list.begin(), list.end());
            for (std::size_t i = 0; i < list.size(); ++i) {
                m_events[list[i].second.first].side[list[i].second.second].serial =
                    static_cast<int>(i + 1);
            }
        }
        for (Event& event : m_events) {
            for (int side = 0; side < 2; ++side) {
                event.side[side].call = SentCall(event.station[1 - side], event.seconds);
                event.side[side].received = SentExchange(event, 1 - side);
                event.side[side].jitter = m_random.Below(40);
            }
        }
    }

    std::string Miscopy(const std::string& call) {
        while (true) {
            std::string busted = call;
            const std::size_t pos = m_random.Below(call.size());
            const char c = call[pos];
            switch (m_random.Below(4)) {
                case 0:
                    if (c >= 'A' && c <= 'Z') {
                        busted[pos] =
                            static_cast<char>('A' + (c - 'A' + 1 + m_random.Below(25)) % 26);
                    } else if (c >= '0' && c <= '9') {
                        busted[pos] =
                            static_cast<char>('0' + (c - '0' + 1 + m_random.Below(9)) % 10);
                    }
                    break;
                case 1:
                    busted.insert(pos, 1, static_cast<char>('A' + m_random.Below(26)));
                    break;
                case 2:
                    busted.erase(pos, 1);
                    break;
                default:
                    busted = busted.size() > 2 && busted.substr(busted.size() - 2) == "/P"
                                 ? busted.substr(0, busted.size() - 2)
                                 : busted + "/P";
            }
            // Still a call to a reader: a letter, later a digit.
            const std::size_t letter = busted.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
            const bool callLike = letter != std::string::npos &&
                                  busted.find_first_of("0123456789", letter) != std::string::npos;
            if (busted != call && callLike && busted.front() != '/' && busted.back() != '/' &&
                !Taken(busted)) {
                return busted;
            }
        }
    }

    void InjectFaults() {
        for (Event& event : m_events) {
            if (event.locked) {
                continue;
            }
            const bool sends[2] = {m_stations[event.station[0]].sends,
                                   m_stations[event.station[1]].sends};
            int side = static_cast<int>(m_random.Below(2));
            if (!sends[side]) {
                side = 1 - side;
            }
            const Station& worked = m_stations[event.station[1 - side]];
            Side& logger = event.side[side];
            const double roll = static_cast<double>(m_random.Below(1000000)) / 1e6;
            double edge = m_settings.nilRate;
            if (roll < edge) {
                logger.logs = !(sends[0] && sends[1]);
                event.faulted = true;
                continue;
            }
            edge += m_settings.bustedCallRate;
            if (roll < edge) {
                // The twin's call, unless that is the logger's own (a line whose only call is
                // the sender's: a reader finds no worked call in it).
                const bool twin =
                    worked.twin != UINT32_MAX && (!m_realOn || worked.twin != event.station[side]);
                logger.call = twin && m_random.Chance(0.5)
                                  ? m_stations[worked.twin].call
                                  : Miscopy(SentCall(event.station[1 - side], event.seconds));
                event.faulted = true;
                continue;
            }
            edge += m_settings.bustedExchangeRate;
            if (roll < edge) {
                event.faulted = true;
                const std::string sentCounty = CountyAt(worked, event.seconds);
                logger.received = BustedSerial(event.side[1 - side].serial) + sentCounty;
                if (!worked.county.empty() && m_random.Chance(0.5)) {
                    std::string county = sentCounty;
                    while (county == sentCounty) {
                        county = m_random.Pick(kCounties);
                    }
                    logger.received = SentExchange(event, 1 - side);
                    logger.received.replace(logger.received.size() - 2, 2, county);
                }
            }
        }
    }

    std::string BustedSerial(int serial) {
        return Serial(serial + 1 + static_cast<int>(m_random.Below(9)));
    }

    // Two neighbouring different characters swapped; empty when the call has none that
    // give a call not on the air.
    std::string Transposed(const std::string& call) {
        const std::size_t start = m_random.Below(call.size() - 1);
        for (std::size_t i = 0; i + 1 < call.size(); ++i) {
            const std::size_t pos = (start + i) % (call.size() - 1);
            std::string swapped = call;
            std::swap(swapped[pos], swapped[pos + 1]);
            if (swapped != call && swapped.front() != '/' && swapped.back() != '/' &&
                HasLetterBeforeDigit(swapped) && !Taken(swapped)) {
                return swapped;
            }
        }
        return {};
    }

    // The worked participant's exchange as some loggers put it in the call field: "12BV",
    // "BV12" or "012BV"; in a Cabrillo line only the shape a reader can take for a call.
    std::string ExchangeAsCall(const Event& event, int side, bool cabrillo) {
        const int serial = event.side[side].serial;
        const std::string county = CountyAt(m_stations[event.station[side]], event.seconds);
        switch (cabrillo ? 1 : m_random.Below(3)) {
            case 0:
                return std::to_string(serial) + county;
            case 1:
                return county + std::to_string(serial);
            default:
                return Serial(serial) + county;
        }
    }

    bool InPeriod(const Event& event) const {
        return event.seconds >= 0 && event.seconds < kContestSeconds;
    }

    // Events a pattern may shape: in the period, no fault yet, logged by every sender.
    bool Open(const Event& event) const {
        if (event.locked || event.faulted || !InPeriod(event)) {
            return false;
        }
        for (int side = 0; side < 2; ++side) {
            if (m_stations[event.station[side]].sends && !event.side[side].logs) {
                return false;
            }
        }
        return true;
    }

    void InjectRealPatterns() {
        const RealLogPatterns& real = m_settings.real;
        for (const std::uint32_t e : m_swapEvents) {
            std::swap(m_events[e].side[0].call, m_events[e + 1].side[0].call);
        }
        for (Event& event : m_events) {
            for (int side = 0; side < 2; ++side) {
                const Station& station = m_stations[event.station[side]];
                if (!event.locked && event.seconds >= station.holeFrom &&
                    event.seconds < station.holeFrom + kHoleSeconds) {
                    event.side[side].logs = false;
                }
            }
        }
        // Partners of a station that dropped /P now and then log the form it did not send.
        for (Event& event : m_events) {
            for (int side = 0; side < 2 && Open(event); ++side) {
                const std::uint32_t worked = event.station[1 - side];
                if (m_stations[event.station[side]].sends &&
                    m_stations[worked].portableUntil != kNever &&
                    m_random.Chance(real.portableMiscopyRate)) {
                    const std::string sent = SentCall(worked, event.seconds);
                    event.side[side].call = event.seconds < m_stations[worked].portableUntil
                                                ? m_stations[worked].call
                                                : sent + "/P";
                    event.pattern = "portable-change";
                    event.faulted = true;
                }
            }
        }
        for (std::uint32_t e = 0; e < m_events.size(); ++e) {
            Event& event = m_events[e];
            if (!Open(event)) {
                continue;
            }
            const bool sends[2] = {m_stations[event.station[0]].sends,
                                   m_stations[event.station[1]].sends};
            int side = static_cast<int>(m_random.Below(2));
            if (!sends[side]) {
                side = 1 - side;
            }
            const std::uint32_t worked = event.station[1 - side];
            Side& logger = event.side[side];
            const std::string sentCall = SentCall(worked, event.seconds);
            const double roll = static_cast<double>(m_random.Below(1000000)) / 1e6;
            double edge = real.transpositionRate;
            if (roll < edge) {
                const std::string swapped = Transposed(sentCall);
                if (!swapped.empty()) {
                    logger.call = swapped;
                    event.pattern = "transposition";
                }
            } else if (roll < (edge += real.serialSlipRate)) {
                // The logger sent the right serial; its log holds the previous one again or
                // one a few back. A slip only shows when the receiver sent a log too.
                const int serial = logger.serial;
                if (sends[1 - side] && serial > 1) {
                    const int back =
                        m_random.Chance(0.5)
                            ? 1
                            : 2 + static_cast<int>(m_random.Below(
                                      static_cast<std::size_t>(std::min(4, serial - 1))));
                    logger.loggedSent =
                        Serial(std::max(1, serial - back)) + m_stations[event.station[side]].county;
                    event.pattern = "serial-slip";
                }
            } else if (roll < (edge += real.doubleEntryRate)) {
                if (sends[1 - side]) {
                    logger.extra = Side::Extra::DoubleEntry;
                    logger.extraCall = logger.call;
                    logger.extraReceived = BustedSerial(event.side[1 - side].serial) +
                                           CountyAt(m_stations[worked], event.seconds);
                    logger.extraSent =
                        Serial(logger.serial + 1) + m_stations[event.station[side]].county;
                    event.pattern = "double-entry";
                }
            } else if (roll < (edge += real.exchangeAsCallRate)) {
                if (sends[1 - side] && !m_stations[worked].county.empty()) {
                    const std::string call =
                        ExchangeAsCall(event, 1 - side, m_stations[event.station[side]].cabrillo);
                    if (!Taken(call)) {
                        logger.call = call;
                        event.pattern = "exchange-as-call";
                    }
                }
            } else if (roll < (edge += real.reenteredCallRate)) {
                logger.extra = Side::Extra::Reentry;
                logger.extraCall = Miscopy(sentCall);
                logger.extraReceived = logger.received;
                logger.extraSent = LoggedSentExchange(event, side);
                event.pattern = "reentered-call";
            }
            event.faulted = *event.pattern != '\0';
        }
        MisCopyPopularNonSenders();
    }

    // Stations that send no log but are in many logs: one log miscopies each once.
    void MisCopyPopularNonSenders() {
        std::vector<std::vector<std::pair<std::uint32_t, int>>> workedBy(m_onAir);
        for (std::uint32_t e = 0; e < m_events.size(); ++e) {
            for (int side = 0; side < 2; ++side) {
                const std::uint32_t worked = m_events[e].station[1 - side];
                if (worked < m_onAir && !m_stations[worked].sends &&
                    m_stations[m_events[e].station[side]].sends && Open(m_events[e])) {
                    workedBy[worked].push_back({e, side});
                }
            }
        }
        std::vector<std::uint32_t> popular;
        for (std::uint32_t s = 0; s < m_onAir; ++s) {
            if (workedBy[s].size() >= 6) {
                popular.push_back(s);
            }
        }
        for (int i = 0; i < m_settings.real.bustedNonSenderCalls && !popular.empty(); ++i) {
            const std::size_t pick = m_random.Below(popular.size());
            const auto& candidates = workedBy[popular[pick]];
            const auto [e, side] = candidates[m_random.Below(candidates.size())];
            m_events[e].side[side].call = Miscopy(m_stations[popular[pick]].call);
            m_events[e].pattern = "busted-non-sender";
            m_events[e].faulted = true;
            popular.erase(popular.begin() + static_cast<std::ptrdiff_t>(pick));
        }
    }

    // Calls that appear in the logs of senders other than `log`.
    bool OtherLogHas(const std::string& call, std::uint32_t log) const {
        const auto found = m_loggedBy.find(call);
        if (found == m_loggedBy.end()) {
            return false;
        }
        return found->second.size() > 1 || *found->second.begin() != log;
    }

    // Logs other than `log` that hold the call.
    std::size_t OtherLogsHolding(const std::string& call, std::uint32_t log) const {
        const auto found = m_loggedBy.find(call);
        return found == m_loggedBy.end() ? 0 : found->second.size() - found->second.count(log);
    }

    // *popular: a busted call of a station that sent no log, known by the logs that hold it.
    QsoStatus Verdict(const Event& event, int side, std::string* rightCall, bool* popular) const {
        const std::uint32_t station = event.station[side];
        const Station& worked = m_stations[event.station[1 - side]];
        const Side& own = event.side[side];
        const Side& other = event.side[1 - side];
        if (event.seconds < 0 || event.seconds >= kContestSeconds) {
            return QsoStatus::OutOfPeriod;
        }
        const std::string sentCall = SentCall(event.station[1 - side], event.seconds);
        if (own.call == sentCall) {
            if (!worked.sends) {
                return OtherLogHas(own.call, station) ? QsoStatus::NoLog : QsoStatus::Unique;
            }
            if (!other.logs) {
                return QsoStatus::Nil;
            }
            return own.received == SentExchange(event, 1 - side) ? QsoStatus::Ok
                                                                 : QsoStatus::BustedExchange;
        }
        if (worked.sends && other.logs) {
            *rightCall = sentCall;
            return QsoStatus::BustedCall;
        }
        if (!worked.sends && !OtherLogHas(own.call, station) &&
            OtherLogsHolding(sentCall, station) >= 3 &&
            own.received == SentExchange(event, 1 - side)) {
            *rightCall = sentCall;
            *popular = true;
            return QsoStatus::BustedCall;
        }
        if (m_senderCalls.count(own.call) != 0) {
            return QsoStatus::Nil;
        }
        return OtherLogHas(own.call, station) ? QsoStatus::NoLog : QsoStatus::Unique;
    }

    void WriteLogs(SimulatedContest* contest) {
        for (const Station& station : m_stations) {
            if (station.sends) {
                m_senderCalls.insert(station.call);
                if (station.portableUntil != kNever) {
                    m_senderCalls.insert(station.call + "/P");
                }
            }
        }
        std::vector<std::vector<Entry>> entries(m_stations.size());
        for (std::uint32_t e = 0; e < m_events.size(); ++e) {
            for (int side = 0; side < 2; ++side) {
                const Station& station = m_stations[m_events[e].station[side]];
                const Side& own = m_events[e].side[side];
                if (station.sends && own.logs) {
                    const std::int64_t logged = Logged(station, m_events[e].seconds) + own.jitter;
                    entries[m_events[e].station[side]].push_back({e, side, logged});
                    m_loggedBy[own.call].insert(m_events[e].station[side]);
                    if (own.extra != Side::Extra::None) {
                        entries[m_events[e].station[side]].push_back({e, side, logged - 60, true});
                        m_loggedBy[own.extraCall].insert(m_events[e].station[side]);
                    }
                }
            }
        }
        for (std::uint32_t s = 0; s < m_stations.size(); ++s) {
            std::vector<Entry>& list = entries[s];
            std::stable_sort(list.begin(), list.end(),
                             [](const Entry& a, const Entry& b) { return a.logged < b.logged; });
            if (m_stations[s].unreadableLine) {
                MakeOneLineUnreadable(&list);
            }
        }
        for (std::uint32_t s = 0; s < m_stations.size(); ++s) {
            const Station& station = m_stations[s];
            if (!station.sends) {
                continue;
            }
            SimulatedLog log;
            log.call = station.portableUntil != kNever ? station.call + "/P" : station.call;
            if (station.portableUntil != kNever) {
                log.otherCalls.push_back(station.call);
            }
            if (!station.headerCall.empty()) {
                log.otherCalls.push_back(station.headerCall);
            }
            log.clockOffsetMinutes = station.offsetMinutes;
            log.clockDriftMinutes = station.driftMinutes;
            log.clockJumpMinutes = station.jumpMinutes;
            std::string name = log.call;
            std::replace(name.begin(), name.end(), '/', '_');
            const std::string extension = station.cabrillo ? ".log" : ".adi";
            log.fileName = name + extension;
            const std::vector<Entry>& list = entries[s];
            if (station.twoFiles) {
                // The first submission: the QSOs of the first 40-70 % of the contest.
                SimulatedLog first = log;
                first.partial = true;
                const std::size_t cut = list.size() * (40 + m_random.Below(31)) / 100;
                first.text =
                    LogText(station, log.call, {list.begin(), list.begin() + cut}, nullptr);
                contest->logs.push_back(std::move(first));
                log.fileName = name + "_2" + extension;
            }
            log.text = LogText(station, log.call, list, &contest->truth);
            contest->logs.push_back(std::move(log));
        }
    }

    // One line of the log, a QSO no pattern shaped, written so that it cannot be read.
    void MakeOneLineUnreadable(std::vector<Entry>* list) {
        std::vector<std::size_t> plain;
        for (std::size_t i = 0; i < list->size(); ++i) {
            const Event& event = m_events[(*list)[i].event];
            if (!(*list)[i].extra && *event.pattern == '\0' && InPeriod(event)) {
                plain.push_back(i);
            }
        }
        if (!plain.empty()) {
            Entry& entry = (*list)[plain[m_random.Below(plain.size())]];
            entry.unreadable = 1 + static_cast<int>(m_random.Below(2));
            m_events[entry.event].pattern = "unreadable-line";
        }
    }

    // The log's text from its entries in time order; the truth rows of its lines when
    // `truth` is given.
    std::string LogText(const Station& station, const std::string& call, std::vector<Entry> list,
                        std::vector<TruthRow>* truth) const {
        if (station.newestFirst) {
            std::reverse(list.begin(), list.end());
        }
        std::string text = station.byteOrderMark ? "\xEF\xBB\xBF" : "";
        std::size_t line = 0;
        if (station.cabrillo) {
            text += "START-OF-LOG: 3.0\r\nCONTEST: SARNET\r\nCALLSIGN: " +
                    (station.headerCall.empty() ? call : station.headerCall) +
                    "\r\nCATEGORY-OPERATOR: SINGLE-OP\r\nCREATED-BY: contest simulator\r\n";
            line = 5;
        } else {
            text += "Sarnet Contest log written by the contest simulator\r\n<EOH>\r\n";
        }
        for (const Entry& entry : list) {
            ++line;
            if (truth != nullptr) {
                truth->push_back(Truth(station, call, line, entry));
            }
            text += QsoText(station, m_events[entry.event], entry);
        }
        if (station.cabrillo) {
            text += "END-OF-LOG:\r\n";
        }
        return text;
    }

    TruthRow Truth(const Station& station, const std::string& call, std::size_t line,
                   const Entry& entry) const {
        const Event& event = m_events[entry.event];
        const std::uint32_t worked = event.station[1 - entry.side];
        TruthRow row;
        row.log = call;
        row.line = line;
        row.status = QsoStatus::Ok;
        bool popular = false;
        if (!entry.extra) {
            row.status = Verdict(event, entry.side, &row.rightCall, &popular);
        } else if (event.side[entry.side].extra == Side::Extra::DoubleEntry) {
            row.status = QsoStatus::BustedExchange;
        } else {
            row.status = QsoStatus::BustedCall;
            row.rightCall = SentCall(worked, event.seconds);
        }
        row.unreadable = entry.unreadable != 0;
        // A pattern of the worked station's log reaches this line through the matching; how
        // that log is written does not, and how this one is written counts last.
        const std::string own = station.pattern;
        const std::string other = m_stations[worked].pattern;
        row.pattern = *event.pattern != '\0'             ? event.pattern
                      : popular                          ? "busted-non-sender"
                      : !own.empty() && own != "formats" ? own
                      : other != "formats"               ? other
                                                         : "";
        if (row.pattern.empty()) {
            row.pattern = own;
        }
        return row;
    }

    std::string QsoText(const Station& station, const Event& event, const Entry& entry) const {
        const Side& own = event.side[entry.side];
        const double days = kStartDays + static_cast<double>(entry.logged) / 86400.0;
        const CivilTime date = FromAutomationDate(days);
        std::int64_t secondOfDay = entry.logged + 16 * 3600;
        secondOfDay = ((secondOfDay % 86400) + 86400) % 86400;
        const int hour = static_cast<int>(secondOfDay / 3600);
        const int minute = static_cast<int>(secondOfDay / 60 % 60);
        const int second = static_cast<int>(secondOfDay % 60);
        const int khz = 3580 + static_cast<int>((event.seconds & 0xffff) % 20);
        const std::string& ownCall = SentCall(event.station[entry.side], event.seconds);
        const std::string& worked = entry.extra ? own.extraCall : own.call;
        const std::string& copied = entry.extra ? own.extraReceived : own.received;
        const std::string call = station.lowerCase ? Lower(worked) : worked;
        const std::string received = station.lowerCase ? Lower(copied) : copied;
        const std::string sent =
            entry.extra ? own.extraSent : LoggedSentExchange(event, entry.side);
        char text[512];
        char dateText[16];
        std::snprintf(dateText, sizeof dateText, "%04d-%02d-%02d", date.year, date.month, date.day);
        if (station.cabrillo) {
            char time[16];
            if (station.cabrilloSeconds && entry.event % 2 == 0) {
                std::snprintf(time, sizeof time, "%02d%02d%02d ", hour, minute, second);
            } else {
                std::snprintf(time, sizeof time, "%02d%02d ", hour, minute);
            }
            std::snprintf(text, sizeof text, "QSO: %5d %s %s %s%-13s 599 %-6s %-13s 599 %s\r\n",
                          khz, kCabrilloModes[station.modeSpelling],
                          entry.unreadable == 1 ? "2026-13-45" : dateText,
                          entry.unreadable == 2 ? "" : time, ownCall.c_str(), sent.c_str(),
                          call.c_str(), received.c_str());
            return text;
        }
        char time[8];
        if (station.seconds) {
            std::snprintf(time, sizeof time, "%02d%02d%02d", hour, minute, second);
        } else {
            std::snprintf(time, sizeof time, "%02d%02d", hour, minute);
        }
        char freq[16];
        std::snprintf(freq, sizeof freq, "3.%03d", khz - 3000);
        std::snprintf(text, sizeof text,
                      "<CALL:%zu>%s <QSO_DATE:8>%04d%02d%02d <TIME_ON:%zu>%s <BAND:3>80m "
                      "%s <FREQ:%zu>%s <RST_SENT:3>599 <RST_RCVD:3>599 "
                      "<STX_STRING:%zu>%s <SRX_STRING:%zu>%s <STATION_CALLSIGN:%zu>%s <EOR>\r\n",
                      call.size(), call.c_str(), date.year, date.month, date.day,
                      std::string(time).size(), time, kAdifModes[station.modeSpelling],
                      std::string(freq).size(), freq, sent.size(), sent.c_str(), received.size(),
                      received.c_str(), ownCall.size(), ownCall.c_str());
        return text;
    }

    const SimulationSettings& m_settings;
    const bool m_realOn;
    Random m_random;
    std::vector<Station> m_stations;
    std::unordered_set<std::string> m_calls;
    std::uint32_t m_onAir = 0;
    bool m_firstWrongClock = true;
    std::vector<Event> m_events;
    std::unordered_map<std::string, std::set<std::uint32_t>> m_loggedBy;
    std::unordered_set<std::string> m_senderCalls;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_swapPairs;
    std::vector<std::uint32_t> m_swapEvents;  // the first of each swapper's two events
};

}  // namespace

RealLogPatterns RealisticPatterns() {
    RealLogPatterns real;
    real.headerTypoShare = 0.04;
    real.portableChangeShare = 0.04;
    real.portableMiscopyRate = 0.1;
    real.transpositionRate = 0.015;
    real.swappedCallPairs = 1;
    real.driftClockShare = 0.04;
    real.jumpClockShare = 0.04;
    real.serialSlipRate = 0.01;
    real.countyChangeShare = 0.04;
    real.doubleEntryRate = 0.01;
    real.twoFilesShare = 0.04;
    real.unreadableLineShare = 0.05;
    real.mixedFormats = true;
    real.exchangeAsCallRate = 0.005;
    real.bustedNonSenderCalls = 2;
    real.reenteredCallRate = 0.005;
    real.holeShare = 0.03;
    return real;
}

std::string TruthStatusName(const TruthRow& row) {
    return row.unreadable ? "UNREADABLE" : StatusName(row.status);
}

SimulatedContest SimulateContest(const SimulationSettings& settings) {
    return Simulator(settings).Run();
}

std::string FormatMinute(double days) {
    const CivilTime date = FromAutomationDate(days);
    const auto minutes = static_cast<long>(std::llround((days - std::floor(days)) * 1440.0)) % 1440;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02ld:%02ld", date.year, date.month, date.day,
                  minutes / 60, minutes % 60);
    return text;
}

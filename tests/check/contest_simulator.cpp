// The simulator: stations, QSO events with at most one fault each, serial numbers in the
// order each station made its QSOs, then the logs as the senders' programs write them and
// the verdict each logged line deserves by the contest's rules.
#include "tests/check/contest_simulator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "host/common/automation_date.h"

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
};

struct Side {
    bool logs = true;
    std::string call;      // as logged, upper case
    std::string received;  // exchange as logged
    std::int64_t jitter = 0;
    int serial = 0;
};

struct Event {
    std::uint32_t station[2];
    std::int64_t seconds;  // true time, from the start of the contest
    Side side[2];
};

struct Entry {
    std::uint32_t event;
    int side;
    std::int64_t logged;  // seconds from the start, as the station's clock showed
};

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

class Simulator {
  public:
    explicit Simulator(const SimulationSettings& settings)
        : m_settings(settings), m_random(settings.seed) {}

    SimulatedContest Run() {
        MakeStations();
        MakeEvents();
        NumberAndExchange();
        InjectFaults();
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
        m_onAir = static_cast<std::uint32_t>(m_stations.size());
        for (int i = 0; i < m_settings.oneOffStations; ++i) {
            AddStation(MakeStation(NewCall(), false));
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
    }

    std::string SentExchange(const Event& event, int side) const {
        char serial[16];
        std::snprintf(serial, sizeof serial, "%03d", event.side[side].serial);
        return serial + m_stations[event.station[side]].county;
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
                event.side[side].call = m_stations[event.station[1 - side]].call;
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
                continue;
            }
            edge += m_settings.bustedCallRate;
            if (roll < edge) {
                logger.call = worked.twin != UINT32_MAX && m_random.Chance(0.5)
                                  ? m_stations[worked.twin].call
                                  : Miscopy(worked.call);
                continue;
            }
            edge += m_settings.bustedExchangeRate;
            if (roll < edge) {
                const int serial =
                    event.side[1 - side].serial + 1 + static_cast<int>(m_random.Below(9));
                char text[16];
                std::snprintf(text, sizeof text, "%03d", serial);
                logger.received = text + worked.county;
                if (!worked.county.empty() && m_random.Chance(0.5)) {
                    std::string county = worked.county;
                    while (county == worked.county) {
                        county = m_random.Pick(kCounties);
                    }
                    logger.received = SentExchange(event, 1 - side);
                    logger.received.replace(logger.received.size() - 2, 2, county);
                }
            }
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

    QsoStatus Verdict(const Event& event, int side, std::string* rightCall) const {
        const std::uint32_t station = event.station[side];
        const Station& worked = m_stations[event.station[1 - side]];
        const Side& own = event.side[side];
        const Side& other = event.side[1 - side];
        if (event.seconds < 0 || event.seconds >= kContestSeconds) {
            return QsoStatus::OutOfPeriod;
        }
        if (own.call == worked.call) {
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
            *rightCall = worked.call;
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
            }
        }
        std::vector<std::vector<Entry>> entries(m_stations.size());
        for (std::uint32_t e = 0; e < m_events.size(); ++e) {
            for (int side = 0; side < 2; ++side) {
                const Station& station = m_stations[m_events[e].station[side]];
                if (station.sends && m_events[e].side[side].logs) {
                    entries[m_events[e].station[side]].push_back(
                        {e, side,
                         m_events[e].seconds + station.offsetMinutes * 60 +
                             m_events[e].side[side].jitter});
                    m_loggedBy[m_events[e].side[side].call].insert(m_events[e].station[side]);
                }
            }
        }
        for (std::uint32_t s = 0; s < m_stations.size(); ++s) {
            const Station& station = m_stations[s];
            if (!station.sends) {
                continue;
            }
            std::vector<Entry>& list = entries[s];
            std::stable_sort(list.begin(), list.end(),
                             [](const Entry& a, const Entry& b) { return a.logged < b.logged; });
            if (station.newestFirst) {
                std::reverse(list.begin(), list.end());
            }
            SimulatedLog log;
            log.call = station.call;
            log.clockOffsetMinutes = station.offsetMinutes;
            std::string name = station.call;
            std::replace(name.begin(), name.end(), '/', '_');
            log.fileName = name + (station.cabrillo ? ".log" : ".adi");
            std::size_t line = 0;
            if (station.cabrillo) {
                log.text = "START-OF-LOG: 3.0\r\nCONTEST: SARNET\r\nCALLSIGN: " + station.call +
                           "\r\nCATEGORY-OPERATOR: SINGLE-OP\r\nCREATED-BY: contest simulator\r\n";
                line = 5;
            } else {
                log.text = "Sarnet Contest log written by the contest simulator\r\n<EOH>\r\n";
            }
            for (const Entry& entry : list) {
                const Event& event = m_events[entry.event];
                ++line;
                std::string rightCall;
                const QsoStatus status = Verdict(event, entry.side, &rightCall);
                contest->truth.push_back({station.call, line, status, rightCall});
                log.text += QsoText(station, event, entry);
            }
            if (station.cabrillo) {
                log.text += "END-OF-LOG:\r\n";
            }
            contest->logs.push_back(std::move(log));
        }
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
        const std::string call = station.lowerCase ? Lower(own.call) : own.call;
        const std::string received = station.lowerCase ? Lower(own.received) : own.received;
        const std::string sent = SentExchange(event, entry.side);
        char text[512];
        if (station.cabrillo) {
            std::snprintf(text, sizeof text,
                          "QSO: %5d DG %04d-%02d-%02d %02d%02d %-13s 599 %-6s %-13s 599 %s\r\n",
                          khz, date.year, date.month, date.day, hour, minute, station.call.c_str(),
                          sent.c_str(), call.c_str(), received.c_str());
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
                      "<MODE:3>PSK <SUBMODE:5>PSK31 <FREQ:%zu>%s <RST_SENT:3>599 <RST_RCVD:3>599 "
                      "<STX_STRING:%zu>%s <SRX_STRING:%zu>%s <STATION_CALLSIGN:%zu>%s <EOR>\r\n",
                      call.size(), call.c_str(), date.year, date.month, date.day,
                      std::string(time).size(), time, std::string(freq).size(), freq, sent.size(),
                      sent.c_str(), received.size(), received.c_str(), station.call.size(),
                      station.call.c_str());
        return text;
    }

    const SimulationSettings& m_settings;
    Random m_random;
    std::vector<Station> m_stations;
    std::unordered_set<std::string> m_calls;
    std::uint32_t m_onAir = 0;
    bool m_firstWrongClock = true;
    std::vector<Event> m_events;
    std::unordered_map<std::string, std::set<std::uint32_t>> m_loggedBy;
    std::unordered_set<std::string> m_senderCalls;
};

}  // namespace

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

// The results summary: one pass over the log gathers every band's tallies, then the rows
// are written in the order of the sorted worked bands, as text or as an HTML document.
#include "reports/results_summary.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "platform/settings.h"
#include "platform/text.h"
#include "reports/rates.h"

namespace {

constexpr const char* kHtmlHead =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black}</style></head><body>";
constexpr const char* kHtmlTitle =
    "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
constexpr const char* kHtmlHeaderRow =
    "<tr><th> %s</th><th> %s</th><th> %s</th><th> %s</th><th> %s</th></tr>";
constexpr const char* kHtmlBandRow =
    "<tr><th> <center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td><td><center>%i</center></td></tr>";
// One "</td>" more than a band row: the document has always been written so.
constexpr const char* kHtmlTotalRow =
    "<tr><th> <center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td><td><center>%i</center></td></td></tr>";
constexpr const char* kHtmlDupeRow =
    "<tr><th> <center>%s</center></th><td><center>%i</center></td><td colspan=8> </td></tr>";
constexpr const char* kHtmlBadRow =
    "<tr><th> <center>%s</center></th><td><center>%i</center></td><td colspan=8> </td></tr>";
constexpr const char* kHtmlScoreRow =
    "<tr><th>%s</th><td colspan=9><center>%i * (%i + %i) = %i</center></td></tr>";
constexpr const char* kHtmlLastQsoRow =
    "<tr><th>%s</small></th><td colspan=9><center>%5i</center></td></tr>";
constexpr const char* kHtmlRateHeader = "<th colspan=10><center>%s</center></th></tr>";
constexpr const char* kHtmlRateRow =
    "<tr><th> %s </th><td colspan=9><center>%5i /%i</center></td></tr>";
constexpr const char* kCreditLine = "Scored by the Sarnet Contest statistics plug-in";
constexpr const char* kHtmlFooter =
    "</table><h6 align=right>Scored by the Sarnet Contest statistics plug-in</h6></body></html>";

constexpr const char* kTextHeading =
    "\tSarnet Contest %s\r\n\t    Contestant: %s\r\nBand\tQSOs\tPoints\tDXCC\tCounty\r\n";
constexpr const char* kTextBandRow = "%s\t %i\t  %i\t  %i\t   %i\r\n";

constexpr size_t kSortKeyLength = 20;

std::string SortKey(const std::string& band) {
    if (band.size() >= kSortKeyLength) {
        return band;
    }
    return std::string(kSortKeyLength - band.size(), '0') + band;
}

struct BandTally {
    int slot = -1;
    int qsos = 0;
    int homeQsos = 0;
    int otherQsos = 0;
    int dxcc = 0;
    int counties = 0;
    int dupes = 0;
    int bad = 0;
    // Points of the band's last scoring QSO in log order; 0 when it has none.
    int lastPoints = 0;
    std::unordered_set<std::string> prefixSet;
    std::unordered_set<std::string> countySet;
    // The band's slot lists, in the order first worked (kept for bands with a slot only).
    StringList prefixList;
    StringList countyList;

    int Points() const { return otherQsos + 2 * homeQsos; }
};

struct Totals {
    int qsos = 0;
    int points = 0;
    int dxcc = 0;
    int counties = 0;
    int dupes = 0;
    int bad = 0;
    int lastPoints = 0;
    int score = 0;
};

// Points × multipliers, held at the largest 32-bit value rather than overflowing.
int Score(const Totals& totals) {
    const int64_t score =
        static_cast<int64_t>(totals.points) * (static_cast<int64_t>(totals.dxcc) + totals.counties);
    return static_cast<int>(std::min<int64_t>(score, std::numeric_limits<int32_t>::max()));
}

// Counts one record into its band's tally. Records with an empty call count nowhere;
// rejected records count only as duplicates and bad QSOs.
void CountRecord(const CInfo& record, BandTally& band, RateCounter& rates) {
    band.dupes += record.m_dupe;
    band.bad += record.m_invalid;
    if (record.m_rejected != 0) {
        return;
    }
    ++band.qsos;
    if (IsHomePrefix(record.m_prefix)) {
        ++band.homeQsos;
        band.lastPoints = 2;
    } else {
        ++band.otherQsos;
        band.lastPoints = 1;
    }
    rates.AddScoringQso(record.m_time, band.lastPoints);
    if (!record.m_county.empty() && band.countySet.insert(record.m_county).second) {
        if (band.slot >= 0) {
            band.countyList.push_back(record.m_county);
        }
        ++band.counties;
    }
    if (band.prefixSet.insert(record.m_prefix).second) {
        if (band.slot >= 0) {
            band.prefixList.push_back(record.m_prefix);
        }
        ++band.dxcc;
    }
}

// Tallies of every worked band in the sorted order, from one pass over the log.
std::vector<BandTally> TallyBands(RateCounter& rates) {
    std::vector<BandTally> tallies(g_workedBands.size());
    std::unordered_map<std::string, size_t> bandIndex;
    for (size_t i = 0; i < g_workedBands.size(); ++i) {
        bandIndex.emplace(g_workedBands[i], i);
        tallies[i].slot = BandSlot(g_workedBands[i]);
    }
    const size_t count = g_qsoLog.size();
    for (size_t i = 0; i < count; ++i) {
        const CInfo& record = g_qsoLog[i];
        if (record.m_call.empty()) {
            continue;
        }
        const auto band = bandIndex.find(record.m_band);
        if (band != bandIndex.end()) {
            CountRecord(record, tallies[band->second], rates);
        }
    }
    return tallies;
}

// Hands each summarised band's lists to its slot, the prefixes in the order the DXCC window
// draws them: ascending byte by byte.
void PublishBandLists(std::vector<BandTally>& tallies) {
    for (BandTally& band : tallies) {
        if (band.slot < 0) {
            continue;
        }
        std::sort(band.prefixList.begin(), band.prefixList.end());
        g_bandPrefixes[static_cast<size_t>(band.slot)] = std::move(band.prefixList);
        g_bandCounties[static_cast<size_t>(band.slot)] = std::move(band.countyList);
    }
}

Totals AddUp(const std::vector<BandTally>& tallies) {
    Totals totals;
    for (const BandTally& band : tallies) {
        totals.qsos += band.qsos;
        totals.points += band.Points();
        totals.dxcc += band.dxcc;
        totals.counties += band.counties;
        totals.dupes += band.dupes;
        totals.bad += band.bad;
        // The figure of the last scoring QSO met when the bands are taken in order.
        if (band.lastPoints != 0) {
            totals.lastPoints = band.lastPoints;
        }
    }
    totals.score = Score(totals);
    return totals;
}

std::string HtmlSummary(const std::vector<BandTally>& tallies, const Totals& totals,
                        const RateFigures& rates) {
    const std::string title = StringPrintf("   Sarnet Contest %s ", g_contestDate.c_str());
    std::string html = kHtmlHead;
    html += StringPrintf(kHtmlTitle, title.c_str(), g_ownCall.c_str());
    html += StringPrintf(kHtmlHeaderRow, "Band", "QSOs", "Points", "DXCC", "County");
    for (size_t i = 0; i < tallies.size(); ++i) {
        const BandTally& band = tallies[i];
        if (band.slot >= 0) {
            html += StringPrintf(kHtmlBandRow, g_workedBands[i].c_str(), band.qsos, band.Points(),
                                 band.dxcc, band.counties);
        }
    }
    html += StringPrintf(kHtmlTotalRow, "Total", totals.qsos, totals.points, totals.dxcc,
                         totals.counties);
    html += StringPrintf(kHtmlDupeRow, "Dupe", totals.dupes);
    html += StringPrintf(kHtmlBadRow, "Bad QSO", totals.bad);
    html += StringPrintf(kHtmlScoreRow, "Score:", totals.points, totals.dxcc, totals.counties,
                         totals.score);
    html += StringPrintf(kHtmlLastQsoRow, "Last QSO points:", totals.lastPoints);
    html += StringPrintf(kHtmlRateHeader, "Rate");
    html += StringPrintf(kHtmlRateRow, "Hourly (10min/1 hour) QSO rate:", rates.qsosInHour,
                         6 * rates.qsosInTenMinutes);
    html += StringPrintf(kHtmlRateRow, "Hourly (10min/1 hour) pts rate:", rates.pointsInHour,
                         6 * rates.pointsInTenMinutes);
    html += kHtmlFooter;
    return html;
}

std::string TextSummary(const std::vector<BandTally>& tallies, const Totals& totals,
                        const RateFigures& rates) {
    std::string text = StringPrintf(kTextHeading, g_contestDate.c_str(), g_ownCall.c_str());
    for (size_t i = 0; i < tallies.size(); ++i) {
        const BandTally& band = tallies[i];
        if (band.slot >= 0) {
            text += StringPrintf(kTextBandRow, g_workedBands[i].c_str(), band.qsos, band.Points(),
                                 band.dxcc, band.counties);
        }
    }
    text += StringPrintf(kTextBandRow, "Total", totals.qsos, totals.points, totals.dxcc,
                         totals.counties);
    text += StringPrintf("Dupe\t %i\r\n", totals.dupes);
    text += StringPrintf("Bad QSO\t %i\r\n", totals.bad);
    text += "\r\n";
    text += StringPrintf("Hourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n", rates.qsosInHour,
                         6 * rates.qsosInTenMinutes);
    text += StringPrintf("Hourly (10min) pts rate: %5i (%i) points/hour\r\n", rates.pointsInHour,
                         6 * rates.pointsInTenMinutes);
    text += "\r\n";
    text += StringPrintf("Last QSO: %i points\r\n", totals.lastPoints);
    text += StringPrintf("Score: %i*(%i+%i) = %i\r\n", totals.points, totals.dxcc, totals.counties,
                         totals.score);
    text += "\r\n";
    text += kCreditLine;
    return text;
}

}  // namespace

void SortWorkedBands(StringList& bands) {
    if (bands.size() < 2) {
        return;
    }
    std::vector<std::string> keys;
    keys.reserve(bands.size());
    for (const std::string& band : bands) {
        keys.push_back(SortKey(band));
    }
    for (size_t i = 0; i + 1 < bands.size(); ++i) {
        for (size_t j = i + 1; j < bands.size(); ++j) {
            if (keys[i] < keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(bands[i], bands[j]);
            }
        }
    }
}

ResultsSummary BuildResultsSummary() {
    ResultsSummary summary;
    {
        EngineLock lock(g_engineMutex);
        SortWorkedBands(g_workedBands);
        RateCounter rates;
        std::vector<BandTally> tallies = TallyBands(rates);
        PublishBandLists(tallies);
        const Totals totals = AddUp(tallies);
        const RateFigures figures = rates.Figures();
        summary.text = g_extendedResults != 0 ? HtmlSummary(tallies, totals, figures)
                                              : TextSummary(tallies, totals, figures);
        summary.score = totals.score;
        g_claimedScore = totals.score;
    }
    // The settings file is written without the engine lock held.
    WriteSettingNumber("Claimed", summary.score);
    return summary;
}

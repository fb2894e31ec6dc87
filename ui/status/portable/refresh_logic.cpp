// The live call display: entry line, previous-QSO rows, band, captions and county marks.
#include "ui/status/portable/refresh_logic.h"

#include <array>
#include <cmath>

#include "engine/engine_state.h"
#include "platform/date_time.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "ui/status/portable/live_display_state.h"

std::atomic<unsigned> g_refreshCount{0};

namespace {

// Whole megahertz of each slot.
constexpr std::array<long long, kBandSlotCount> kBandMegahertz = {1, 3, 7, 14, 21, 28};

RefreshEnd End(RefreshEnd how) {
    g_refreshPending = 1;
    ++g_refreshCount;
    return how;
}

// Resets the rows to their placeholders and fills them from the log with the last QSO per
// band with the call. Engine lock held by the caller.
void FillPreviousQsoRows(const std::string& call) {
    for (StringList& row : g_bandRows) {
        row.resize(5);
        row[1] = "   -";
        row[2] = "   -";
        row[3] = " -";
        row[4] = "   -";
    }
    if (call.empty()) {
        return;
    }
    for (const CInfo& record : g_qsoLog) {
        if (record.m_call != call) {
            continue;
        }
        // The band texts are compared exactly.
        for (size_t slot = 0; slot < kBandSlotNames.size(); ++slot) {
            if (record.m_band == kBandSlotNames[slot]) {
                StringList& row = g_bandRows[slot];
                row[1] = record.m_mode;
                row[2] = FormatDateTime(record.m_time, "%H:%M");
                row[3] = record.m_exchRcvd;
            }
        }
    }
}

}  // namespace

int BandSlotOfFrequency(double hertz) {
    const double megahertz = std::trunc(hertz / 1000000.0);
    if (!std::isfinite(megahertz)) {
        return -1;
    }
    for (size_t slot = 0; slot < kBandMegahertz.size(); ++slot) {
        if (megahertz == static_cast<double>(kBandMegahertz[slot])) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}

RefreshEnd RefreshDisplay(HostLink& host, RefreshView& view) {
    if (!host.IsBound()) {
        return End(RefreshEnd::HostNotBound);
    }
    if (view.WantsDxccWindow() && !view.IsDxccWindowOpen()) {
        view.OpenDxccWindow();
        WriteSetting("setup_view_multiplier", "1");
    }
    if (view.WantsCountyWindow() && !view.IsCountyWindowOpen()) {
        view.OpenCountyWindow();
        WriteSetting("setup_view_county", "1");
    }

    // Read into a local and published only once the call has returned: a paint of the DXCC
    // window that runs while the call waits still shows the call being typed, not the
    // worked-prefix view of an empty entry line.
    const std::optional<std::string> entry = host.TryEntryField(kEntryLineField);
    if (!entry) {
        g_currentCall.clear();
        return End(RefreshEnd::HostCallFailed);
    }
    g_currentCall = *entry;
    if (g_currentCall.size() == 1 || g_currentCall.size() == 2) {
        return End(RefreshEnd::ShortCall);
    }

    const bool russian = g_russianCaptions != 0;
    std::string startYear;
    {
        EngineLock lock(g_engineMutex);
        FillPreviousQsoRows(g_currentCall);
        startYear = g_startYear;
    }
    if (!g_currentCall.empty() && view.IsDxccWindowOpen()) {
        view.SetDxccCaption(StringPrintf(
            russian ? "Sarnet-%s Предыдущие QSO с %s" : "Sarnet-%s Previous QSO with %s",
            startYear.c_str(), host.ToUtf8(g_currentCall).c_str()));
    }

    const std::optional<double> frequency = host.TryReadFrequency();
    if (!frequency) {
        return End(RefreshEnd::HostCallFailed);
    }
    if (std::fabs(*frequency - g_lastFrequency) > kMacroFrequencyStep) {
        if (!host.TryRunMacro(kFrequencyMacro)) {
            return End(RefreshEnd::HostCallFailed);
        }
        g_lastFrequency = *frequency;
    }
    const int slot = BandSlotOfFrequency(*frequency);
    if (slot < 0) {
        return End(RefreshEnd::NoBand);
    }
    g_currentBand = slot;
    const char* const band = kBandSlotNames[static_cast<size_t>(slot)];

    size_t prefixCount = 0;
    std::vector<std::string> counties;
    {
        EngineLock lock(g_engineMutex);
        prefixCount = g_bandPrefixes[static_cast<size_t>(slot)].size();
        counties = g_bandCounties[static_cast<size_t>(slot)];
    }
    if (g_currentCall.empty() && view.IsDxccWindowOpen()) {
        view.SetDxccCaption(
            StringPrintf(russian ? "DXCC %s из %d отработано на %s" : "DXCC %s of %d worked on %s",
                         std::to_string(prefixCount).c_str(), kDxccEntityTotal, band));
    }
    if (view.IsCountyWindowOpen()) {
        view.SetCountyCaption(StringPrintf(
            russian ? "YO графства отраб. %s из %d на %s " : "YO County work %s of %d on %s ",
            std::to_string(counties.size()).c_str(), kCountyTotal, band));
        view.MarkCounties(counties);
    }
    if (view.IsDxccWindowOpen()) {
        view.RepaintDxccWindow();
    }
    return End(RefreshEnd::Complete);
}

// QSO removal. The records after the removed one are judged again in log order, so a QSO
// that was a duplicate only of the removed one scores again, and the report is rewritten
// from the findings of the records that remain.
#include "engine/removal.h"

#include <cmath>
#include <optional>

#include "engine/admission.h"
#include "engine/engine_state.h"
#include "engine/rejected_report.h"
#include "engine/status_link.h"
#include "platform/files.h"

namespace {

std::optional<size_t> FindFirstMatch(const QsoArgs& key) {
    if (!g_qsoLog.HasCallOnBandAndMode(key.call, key.band, key.mode)) {
        return std::nullopt;
    }
    for (size_t i = 0; i < g_qsoLog.size(); ++i) {
        const CInfo& record = g_qsoLog[i];
        if (record.m_call == key.call && record.m_mode == key.mode && record.m_band == key.band &&
            SameQsoTime(record.m_time, key.time)) {
            return i;
        }
    }
    return std::nullopt;
}

// Removes the record and puts the later ones back one by one, each judged against the
// records before it, as if they had been logged after the removal.
void RemoveAndJudgeAgain(size_t index) {
    std::vector<LoggedQso> later = g_qsoLog.TakeFrom(index);
    for (size_t i = 1; i < later.size(); ++i) {
        JudgeDuplicateAgain(later[i], g_qsoLog);
        g_qsoLog.Append(std::move(later[i]));
    }
}

std::string ReportContents() {
    std::string contents = kReportFirstLine;
    for (size_t i = 0; i < g_qsoLog.size(); ++i) {
        contents += ReportLinesOf(g_qsoLog[i], g_qsoLog.NotesAt(i));
    }
    return contents;
}

}  // namespace

bool SameQsoTime(const DateTime& a, const DateTime& b) {
    if (a.status != b.status) {
        return false;
    }
    if (a.status == kDateNull) {
        return true;
    }
    // A day count that is not a number matches one that is not a number either, so that
    // whatever the host holds can be deleted again.
    return a.days == b.days || (std::isnan(a.days) && std::isnan(b.days));
}

void RemoveQso(const QsoArgs& args) {
    bool removed = false;
    {
        EngineLock lock(g_engineMutex);
        const std::optional<size_t> match = FindFirstMatch(args);
        if (match) {
            RemoveAndJudgeAgain(*match);
            // Written beside the old report and renamed over it: a failed write keeps the
            // old file whole.
            if (!g_reportPath.empty()) {
                ReplaceFileContents(g_reportPath, ReportContents());
            }
            removed = true;
        }
        if (g_qsoLog.empty()) {
            g_workedBands.clear();
        }
    }
    g_refreshPending = 1;
    // The status link may wait for the status thread, which may be waiting for the lock.
    StatusLink& link = GetStatusLink();
    if (removed && link.IsCountyWindowOpen()) {
        link.ResetCountyMarks();
    }
    if (link.IsStatusWindowOpen()) {
        link.PostRefresh();
    }
}

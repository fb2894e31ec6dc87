// The results request: summary first, then the Cabrillo pass of a Cabrillo run.
#include "reports/results_request.h"

#include "engine/engine_state.h"
#include "platform/message_box.h"
#include "reports/cabrillo_export.h"

ResultsSummary ProduceResults() {
    ResultsSummary results = BuildResultsSummary();
    int cabrilloRequested = 0;
    {
        EngineLock lock(g_engineMutex);
        cabrilloRequested = g_cabrilloRequested;
    }
    if (cabrilloRequested != 0) {
        ShowMessageBox(ExportCabrilloLog(), "Output", MessageIcon::kInformation);
        results.score = -1;
    }
    return results;
}

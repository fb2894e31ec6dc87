// Owner-draw painting of the information button through a memory DC.
#include "ui/status/info_button.h"

#include <mutex>

#include "engine/engine_state.h"
#include "ui/controls/gdi_canvas.h"
#include "ui/controls/mem_dc.h"
#include "ui/status/portable/info_button_painter.h"
#include "ui/status/portable/live_display_state.h"

LRESULT CZiZeInfoButton::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    handled = false;
    if (message != WM_DRAWITEM) {
        return 0;
    }
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    CMemDC memory(item->hDC);
    GdiCanvas canvas(memory.dc());
    {
        // The lists are the host's thread's to change; drawing into memory waits for nobody, so
        // the lock may be held throughout.
        const EngineLock lock(g_engineMutex);
        const StringList noPrefixes;
        const StringList noRow;
        const int band = g_currentBand;
        const bool knownBand = band >= 0 && band < static_cast<int>(g_bandPrefixes.size());
        const InfoButtonView view{
            g_currentCall, band, g_bandRows.size() > 1 ? g_bandRows[1] : noRow,
            knownBand ? g_bandPrefixes[static_cast<size_t>(band)] : noPrefixes};
        PaintInfoButton(canvas, FromRect(item->rcItem), view);
    }
    handled = true;
    return TRUE;
}

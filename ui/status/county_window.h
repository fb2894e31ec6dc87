// The county grid window: the 42 Romanian county codes as elliptic owner-drawn buttons, the
// counties worked on the current band recoloured. Lives on the status thread.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/rule_tables.h"
#include "ui/controls/advanced_button.h"
#include "ui/status/grid_window.h"

struct CountyButton {
    int id;
    const char* code;
};
// The grid, row by row: each position's control id and county code (1017 is not used); the
// engine's codes in the grid's own order.
extern const std::array<CountyButton, kCountyTotal> kCountyButtons;

constexpr Colour kUnworkedFace = MakeColour(0, 255, 0);
constexpr Colour kUnworkedText = MakeColour(1, 1, 1);
constexpr Colour kUnworkedDisabledText = MakeColour(128, 128, 128);
constexpr Colour kWorkedFace = MakeColour(255, 0, 255);
constexpr Colour kWorkedText = MakeColour(255, 255, 0);

class YO_County : public GridWindow {
  public:
    YO_County();
    ~YO_County() override;

    // Gives the worked look to every button whose code stands in the list (exact, case-sensitive;
    // a code listed twice is marked once). Only adds: other buttons keep their look.
    // Status thread.
    void MarkWorkedCounties(const std::vector<std::string>& counties);
    // Puts all 42 buttons back to the unworked look. Called on the host's thread by the QSO
    // removal, before it posts its refresh request; it never waits for the status thread.
    // While the window exists the reset is posted to it and runs on the status thread: after
    // every mark already queued, and ahead of the removal's refresh request, so every button
    // has been repainted unworked before that refresh marks the current band's counties again
    // and no mark is undone by a reset that started earlier. Without a window it runs here.
    void ResetCountyMarks();
    // Data exchange, fields to controls: each flag into its button's ticked state (invisible on
    // owner-drawn buttons).
    void UpdateControls();

    bool IsWorked(int position) const {
        return m_countyWorked[static_cast<size_t>(position)].load() != 0;
    }
    const CAdvancedButton& Button(int position) const {
        return m_countyButtons[static_cast<size_t>(position)];
    }

  protected:
    BOOL OnInitDialog() override;
    INT_PTR OnGridMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void OnGridDestroy() override { m_window.store(nullptr); }

  private:
    // The reset itself, on the thread that owns the window (or with no window at all); each
    // colour change repaints its button at once.
    void ResetNow();

    std::array<std::atomic<int32_t>, kCountyTotal> m_countyWorked{};
    std::array<CAdvancedButton, kCountyTotal> m_countyButtons;
    // The window as seen from the host's thread; cleared when the window goes.
    std::atomic<HWND> m_window{nullptr};
};

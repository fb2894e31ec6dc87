// The DXCC multiplier window: a resizable modeless window on the status thread whose whole
// client area is the information button (control 1004).
#pragma once

#include <windows.h>

#include "ui/status/info_button.h"
#include "ui/status/grid_window.h"

class Multiplier : public GridWindow {
  public:
    Multiplier();
    // Asks control 1004 to repaint, without erasing its background.
    void RepaintInfo();

  protected:
    BOOL OnInitDialog() override;
    INT_PTR OnGridMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    // Keeps the button at (1, 1), client size less 4: a 1-pixel margin left and top, 3 right and
    // bottom.
    void FitInfoButton(int clientWidth, int clientHeight);

    CZiZeInfoButton m_infoButton;
};

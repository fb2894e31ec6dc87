// The DXCC multiplier window: a resizable modeless window on the status thread whose whole
// client area is the information button (control 1004).
#pragma once

#include <windows.h>

#include "platform/win32/dialog.h"
#include "platform/win32/unique_handle.h"
#include "ui/controls/info_button.h"

class Multiplier : public Dialog {
  public:
    Multiplier();
    ~Multiplier() override;

    // Creates the modeless window from template 105 with no parent and shows it normally.
    bool Open();
    // Asks control 1004 to repaint, without erasing its background.
    void RepaintInfo();

  protected:
    BOOL OnInitDialog() override;
    // Enter does nothing.
    void OnOK() override {}
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    // Keeps the button at (1, 1), client size less 4: a 1-pixel margin left and top, 3 right and
    // bottom.
    void FitInfoButton(int clientWidth, int clientHeight);

    CZiZeInfoButton m_infoButton;
    UniqueBrush m_brush;
};

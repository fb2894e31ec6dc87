// Multiplier: the DXCC multiplier window (template 105), a modeless window of the status
// thread whose caption the live call display writes.
#pragma once

#include "platform/win32/dialog.h"
#include "platform/win32/unique_handle.h"

class Multiplier : public Dialog {
  public:
    Multiplier();
    // Creates the modeless window from template 105 with no parent and shows it.
    bool Open();
    // Asks control 1004 to repaint without erasing its background.
    void RepaintInfo();

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    UniqueBrush m_brush;
};

// The DXCC window's information button: a push button whose whole face shows the worked
// prefixes of the current band or the earlier contact with the station being entered.
#pragma once

#include <windows.h>

#include "platform/win32/subclassed_control.h"

class CZiZeInfoButton : public SubclassedControl {
  public:
    // Paints the owner-draw request off-screen and copies it in one block.
    LRESULT OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
};

// What the DXCC multiplier window and the county grid window share: a modeless dialog on the
// status thread with its own position keys, the status windows' look, dialog keys through the
// thread's keyboard table, Enter ignored and the close message answered at once.
#pragma once

#include <windows.h>

#include "platform/win32/dialog.h"
#include "platform/win32/unique_handle.h"

class GridWindow : public Dialog {
  public:
    GridWindow(int templateId, const char* xKey, const char* yKey);
    ~GridWindow() override;

    // Creates the modeless window with no parent and shows it normally.
    bool Open();

  protected:
    // Enter does nothing.
    void OnOK() override {}
    // Reads the window's position keys and moves it there.
    void PlaceFromSettings();
    // The last steps of every grid window's set-up: topmost only when "On Top" is set, the
    // background brush, the icon and the greyed Close, and the window's dialog keys.
    void FinishSetup();
    // Messages of the window itself; the shared ones are answered after it.
    virtual INT_PTR OnGridMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // Called when the window is being destroyed.
    virtual void OnGridDestroy() {}

  private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) final;

    const char* m_xKey;
    const char* m_yKey;
    UniqueBrush m_brush;
};

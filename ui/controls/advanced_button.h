// An owner-drawn push button with its own face, text and disabled-text colours and a
// rectangle or ellipse shape; it takes over a button control of a dialog template.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "ui/controls/portable/advanced_component.h"
#include "platform/win32/subclassed_control.h"

class CAdvancedButton : public SubclassedControl, public CAdvancedComponent {
  public:
    CAdvancedButton() = default;

    // Takes over the parent's control with this id and stores the colours; the shape becomes a
    // rectangle. False, with nothing stored, when the take-over fails. Does not repaint.
    bool SubclassWithColors(int id, HWND parent, Colour back, Colour fore, Colour disabled);
    // Stores the three colours and repaints.
    bool SetColors(Colour back, Colour fore, Colour disabled);
    // 1 = ellipse, anything else a rectangle; repaints.
    void SetShape(int kind);
    // Invalidates with background erase and updates at once (see RepaintNow for other threads).
    void Redraw() override;

    int Shape() const { return m_shape.load(); }
    Colour DisabledColor() const { return m_disabledColor.load(); }
    // The window text as it is drawn: at most 511 characters.
    std::string Label() const;

    LRESULT OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  protected:
    // Makes the control owner-drawn: BS_OWNERDRAW is OR-ed into the style, nothing removed, so an
    // automatic check box (3) becomes 0xB.
    void PreSubclassWindow() override;

  private:
    std::atomic<Colour> m_disabledColor{0};
    std::atomic<int> m_shape{0};
};

// An edit control with its own background, text and text-background colours; it answers its
// parent's colour requests for itself.
#pragma once

#include <windows.h>

#include <atomic>

#include "platform/win32/unique_handle.h"
#include "ui/controls/portable/advanced_component.h"
#include "ui/controls/portable/colour_family.h"
#include "platform/win32/subclassed_control.h"

class CAdvancedEdit : public SubclassedControl, public CAdvancedComponent {
  public:
    // Transparent text background on white; black text until SetForeColor says otherwise.
    CAdvancedEdit();

    // Stores the colour behind the text (1 = transparent) and repaints.
    void SetTextBackground(Colour colour);
    void SetTransparent() { SetTextBackground(kTransparentTextBackground); }
    void Redraw() override;

    Colour TextBackground() const { return m_textBackground.load(); }

    LRESULT OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    std::atomic<Colour> m_textBackground{kTransparentTextBackground};
    // The brush last handed out, re-created on each request.
    UniqueBrush m_brush;
};

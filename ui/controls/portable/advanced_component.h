// The colour interface of the kit's controls: a background and a foreground colour that other
// code may change, each change repainting the control at once.
#pragma once

#include <atomic>

#include "ui/controls/portable/canvas.h"

class CAdvancedComponent {
  public:
    CAdvancedComponent() = default;
    CAdvancedComponent(const CAdvancedComponent&) = delete;
    CAdvancedComponent& operator=(const CAdvancedComponent&) = delete;
    virtual ~CAdvancedComponent() = default;

    // Store the colour, repaint, and answer true (also when the colour does not change).
    virtual bool SetForeColor(Colour colour);
    virtual bool SetBackColor(Colour colour);
    virtual void Redraw() = 0;

    Colour ForeColor() const { return m_foreColor.load(std::memory_order_relaxed); }
    Colour BackColor() const { return m_backColor.load(std::memory_order_relaxed); }

  protected:
    // Each colour is one 32-bit value: a control may be recoloured from a thread that does not
    // own its window while that thread paints it.
    std::atomic<Colour> m_backColor{0};
    std::atomic<Colour> m_foreColor{0};
};

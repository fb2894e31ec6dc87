// Colour interface of the kit's controls.
#include "ui/controls/portable/advanced_component.h"

bool CAdvancedComponent::SetForeColor(Colour colour) {
    m_foreColor.store(colour, std::memory_order_relaxed);
    Redraw();
    return true;
}

bool CAdvancedComponent::SetBackColor(Colour colour) {
    m_backColor.store(colour, std::memory_order_relaxed);
    Redraw();
    return true;
}

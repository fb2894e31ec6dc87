// Owner-drawn, recolourable button of the control kit.
#include "ui/controls/advanced_button.h"

#include <array>

#include "ui/controls/gdi_canvas.h"
#include "ui/controls/portable/drawn_shapes.h"
#include "ui/controls/repaint.h"

namespace {

constexpr size_t kLabelLimit = 511;

}  // namespace

bool CAdvancedButton::SubclassWithColors(int id, HWND parent, Colour back, Colour fore,
                                         Colour disabled) {
    if (!SubclassDlgItem(id, parent)) {
        return false;
    }
    m_backColor.store(back);
    m_foreColor.store(fore);
    m_disabledColor.store(disabled);
    m_shape.store(0);
    return true;
}

bool CAdvancedButton::SetColors(Colour back, Colour fore, Colour disabled) {
    m_backColor.store(back);
    m_foreColor.store(fore);
    m_disabledColor.store(disabled);
    Redraw();
    return true;
}

void CAdvancedButton::SetShape(int kind) {
    m_shape.store(kind);
    Redraw();
}

void CAdvancedButton::Redraw() {
    RepaintNow(hwnd());
}

void CAdvancedButton::PreSubclassWindow() {
    const HWND window = hwnd();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, style | BS_OWNERDRAW);
}

std::string CAdvancedButton::Label() const {
    std::array<char, kLabelLimit + 1> buffer{};
    const int length = GetWindowTextA(hwnd(), buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

LRESULT CAdvancedButton::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    handled = false;
    if (message != WM_DRAWITEM) {
        return 0;
    }
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    GdiCanvas canvas(item->hDC);
    const auto painter = MakeDrawnShape(Shape());
    const std::string label = Label();
    const Rect area = FromRect(item->rcItem);
    painter->Draw(canvas, area, item->itemState, BackColor());
    const Colour text = (item->itemState & ODS_DISABLED) != 0 ? DisabledColor() : ForeColor();
    painter->DrawLabel(canvas, area, label, text);
    handled = true;
    return TRUE;
}

// Edit control of the kit that colours itself.
#include "ui/controls/advanced_edit.h"

#include "ui/controls/repaint.h"

CAdvancedEdit::CAdvancedEdit() {
    m_backColor.store(MakeColour(255, 255, 255));
    m_foreColor.store(MakeColour(0, 0, 0));
}

void CAdvancedEdit::SetTextBackground(Colour colour) {
    m_textBackground.store(colour);
    Redraw();
}

void CAdvancedEdit::Redraw() {
    RepaintNow(hwnd());
}

LRESULT CAdvancedEdit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    handled = false;
    // A read-only or disabled edit control asks as static text.
    if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) {
        return 0;
    }
    const HDC dc = reinterpret_cast<HDC>(wParam);
    const EditColourPlan plan = PlanEditColour(TextBackground(), ForeColor(), BackColor());
    SetBkMode(dc, plan.transparent ? TRANSPARENT : OPAQUE);
    SetBkColor(dc, plan.textBackground);
    SetTextColor(dc, plan.textColour);
    m_brush.reset(CreateSolidBrush(plan.brushColour));
    handled = true;
    return reinterpret_cast<LRESULT>(m_brush.get());
}

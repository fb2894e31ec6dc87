// GDI implementation of the kit's canvas.
#include "ui/controls/gdi_canvas.h"

RECT ToRect(const Rect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

Rect FromRect(const RECT& rect) {
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

GdiCanvas::GdiCanvas(HDC dc)
    : m_dc(dc), m_paletteDevice((GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0) {}

GdiCanvas::~GdiCanvas() {
    while (!m_pens.empty()) {
        RestorePen();
    }
}

COLORREF GdiCanvas::Resolve(Colour colour) const {
    return m_paletteDevice ? colour : (colour & ~kPaletteRelative);
}

void GdiCanvas::FillRect(const Rect& rect, Colour colour) {
    const UniqueBrush brush(CreateSolidBrush(Resolve(colour)));
    const RECT area = ToRect(rect);
    ::FillRect(m_dc, &area, brush.get());
}

void GdiCanvas::FrameEdges(const Rect& rect, Colour topLeft, Colour bottomRight) {
    FillRect(Rect{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillRect(Rect{rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    FillRect(Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillRect(Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
}

void GdiCanvas::SelectPen(PenStyle style, int width, Colour colour) {
    UniquePen pen(CreatePen(style == PenStyle::Dotted ? PS_DOT : PS_SOLID, width, Resolve(colour)));
    const HGDIOBJ previous = pen ? SelectObject(m_dc, pen.get()) : nullptr;
    m_pens.push_back(SelectedPen{std::move(pen), previous});
}

void GdiCanvas::RestorePen() {
    if (m_pens.empty()) {
        return;
    }
    SelectedPen& top = m_pens.back();
    if (top.previous != nullptr && top.previous != HGDI_ERROR) {
        SelectObject(m_dc, top.previous);
    }
    m_pens.pop_back();
}

void GdiCanvas::Ellipse(const Rect& rect) {
    ::Ellipse(m_dc, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiCanvas::FocusRect(const Rect& rect) {
    const RECT area = ToRect(rect);
    DrawFocusRect(m_dc, &area);
}

void GdiCanvas::SetBackgroundMode(BackgroundMode mode) {
    SetBkMode(m_dc, mode == BackgroundMode::Transparent ? TRANSPARENT : OPAQUE);
}

void GdiCanvas::SetBackgroundColour(Colour colour) {
    SetBkColor(m_dc, Resolve(colour));
}

Colour GdiCanvas::SetTextColour(Colour colour) {
    return SetTextColor(m_dc, Resolve(colour));
}

void GdiCanvas::DrawText(const Rect& rect, const std::string& text, unsigned flags) {
    RECT area = ToRect(rect);
    ::DrawTextA(m_dc, text.c_str(), -1, &area, flags);
}

void GdiCanvas::TextOut(int x, int y, const std::string& text) {
    ::TextOutA(m_dc, x, y, text.data(), static_cast<int>(text.size()));
}

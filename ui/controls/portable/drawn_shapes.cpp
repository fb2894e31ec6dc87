// Button-face painters: rectangle with 3-D frame rings, ellipse painted by rings.
#include "ui/controls/portable/drawn_shapes.h"

#include <cstdlib>

namespace {

constexpr Colour kWhite = MakeColour(255, 255, 255);
constexpr Colour kGrey = MakeColour(128, 128, 128);
constexpr Colour kNearBlack = MakeColour(1, 1, 1);

}  // namespace

void DrawnObject::DrawLabel(Canvas& canvas, Rect rect, const std::string& text, Colour colour) {
    const Colour previous = canvas.SetTextColour(colour);
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    canvas.DrawText(rect, text, kCentredLabel);
    canvas.SetTextColour(previous);
}

void DrawnRect::Fill(Canvas& canvas, Rect rect, Colour colour) {
    canvas.FillRect(rect, colour);
}

void DrawnRect::DrawBorder(Canvas& canvas, Rect rect, int depth) {
    const int rings = std::abs(depth);
    for (int i = 0; i < rings; ++i) {
        Colour light = kWhite;
        Colour dark = kGrey;
        if (rings != 1) {
            dark = PaletteGrey(255 / (i + 2));
            light = PaletteGrey(63 / (i + 1) + 192);
        }
        if (depth < 0) {
            canvas.FrameEdges(rect, dark, light);
        } else {
            canvas.FrameEdges(rect, light, dark);
        }
        rect.Deflate(1);
    }
}

void DrawnRect::DrawFocus(Canvas& canvas, Rect rect, Colour /*colour*/) {
    canvas.FocusRect(rect);
}

void DrawnRect::Draw(Canvas& canvas, Rect rect, unsigned state, Colour face) {
    Fill(canvas, rect, face);
    DrawBorder(canvas, rect, 2);
    // The pressed look shows only while the control has the focus.
    if ((state & kStateFocus) != 0) {
        if ((state & kStateSelected) != 0) {
            DrawBorder(canvas, rect, -1);
        }
        rect.Deflate(2);
        DrawFocus(canvas, rect, face);
    }
}

void DrawnEllipse::DrawBorder(Canvas& canvas, Rect rect, int depth) {
    canvas.SelectPen(PenStyle::Solid, 2, depth >= 0 ? kGrey : kNearBlack);
    canvas.Ellipse(rect);
    canvas.RestorePen();
}

void DrawnEllipse::Fill(Canvas& canvas, Rect rect, Colour colour) {
    canvas.SelectPen(PenStyle::Solid, 3, colour);
    while (!rect.IsEmpty()) {
        rect.Deflate(1);
        canvas.Ellipse(rect);
    }
    canvas.RestorePen();
}

void DrawnEllipse::DrawFocus(Canvas& canvas, Rect rect, Colour colour) {
    canvas.SelectPen(PenStyle::Dotted, 1, kNearBlack);
    canvas.SetBackgroundMode(BackgroundMode::Opaque);
    canvas.SetBackgroundColour(colour);
    canvas.Ellipse(rect);
    canvas.RestorePen();
}

void DrawnEllipse::Draw(Canvas& canvas, Rect rect, unsigned state, Colour face) {
    rect.Deflate(1);
    DrawBorder(canvas, rect, 2);
    rect.Deflate(1);
    Fill(canvas, rect, face);
    if ((state & kStateFocus) != 0) {
        if ((state & kStateSelected) != 0) {
            rect.Deflate(-1);
            DrawBorder(canvas, rect, -1);
            rect.Deflate(1);
            DrawBorder(canvas, rect, -1);
        }
        Fill(canvas, rect, face);
        rect.Deflate(2);
        DrawFocus(canvas, rect, face);
        rect.Deflate(1);
        Fill(canvas, rect, face);
    }
}

std::unique_ptr<DrawnObject> MakeDrawnShape(int shape) {
    if (shape == kShapeEllipse) {
        return std::make_unique<DrawnEllipse>();
    }
    return std::make_unique<DrawnRect>();
}

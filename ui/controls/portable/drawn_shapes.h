// Stateless painters of a button face (fill, raised or sunken border, focus mark, centred
// label) as a rectangle or an ellipse. One is made for each paint.
#pragma once

#include <memory>
#include <string>

#include "ui/controls/portable/canvas.h"

// Item-state bits of an owner-draw request.
constexpr unsigned kStateSelected = 0x0001;
constexpr unsigned kStateDisabled = 0x0004;
constexpr unsigned kStateFocus = 0x0010;

// The shape kind of an advanced button that asks for an ellipse; any other is a rectangle.
constexpr int kShapeEllipse = 1;

class DrawnObject {
  public:
    DrawnObject() = default;
    DrawnObject(const DrawnObject&) = delete;
    DrawnObject& operator=(const DrawnObject&) = delete;
    virtual ~DrawnObject() = default;

    // Rectangles are passed by value: a shape shrinks its own copy freely.
    virtual void Draw(Canvas& canvas, Rect rect, unsigned state, Colour face) = 0;
    // The text centred on one line in the rectangle, in the colour; the text colour is restored.
    virtual void DrawLabel(Canvas& canvas, Rect rect, const std::string& text, Colour colour);
    virtual void DrawBorder(Canvas& canvas, Rect rect, int depth) = 0;
    virtual void Fill(Canvas& canvas, Rect rect, Colour colour) = 0;
    virtual void DrawFocus(Canvas& canvas, Rect rect, Colour colour) = 0;
};

class DrawnRect : public DrawnObject {
  public:
    void Draw(Canvas& canvas, Rect rect, unsigned state, Colour face) override;
    // |depth| one-pixel rings from the outside in; negative depths are sunken.
    void DrawBorder(Canvas& canvas, Rect rect, int depth) override;
    void Fill(Canvas& canvas, Rect rect, Colour colour) override;
    void DrawFocus(Canvas& canvas, Rect rect, Colour colour) override;
};

class DrawnEllipse : public DrawnObject {
  public:
    void Draw(Canvas& canvas, Rect rect, unsigned state, Colour face) override;
    // Only the sign of depth matters: a grey ring raised, a near-black ring sunken.
    void DrawBorder(Canvas& canvas, Rect rect, int depth) override;
    // Overlapping 3-pixel rings, shrinking by one pixel, paint the whole ellipse.
    void Fill(Canvas& canvas, Rect rect, Colour colour) override;
    // A dotted ring whose gaps show the given colour; background mode and colour stay set.
    void DrawFocus(Canvas& canvas, Rect rect, Colour colour) override;
};

// The painter for an advanced button's shape kind.
std::unique_ptr<DrawnObject> MakeDrawnShape(int shape);

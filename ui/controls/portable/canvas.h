// The drawing operations the kit's painters use, so that their geometry and order of drawing
// run against a GDI device context on Windows and against a recording canvas in tests.
#pragma once

#include <cstdint>
#include <string>

using Colour = uint32_t;  // 0x00BBGGRR

constexpr Colour MakeColour(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
           (static_cast<Colour>(b & 0xFF) << 16);
}
// Asks for the nearest colour of the current palette.
constexpr Colour kPaletteRelative = 0x02000000;
constexpr Colour PaletteGrey(int level) {
    return MakeColour(level, level, level) | kPaletteRelative;
}

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Moves every side inwards by d (outwards for a negative d).
    void Deflate(int d) {
        left += d;
        top += d;
        right -= d;
        bottom -= d;
    }
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

enum class PenStyle { Solid, Dotted };
enum class BackgroundMode { Transparent, Opaque };

// Centre horizontally, centre vertically, single line.
constexpr unsigned kCentredLabel = 0x25;

class Canvas {
  public:
    virtual ~Canvas() = default;

    // A solid brush of the colour, created for the call and released afterwards.
    virtual void FillRect(const Rect& rect, Colour colour) = 0;
    // A one-pixel frame: top and left edges in one colour, bottom and right in the other.
    virtual void FrameEdges(const Rect& rect, Colour topLeft, Colour bottomRight) = 0;
    // Selects a new pen; RestorePen selects the one it replaced and releases the new one.
    virtual void SelectPen(PenStyle style, int width, Colour colour) = 0;
    virtual void RestorePen() = 0;
    // The ellipse inscribed in the rectangle: the current pen's outline, the current brush inside.
    virtual void Ellipse(const Rect& rect) = 0;
    // The system's dotted focus frame.
    virtual void FocusRect(const Rect& rect) = 0;
    virtual void SetBackgroundMode(BackgroundMode mode) = 0;
    virtual void SetBackgroundColour(Colour colour) = 0;
    // Returns the previous text colour.
    virtual Colour SetTextColour(Colour colour) = 0;
    virtual void DrawText(const Rect& rect, const std::string& text, unsigned flags) = 0;
    // Text anchored at its top-left corner, without a clipping rectangle.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};

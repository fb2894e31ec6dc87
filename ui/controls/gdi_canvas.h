// The kit's canvas on a GDI device context. Pens it selects are restored and released by
// RestorePen, and any still selected when the canvas ends.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/unique_handle.h"
#include "ui/controls/portable/canvas.h"

class GdiCanvas final : public Canvas {
  public:
    // The device context belongs to the caller and must outlive the canvas.
    explicit GdiCanvas(HDC dc);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void FillRect(const Rect& rect, Colour colour) override;
    void FrameEdges(const Rect& rect, Colour topLeft, Colour bottomRight) override;
    void SelectPen(PenStyle style, int width, Colour colour) override;
    void RestorePen() override;
    void Ellipse(const Rect& rect) override;
    void FocusRect(const Rect& rect) override;
    void SetBackgroundMode(BackgroundMode mode) override;
    void SetBackgroundColour(Colour colour) override;
    Colour SetTextColour(Colour colour) override;
    void DrawText(const Rect& rect, const std::string& text, unsigned flags) override;
    void TextOut(int x, int y, const std::string& text) override;

  private:
    // Palette-relative colours go to palette devices as they are; other devices, which have no
    // palette, get the plain RGB value.
    COLORREF Resolve(Colour colour) const;

    struct SelectedPen {
        UniquePen pen;
        HGDIOBJ previous;
    };

    HDC m_dc;
    bool m_paletteDevice;
    std::vector<SelectedPen> m_pens;
};

RECT ToRect(const Rect& rect);
Rect FromRect(const RECT& rect);

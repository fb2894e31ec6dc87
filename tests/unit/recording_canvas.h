// A canvas that writes down every drawing call as one line of text, and keeps the state a
// device context would (text colour, background mode and colour, pen stack).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "ui/controls/portable/canvas.h"

class RecordingCanvas final : public Canvas {
  public:
    std::vector<std::string> calls;
    Colour textColour = 0x000000;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    Colour backgroundColour = 0xFFFFFF;
    int selectedPens = 0;

    void FillRect(const Rect& r, Colour c) override { Add("fill " + R(r) + " " + C(c)); }
    void FrameEdges(const Rect& r, Colour tl, Colour br) override {
        Add("frame " + R(r) + " " + C(tl) + " " + C(br));
    }
    void SelectPen(PenStyle style, int width, Colour c) override {
        ++selectedPens;
        Add(std::string("pen ") + (style == PenStyle::Dotted ? "dot " : "solid ") +
            std::to_string(width) + " " + C(c));
    }
    void RestorePen() override {
        --selectedPens;
        Add("restore");
    }
    void Ellipse(const Rect& r) override { Add("ellipse " + R(r)); }
    void FocusRect(const Rect& r) override { Add("focus " + R(r)); }
    void SetBackgroundMode(BackgroundMode mode) override {
        backgroundMode = mode;
        Add(mode == BackgroundMode::Transparent ? "bkmode transparent" : "bkmode opaque");
    }
    void SetBackgroundColour(Colour c) override {
        backgroundColour = c;
        Add("bkcolour " + C(c));
    }
    Colour SetTextColour(Colour c) override {
        const Colour previous = textColour;
        textColour = c;
        Add("textcolour " + C(c));
        return previous;
    }
    void DrawText(const Rect& r, const std::string& text, unsigned flags) override {
        char f[16];
        std::snprintf(f, sizeof f, "%#x", flags);
        Add("drawtext " + R(r) + " '" + text + "' " + f);
    }
    void TextOut(int x, int y, const std::string& text) override {
        Add("textout " + std::to_string(x) + "," + std::to_string(y) + " '" + text + "'");
    }

    // The calls whose text starts with the prefix.
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& call : calls) {
            if (call.compare(0, prefix.size(), prefix) == 0) {
                found.push_back(call);
            }
        }
        return found;
    }

    static std::string R(const Rect& r) {
        return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
    }
    static std::string C(Colour c) {
        char text[16];
        std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(c));
        return text;
    }

  private:
    void Add(std::string call) { calls.push_back(std::move(call)); }
};

// The face of the DXCC window's information button: the worked prefixes of the current band
// in a flowing grid, or, while a call is being entered, the earlier contact with that station.
#pragma once

#include <string>
#include <vector>

#include "ui/controls/portable/canvas.h"

constexpr Colour kWorkedListBackground = MakeColour(255, 250, 198);
constexpr Colour kPreviousQsoBackground = MakeColour(255, 255, 198);
constexpr Colour kBandHighlight = MakeColour(198, 255, 255);

struct InfoButtonView {
    const std::string& currentCall;
    // Band slot 0 to 5; only the highlight follows it.
    int currentBand;
    // The 80 m previous-QSO row: band label, mode, time, number (cells past 3 are not drawn).
    const std::vector<std::string>& row80m;
    // The current band's worked prefixes, drawn in the order given (the results summary keeps
    // them sorted).
    const std::vector<std::string>& bandPrefixes;
};

// Paints one owner-draw request into the item rectangle (top-left at (0, 0)).
void PaintInfoButton(Canvas& canvas, const Rect& item, const InfoButtonView& view);

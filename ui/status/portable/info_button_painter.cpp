// Layout of the information button's two views.
#include "ui/status/portable/info_button_painter.h"

namespace {

void PaintWorkedList(Canvas& canvas, const Rect& item, const std::vector<std::string>& prefixes) {
    canvas.FillRect(item, kWorkedListBackground);
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    int x = 5;
    int y = 15;
    for (const std::string& prefix : prefixes) {
        canvas.TextOut(x, y, prefix);
        // The wrap test follows the entry, so an entry may start as far right as right - 40.
        x += 40;
        if (x > item.right - 40) {
            y += 15;
            x = 5;
        }
    }
}

void PaintPreviousQso(Canvas& canvas, const Rect& item, const InfoButtonView& view) {
    canvas.FillRect(item, kPreviousQsoBackground);
    const int h = item.bottom / 7;
    const int b = view.currentBand;
    canvas.FillRect(Rect{0, h * b + 10, item.right, h * (b + 1)}, kBandHighlight);
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    canvas.TextOut(20, 14, "Band");
    canvas.TextOut(100, 14, "Mode");
    canvas.TextOut(140, 0, view.currentCall);
    canvas.TextOut(178, 14, "Time");
    canvas.TextOut(260, 14, "NR");
    // One data line, the 80 m row, whatever the current band: the contest runs on 80 m only.
    // A row shorter than four cells (before the first contest start) draws what it has.
    static const int kColumns[] = {20, 100, 180, 260};
    for (size_t cell = 0; cell < 4 && cell < view.row80m.size(); ++cell) {
        canvas.TextOut(kColumns[cell], h + 10, view.row80m[cell]);
    }
}

}  // namespace

void PaintInfoButton(Canvas& canvas, const Rect& item, const InfoButtonView& view) {
    if (view.currentCall.empty()) {
        PaintWorkedList(canvas, item, view.bandPrefixes);
    } else {
        PaintPreviousQso(canvas, item, view);
    }
}

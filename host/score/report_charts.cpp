// Chart geometry: the plot sits inside fixed margins (legend above, tick labels and axis
// titles around it), so no text is ever drawn outside the view box. The value axis runs
// from 0 to a round number in steps of 1, 2 or 5 times a power of ten.
#include "host/score/report_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "host/common/automation_date.h"

namespace {

constexpr double kWidth = 1000.0;
constexpr double kHeight = 340.0;
constexpr double kLeft = 96.0;
constexpr double kRight = 20.0;
constexpr double kTop = 44.0;
constexpr double kBottom = 74.0;
constexpr double kPlotWidth = kWidth - kLeft - kRight;
constexpr double kPlotHeight = kHeight - kTop - kBottom;
constexpr std::size_t kMostTimeLabels = 14;
constexpr double kLabelSpacing = 64.0;  // room for "HH:MM" and a date under it
constexpr double kMinute = 1.0 / 1440.0;

std::string Fixed(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

// The round step that divides 0..top into at most five parts.
long ValueStep(long top) {
    long step = 1;
    while (true) {
        for (const long factor : {1L, 2L, 5L}) {
            if (step * factor * 5 >= top) {
                return step * factor;
            }
        }
        step *= 10;
    }
}

long PeriodIndex(double days, double periodDays) {
    return std::lround(days / periodDays);
}

std::string ClockText(double days) {
    return FormatAutomationDate(days, "%H:%M");
}

std::string DateText(double days) {
    return FormatAutomationDate(days, "%Y-%m-%d");
}

std::string PeriodText(double start, double periodDays) {
    if (periodDays >= 1.0) {
        return DateText(start) +
               (periodDays > 1.0 ? " to " + DateText(start + periodDays - 1.0) : std::string());
    }
    return DateText(start) + " " + ClockText(start) + "-" + ClockText(start + periodDays) + " UTC";
}

// Every k-th period is labelled, k taken so that the labels fall on round times.
long LabelStep(std::size_t periods) {
    for (const long step : {1L, 2L, 3L, 6L, 12L, 24L, 48L, 96L, 192L}) {
        if (periods / static_cast<std::size_t>(step) < kMostTimeLabels) {
            return step;
        }
    }
    return static_cast<long>(periods / kMostTimeLabels + 1);
}

struct ValueAxis {
    long top = 1;
    long step = 1;

    double Y(double value) const {
        return kTop + kPlotHeight - kPlotHeight * value / static_cast<double>(top);
    }
};

ValueAxis MakeAxis(long largest) {
    ValueAxis axis;
    axis.step = ValueStep(std::max(largest, 1L));
    axis.top = axis.step * std::max(1L, (largest + axis.step - 1) / axis.step);
    return axis;
}

std::string Open(const std::string& label) {
    return "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
           Fixed(kWidth) + " " + Fixed(kHeight) + "\" role=\"img\" aria-label=\"" + label + "\">\n";
}

std::string Text(double x, double y, const char* cssClass, const char* anchor,
                 const std::string& text) {
    return "<text class=\"" + std::string(cssClass) + "\" x=\"" + Fixed(x) + "\" y=\"" + Fixed(y) +
           "\" text-anchor=\"" + anchor + "\">" + text + "</text>\n";
}

std::string Gridlines(const ValueAxis& axis, const std::string& title) {
    std::string svg;
    for (long value = 0; value <= axis.top; value += axis.step) {
        const double y = axis.Y(static_cast<double>(value));
        svg += "<line class=\"" + std::string(value == 0 ? "axis" : "grid") + "\" x1=\"" +
               Fixed(kLeft) + "\" y1=\"" + Fixed(y) + "\" x2=\"" + Fixed(kWidth - kRight) +
               "\" y2=\"" + Fixed(y) + "\"/>\n";
        svg += Text(kLeft - 8.0, y + 4.5, "tick", "end", std::to_string(value));
    }
    svg += "<line class=\"axis\" x1=\"" + Fixed(kLeft) + "\" y1=\"" + Fixed(kTop) + "\" x2=\"" +
           Fixed(kLeft) + "\" y2=\"" + Fixed(kTop + kPlotHeight) + "\"/>\n";
    const double middle = kTop + kPlotHeight / 2.0;
    svg += "<text class=\"axis-title\" x=\"18\" y=\"" + Fixed(middle) +
           "\" text-anchor=\"middle\" transform=\"rotate(-90 18 " + Fixed(middle) + ")\">" + title +
           "</text>\n";
    return svg;
}

// Time labels under the plot at the left edge of their period (x of a period's start).
std::string TimeLabels(const std::vector<RateSample>& samples, double periodDays,
                       double periodWidth) {
    const bool manyDays = samples.empty() || std::floor(samples.back().startDays) !=
                                                 std::floor(samples.front().startDays);
    const long step = LabelStep(samples.size());
    std::string svg;
    std::string lastDate;
    double lastX = -kLabelSpacing;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double start = samples[i].startDays;
        const double x = kLeft + periodWidth * static_cast<double>(i);
        if (i != 0 && (PeriodIndex(start, periodDays) % step != 0 || x - lastX < kLabelSpacing)) {
            continue;
        }
        lastX = x;
        const double y = kTop + kPlotHeight + 18.0;
        svg += "<line class=\"axis\" x1=\"" + Fixed(x) + "\" y1=\"" + Fixed(kTop + kPlotHeight) +
               "\" x2=\"" + Fixed(x) + "\" y2=\"" + Fixed(kTop + kPlotHeight + 5.0) + "\"/>\n";
        // Labels at the edges stay inside the view box.
        const char* anchor = i == 0 ? "start" : x > kWidth - kRight - 40.0 ? "end" : "middle";
        if (periodDays >= 1.0) {
            svg += Text(x, y, "tick", anchor, FormatAutomationDate(start, "%m-%d"));
            continue;
        }
        svg += Text(x, y, "tick", anchor, ClockText(start));
        const std::string date = DateText(start);
        if (manyDays && date != lastDate) {
            svg += Text(x, y + 16.0, "tick date", anchor, date);
            lastDate = date;
        }
    }
    svg += Text(kLeft + kPlotWidth / 2.0, kHeight - 8.0, "axis-title", "middle",
                periodDays >= 1.0 ? "Date (UTC)" : "Time (UTC)");
    return svg;
}

std::string LegendEntry(double x, const char* cssClass, const char* label) {
    return "<rect class=\"" + std::string(cssClass) + "\" x=\"" + Fixed(x) + "\" y=\"12\" " +
           "width=\"14\" height=\"14\"/>" + Text(x + 20.0, 24.0, "legend", "start", label);
}

}  // namespace

std::string PeriodName(double periodDays) {
    const long minutes = std::lround(periodDays / kMinute);
    if (minutes < 60) {
        return std::to_string(minutes) + " minutes";
    }
    if (minutes < 1440) {
        return minutes == 60 ? "hour" : std::to_string(minutes / 60) + " hours";
    }
    return minutes == 1440 ? "day" : std::to_string(minutes / 1440) + " days";
}

std::vector<RateSample> MergeSamples(const std::vector<RateSample>& samples, double periodDays,
                                     double longerDays) {
    std::vector<RateSample> merged;
    long current = 0;
    for (const RateSample& sample : samples) {
        const long index =
            static_cast<long>(std::floor((sample.startDays + periodDays / 2.0) / longerDays));
        if (merged.empty() || index != current) {
            merged.push_back(RateSample{static_cast<double>(index) * longerDays, 0, 0, 0});
            current = index;
        }
        merged.back().qsos += sample.qsos;
        merged.back().points += sample.points;
        merged.back().score = sample.score;
    }
    return merged;
}

std::string RateChart(const std::vector<RateSample>& samples, double periodDays) {
    if (samples.empty()) {
        return "<p>No QSOs to chart.</p>\n";
    }
    long largest = 0;
    for (const RateSample& sample : samples) {
        largest = std::max({largest, sample.qsos, sample.points});
    }
    const ValueAxis axis = MakeAxis(largest);
    const std::string per = "per " + PeriodName(periodDays);
    std::string svg = Open("QSOs and points " + per);
    svg += Gridlines(axis, "QSOs and points " + per);
    const double periodWidth = kPlotWidth / static_cast<double>(samples.size());
    const double barWidth = std::max(periodWidth * 0.4, 0.5);
    const double gap = (periodWidth - 2.0 * barWidth) / 2.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const RateSample& sample = samples[i];
        const double x = kLeft + periodWidth * static_cast<double>(i) + gap;
        const std::string title = "<title>" + PeriodText(sample.startDays, periodDays) + ": " +
                                  std::to_string(sample.qsos) + " QSOs, " +
                                  std::to_string(sample.points) + " points</title>";
        svg += "<g>" + title;
        for (const auto& [cssClass, value, offset] :
             {std::tuple{"qsos", sample.qsos, 0.0}, {"points", sample.points, barWidth}}) {
            const double top = axis.Y(static_cast<double>(value));
            svg += "<rect class=\"" + std::string(cssClass) + "\" x=\"" + Fixed(x + offset) +
                   "\" y=\"" + Fixed(top) + "\" width=\"" + Fixed(barWidth) + "\" height=\"" +
                   Fixed(kTop + kPlotHeight - top) + "\"/>";
        }
        svg += "</g>\n";
    }
    svg += TimeLabels(samples, periodDays, periodWidth);
    svg += LegendEntry(kLeft, "qsos", "QSOs") + LegendEntry(kLeft + 90.0, "points", "Points");
    return svg + "</svg>\n";
}

std::string ScoreChart(const std::vector<RateSample>& samples, double periodDays) {
    if (samples.empty()) {
        return "<p>No QSOs to chart.</p>\n";
    }
    long largest = 0;
    for (const RateSample& sample : samples) {
        largest = std::max(largest, sample.score);
    }
    const ValueAxis axis = MakeAxis(largest);
    std::string svg = Open("Score over time");
    svg += Gridlines(axis, "Score");
    const double periodWidth = kPlotWidth / static_cast<double>(samples.size());
    const double base = kTop + kPlotHeight;
    std::string points = Fixed(kLeft) + "," + Fixed(base);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        points += " " + Fixed(kLeft + periodWidth * static_cast<double>(i + 1)) + "," +
                  Fixed(axis.Y(static_cast<double>(samples[i].score)));
    }
    svg += "<polygon class=\"score-area\" points=\"" + points + " " + Fixed(kLeft + kPlotWidth) +
           "," + Fixed(base) + "\"/>\n";
    svg += "<polyline class=\"score-line\" points=\"" + points + "\"/>\n";
    svg += TimeLabels(samples, periodDays, periodWidth);
    svg += "<rect class=\"score-key\" x=\"" + Fixed(kLeft) + "\" y=\"18\" width=\"14\" " +
           "height=\"3\"/>" +
           Text(kLeft + 20.0, 24.0, "legend", "start",
                "Score, " + std::to_string(samples.back().score) + " at the end of the log");
    return svg + "</svg>\n";
}

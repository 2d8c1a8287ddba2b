// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>

#include "format/value_format.h"
#include "platform/colours.h"
#include "platform/window_template.h"
#include "screens/spectrum_plot.h"
#include "screens/spectrum_screen.h"

namespace mirelta {

using spectrum_plot::kPlot;
using spectrum_plot::kPoints;

namespace {

using spectrum_plot::kWindowSpan;
constexpr std::int16_t kLowestBottom = 0;
constexpr std::int16_t kHighestTop = 100;
constexpr std::int16_t kStep = spectrum_plot::kScaleStep;

// One trace polygon: the trace points, then two corners on the given edge of the plot.
std::array<QPoint, kPoints + 2> Polygon(const std::array<QPoint, kPoints>& trace, int lastX,
                                        int edgeY) {
    std::array<QPoint, kPoints + 2> polygon;
    std::copy(trace.begin(), trace.end(), polygon.begin());
    polygon[kPoints] = QPoint(lastX, edgeY);
    polygon[kPoints + 1] = QPoint(kPlot.left, edgeY);
    return polygon;
}

// The window moved up by one step; false when it was already at the top and stays there.
bool StepUp(std::int16_t& bottom, std::int16_t& top) {
    bottom = static_cast<std::int16_t>(bottom + kStep);
    top = static_cast<std::int16_t>(top + kStep);
    if (top > kHighestTop) {
        top = kHighestTop;
        bottom = kHighestTop - kWindowSpan;
        return false;
    }
    return true;
}

// The window moved down by one step; false when it was already at the bottom and stays there.
bool StepDown(std::int16_t& bottom, std::int16_t& top) {
    top = static_cast<std::int16_t>(top - kStep);
    bottom = static_cast<std::int16_t>(bottom - kStep);
    if (bottom < kLowestBottom) {
        bottom = kLowestBottom;
        top = kLowestBottom + kWindowSpan;
        return false;
    }
    return true;
}

}  // namespace

bool InsidePlot(std::int32_t x, std::int32_t y) {
    return x > kPlot.left && x < kPlot.right && y > kPlot.top && y < kPlot.bottom;
}

void SpectrumScreen::DrawSpectrumTrace() {
    Canvas canvas = context_.canvas();
    SpectrumRecord& record = *record_;
    const std::optional<std::uint32_t> pitch =
        spectrum_plot::PointPitch(record.leftFrequency(), record.rightFrequency(), FreqStep_);
    if (!pitch) {
        // Edges without a usable pitch: an empty plot rather than a trace or read-out that
        // would claim something the record does not hold.
        canvas.fillRect(kPlot, Brushes().InkBrush);
        return;
    }

    const auto trace = spectrum_plot::TracePoints(record, *pitch, RefLevelBottom_);
    const int lastX = trace.back().x();
    canvas.fillPolygonRegion(Polygon(trace, lastX, kPlot.bottom), Brushes().GreenBrush);
    canvas.fillPolygonRegion(Polygon(trace, lastX, kPlot.top), Brushes().InkBrush);

    if (!InsidePlot(CursorX_, CursorY_)) {
        return;
    }
    const int lineEnd = lastX - 5;
    const Pen previous = canvas.selectPen(Pen{colours::Red, 1});
    canvas.moveTo(kPlot.left, CursorY_);
    canvas.lineTo(lineEnd, CursorY_);
    const int v = CursorX_ < lineEnd ? CursorX_ : lineEnd;
    canvas.moveTo(v, kPlot.top);
    canvas.lineTo(v, kPlot.bottom);
    canvas.selectPen(previous);

    // The index follows the pointer, not the line; right of the last sweep point it holds there.
    const std::uint32_t index = static_cast<std::uint32_t>(CursorX_ - kPlot.left) / *pitch;
    const int k = static_cast<int>(std::min<std::uint32_t>(index, kPoints - 1));
    // Wrapping 32-bit arithmetic, as the meter's own; no overflow trap on odd edge values.
    const auto frequency = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(record.leftFrequency()) -
        static_cast<std::uint32_t>(k) * static_cast<std::uint32_t>(static_cast<int>(FreqStep_)));
    const std::int32_t level = record.level(k);
    record.setCursorFrequency(frequency);
    record.setCursorLevel(level);
    toolTipText_ = Printf("[ %dMHz : %d ]", frequency, level);
}

void SpectrumScreen::UpdateScaleLabels() {
    std::array<int, spectrum_plot::kScaleLabels + 1> changed{};
    context_.withRepaintsHeld([&] {
        for (int row = 0; row < spectrum_plot::kScaleLabels; ++row) {
            const int id = spectrum_plot::kFirstScaleLabel + row;
            changed[static_cast<std::size_t>(row)] = id;
            if (context_.controls().has(id)) {
                context_.controls().setText(id, spectrum_plot::ScaleText(RefLevelBottom_, row));
            }
        }
    });
    if (!isShown()) {
        return;  // no other screen shows the window
    }
    // The side panel's query redraws the trace against the new window, after the labels.
    changed.back() = ids::SidePanelLabel;
    context_.repaintControls(changed);
}

void SpectrumScreen::RefLevelUp() {
    StepUp(RefLevelBottom_, RefLevelTop_);
    UpdateScaleLabels();
}

void SpectrumScreen::RefLevelDown() {
    StepDown(RefLevelBottom_, RefLevelTop_);
    UpdateScaleLabels();
}

void SpectrumScreen::StepRefLevelTo(int bottom) {
    while (RefLevelBottom_ < bottom) {
        RefLevelUp();
    }
    while (RefLevelBottom_ > bottom) {
        RefLevelDown();
    }
}

void SpectrumScreen::RefLevelByWheel(std::int16_t delta) {
    if (!isShown() || !InsidePlot(CursorX_, CursorY_)) {
        return;
    }
    // One step per message whatever the delta; a step against a limit redraws nothing.
    const bool moved =
        delta > 0 ? StepUp(RefLevelBottom_, RefLevelTop_) : StepDown(RefLevelBottom_, RefLevelTop_);
    if (moved) {
        UpdateScaleLabels();
    }
}

bool SpectrumScreen::TrackCursor(QPoint position) {
    CursorX_ = position.x();
    CursorY_ = position.y();
    return isShown() && InsidePlot(CursorX_, CursorY_);
}

void SpectrumScreen::RefreshCursorReadout() {
    if (!isShown()) {
        return;
    }
    const SpectrumRecord& record = *record_;
    // Ten times a second: a text that stays the same repaints nothing.
    ControlTable& controls = context_.controls();
    const auto show = [&controls](int id, const std::string& text) {
        if (controls.has(id) && controls.text(id) != text) {
            controls.setText(id, text);
        }
    };
    show(ids::spectrum::CursorFrequency, Printf("%d", record.cursorFrequency()));
    show(ids::spectrum::CursorLevel, Printf("%d", record.cursorLevel()));
}

void SpectrumScreen::RedrawTrace() {
    const int sidePanel[] = {ids::SidePanelLabel};
    context_.repaintControls(sidePanel);
}

}  // namespace mirelta

// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/spectrum_plot.h"

#include <algorithm>

#include "format/value_format.h"

namespace mirelta::spectrum_plot {

std::string ScaleText(std::int16_t bottom, int row) {
    return Printf("%d", bottom + kWindowSpan - kScaleStep * row);
}

std::optional<std::uint32_t> PointPitch(std::int32_t left, std::int32_t right,
                                        std::int16_t freqStep) {
    if (freqStep <= 0) {
        return std::nullopt;
    }
    const std::uint32_t steps =
        (static_cast<std::uint32_t>(left) - static_cast<std::uint32_t>(right)) /
        static_cast<std::uint32_t>(freqStep);
    if (steps == 0) {
        return std::nullopt;
    }
    const std::uint32_t pitch = static_cast<std::uint32_t>(kPlot.width()) / steps;
    if (pitch == 0) {
        return std::nullopt;
    }
    return pitch;
}

int LevelToY(int level, std::int16_t bottom) {
    if (level == 0) {
        return kPlot.bottom;
    }
    const int y = kPlot.bottom - (kPlot.height() * (level - bottom)) / 30;
    return std::clamp(y, kPlot.top, kPlot.bottom);
}

std::array<QPoint, kPoints> TracePoints(const SpectrumRecord& record, std::uint32_t pitch,
                                        std::int16_t bottom) {
    std::array<QPoint, kPoints> points;
    // Pitch is at most 620, so x stays far from overflowing.
    const int step = static_cast<int>(pitch);
    int x = kPlot.left;
    for (int i = 0; i < kPoints; ++i) {
        if (x + step <= kPlot.right) {
            points[i] = QPoint(x, LevelToY(record.level(i), bottom));
        } else {
            points[i] = QPoint(kPlot.right, kPlot.bottom);
        }
        x += step;
    }
    return points;
}

}  // namespace mirelta::spectrum_plot

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "data/spectrum_record.h"
#include "platform/geometry.h"
#include "platform/window_template.h"

namespace mirelta::spectrum_plot {

// The plot: the content panel's rectangle; the trace and the cross-hair stay inside it.
inline constexpr Rect kPlot{75, 60, 695, 340};
inline constexpr int kPoints = SpectrumRecord::kLevels;

// The level scale: labels Scale1 (top) to Scale7 (bottom), 5 dB apart over the 30 dB window.
inline constexpr int kFirstScaleLabel = ids::spectrum::Scale1;
inline constexpr int kScaleLabels = 7;
inline constexpr int kWindowSpan = 30;
inline constexpr int kScaleStep = 5;
// The text of scale label `row` (0 at the top) for the window starting at `bottom`.
std::string ScaleText(std::int16_t bottom, int row);

// Pixels between sweep points for the record's edge frequencies and its MHz per point:
// 620 / ((L - R) / freqStep), all unsigned, so the sweep spans the axis its labels give. None
// when the edges give no usable pitch (fewer than one step between them, more than 620 steps,
// or a right edge above the left one), so nothing divides by zero and no point sits twice.
std::optional<std::uint32_t> PointPitch(std::int32_t left, std::int32_t right,
                                        std::int16_t freqStep);

// The y of a level in the 30 dB window starting at `bottom`: bottom on the plot's last row edge
// (340), bottom + 30 on its top (60), clamped to the plot; a level of 0 is no level and lies
// on 340.
int LevelToY(int level, std::int16_t bottom);

// The 150 trace points from the plot's left edge, `pitch` apart; once the next step would pass
// the right edge, the remaining points collapse onto the bottom-right corner.
std::array<QPoint, kPoints> TracePoints(const SpectrumRecord& record, std::uint32_t pitch,
                                        std::int16_t bottom);

}  // namespace mirelta::spectrum_plot

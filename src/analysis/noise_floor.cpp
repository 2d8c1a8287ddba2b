// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/noise_floor.h"

#include <algorithm>

#include "analysis/level_statistics.h"

namespace mirelta::analysis {
namespace {

// About three times the trace's noise: wide enough to hold the noise around the floor, narrow
// enough to leave out the carriers' flanks.
constexpr int kFloorWindowDb = 3;
constexpr int kPercentile = 5;

}  // namespace

std::optional<double> NoiseFloor(std::vector<int> levels) {
    if (levels.empty()) {
        return std::nullopt;
    }
    std::sort(levels.begin(), levels.end());
    const int low = levels[(levels.size() - 1) * kPercentile / 100];
    const auto from = std::lower_bound(levels.begin(), levels.end(), low - kFloorWindowDb);
    const auto to = std::upper_bound(levels.begin(), levels.end(), low + kFloorWindowDb);
    return GroupedMedian(std::vector<int>(from, to));
}

}  // namespace mirelta::analysis

// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/carrier_detection.h"

#include <algorithm>
#include <cmath>

namespace mirelta::analysis {
namespace {

constexpr double kEdgeDb = 3.0;

double Median(std::vector<int> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

double ToLinear(double db) {
    return std::pow(10.0, db / 10.0);
}

double ToDb(double linear) {
    return 10.0 * std::log10(linear);
}

bool HasLevel(const Sweep& sweep, int k) {
    return k >= 0 && k < static_cast<int>(sweep.points.size()) &&
           sweep.points[static_cast<std::size_t>(k)].level != 0;
}

int LevelAt(const Sweep& sweep, int k) {
    return sweep.points[static_cast<std::size_t>(k)].level;
}

double FrequencyAt(const Sweep& sweep, int k) {
    return sweep.points[static_cast<std::size_t>(k)].frequencyMHz;
}

// The frequency where the trace crosses `reference` between point `inside` (at or over it) and
// its neighbour `outside`; the point itself when the neighbour has no level.
double EdgeFrequency(const Sweep& sweep, int inside, int outside, double reference) {
    if (!HasLevel(sweep, outside)) {
        return FrequencyAt(sweep, inside);
    }
    const double high = LevelAt(sweep, inside);
    const double low = LevelAt(sweep, outside);
    const double fraction = (high - reference) / (high - low);
    return FrequencyAt(sweep, inside) +
           fraction * (FrequencyAt(sweep, outside) - FrequencyAt(sweep, inside));
}

Carrier Measure(const Sweep& sweep, int first, int last, double floor) {
    std::vector<int> levels;
    for (int k = first; k <= last; ++k) {
        levels.push_back(LevelAt(sweep, k));
    }
    const double plateau = Median(levels);
    const double reference = plateau - kEdgeDb;
    int left = first;
    while (HasLevel(sweep, left - 1) && LevelAt(sweep, left - 1) >= reference) {
        --left;
    }
    int right = last;
    while (HasLevel(sweep, right + 1) && LevelAt(sweep, right + 1) >= reference) {
        ++right;
    }
    const double upper = EdgeFrequency(sweep, left, left - 1, reference);
    const double lower = EdgeFrequency(sweep, right, right + 1, reference);

    Carrier carrier;
    carrier.firstPoint = first;
    carrier.lastPoint = last;
    carrier.centreMHz = (upper + lower) / 2;
    carrier.bandwidthMHz = upper - lower;
    carrier.symbolRateMsps = carrier.bandwidthMHz;
    carrier.peak = *std::max_element(levels.begin(), levels.end());
    const double excess = ToLinear(plateau) - ToLinear(floor);
    carrier.cn = excess > 0 ? ToDb(excess) - floor : 0;
    double power = 0;
    for (int k = left; k <= right; ++k) {
        power += ToLinear(LevelAt(sweep, k));
    }
    carrier.channelPower = ToDb(power);
    return carrier;
}

}  // namespace

SweepAnalysis DetectCarriers(const Sweep& sweep, const DetectionSettings& settings) {
    SweepAnalysis result;
    std::vector<int> levels;
    for (const SweepPoint& point : sweep.points) {
        if (point.level != 0) {
            levels.push_back(point.level);
        }
    }
    if (levels.empty()) {
        return result;
    }
    // The lower half's median: carriers may fill much of the band, noise fills its gaps.
    std::sort(levels.begin(), levels.end());
    levels.resize((levels.size() + 1) / 2);
    const double floor = Median(levels);
    result.floor = floor;

    const int count = static_cast<int>(sweep.points.size());
    const double threshold = floor + settings.thresholdDb;
    for (int k = 0; k < count;) {
        if (!HasLevel(sweep, k) || LevelAt(sweep, k) < threshold) {
            ++k;
            continue;
        }
        int last = k;
        while (HasLevel(sweep, last + 1) && LevelAt(sweep, last + 1) >= threshold) {
            ++last;
        }
        if (last - k + 1 >= settings.minimumPoints) {
            result.carriers.push_back(Measure(sweep, k, last, floor));
        }
        k = last + 1;
    }
    return result;
}

}  // namespace mirelta::analysis

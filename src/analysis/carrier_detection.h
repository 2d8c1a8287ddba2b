// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "analysis/sweep.h"

namespace mirelta::analysis {

struct DetectionSettings {
    double thresholdDb = 6.0;  // a carrier's peak stands at least this far over the floor
    int minimumPoints = 2;     // points at or over the threshold, side by side
};

struct Carrier {
    double centreMHz = 0;     // IF: midpoint of the interpolated -3 dB edges
    double bandwidthMHz = 0;  // between those edges
    double symbolRateMsps = 0;
    double peak = 0;          // dBuV
    double cn = 0;            // dB, plateau over the floor
    double channelPower = 0;  // dBuV over the -3 dB band
    int firstPoint = 0;       // sweep points at or over the threshold
    int lastPoint = 0;
};

struct SweepAnalysis {
    std::optional<double> floor;    // dBuV; none without levels to estimate it from
    std::vector<Carrier> carriers;  // in sweep order (falling IF)
};

SweepAnalysis DetectCarriers(const Sweep& sweep, const DetectionSettings& settings = {});

}  // namespace mirelta::analysis

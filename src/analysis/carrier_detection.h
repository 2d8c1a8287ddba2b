// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "analysis/sweep.h"

namespace mirelta::analysis {

// Defaults: with the trace's noise of about 1 dB rms, two neighbouring noise points 4 dB over
// the floor come about once in 100,000 sweeps, while a carrier 6 dB over the noise shows 7 dB
// over the floor.
struct DetectionSettings {
    double thresholdDb = 4.0;  // a carrier's top stands at least this far over the floor
    int minimumPoints = 2;     // points at or over the threshold, side by side
};

struct Carrier {
    double centreMHz = 0;     // IF: midpoint of the interpolated -3 dB edges
    double bandwidthMHz = 0;  // between those edges
    double symbolRateMsps = 0;
    double peak = 0;          // dBuV
    double cn = 0;            // dB, the flat top's carrier power over the floor's
    double channelPower = 0;  // dBuV: the -3 dB band's power, in units of one point's slice
    int firstPoint = 0;       // the sweep points inside the -3 dB band
    int lastPoint = 0;
    bool atSweepEdge = false;  // an edge lies beyond the sweep: the band is the part shown
};

struct SweepAnalysis {
    std::optional<double> floor;    // dBuV; none without levels to estimate it from
    std::vector<Carrier> carriers;  // in sweep order (falling IF)
};

SweepAnalysis DetectCarriers(const Sweep& sweep, const DetectionSettings& settings = {});

}  // namespace mirelta::analysis

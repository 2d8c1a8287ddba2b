// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/carrier_measurement.h"

#include <algorithm>
#include <cmath>

#include "analysis/level_statistics.h"

namespace mirelta::analysis {
namespace {

// The flat top is taken as the levels within twice the trace's noise under it; a
// raised-cosine flank is below that for most of its width.
constexpr double kCoreDb = 2.0;
constexpr int kPlateauPasses = 4;
// A raised-cosine carrier's power density is half its flat top at +-Rs/2 whatever its roll-off,
// so its -3 dB bandwidth is its symbol rate.
constexpr double kSymbolRatePerMHz = 1.0;

struct Edge {
    double frequencyMHz = 0;
    bool beyondSweep = false;
};

// The carrier's own power at a point: the point's power less the floor's.
double CarrierPower(const TracePoint& point, double noise) {
    return ToLinear(point.level) - noise;
}

// Where the carrier's power crosses `half` between trace point `inside` (at or over it) and its
// neighbour `outside`, linear in power: around the half-power point a raised-cosine flank is
// nearly straight in power, far from it in dB.
Edge EdgeBetween(const Trace& trace, int inside, int outside, double noise, double half) {
    const TracePoint& in = trace[static_cast<std::size_t>(inside)];
    if (outside < 0 || outside >= static_cast<int>(trace.size())) {
        return {in.frequencyMHz, true};
    }
    const TracePoint& out = trace[static_cast<std::size_t>(outside)];
    const double inPower = CarrierPower(in, noise);
    const double outPower = CarrierPower(out, noise);
    if (outPower >= half || inPower <= half) {
        return {in.frequencyMHz, false};
    }
    const double fraction = (inPower - half) / (inPower - outPower);
    return {in.frequencyMHz + fraction * (out.frequencyMHz - in.frequencyMHz), false};
}

// Each point stands for the slice of the axis nearer to it than to the trace's other points,
// FreqStep wide where the trace has no gaps; the band's power is that of the slices' parts
// inside it, in units of one point's slice.
double ChannelPower(const Trace& trace, int first, int last, double upper, double lower,
                    int freqStep) {
    const int count = static_cast<int>(trace.size());
    const auto frequency = [&](int j) { return trace[static_cast<std::size_t>(j)].frequencyMHz; };
    double sum = 0;
    for (int j = std::max(first - 1, 0); j <= std::min(last + 1, count - 1); ++j) {
        const double top =
            j == 0 ? frequency(j) + freqStep / 2.0 : (frequency(j - 1) + frequency(j)) / 2;
        const double bottom =
            j == count - 1 ? frequency(j) - freqStep / 2.0 : (frequency(j) + frequency(j + 1)) / 2;
        const double overlap = std::min(top, upper) - std::max(bottom, lower);
        if (overlap > 0) {
            sum += ToLinear(trace[static_cast<std::size_t>(j)].level) * overlap;
        }
    }
    return sum / freqStep;
}

}  // namespace

double PlateauOf(std::vector<int> levels) {
    std::sort(levels.begin(), levels.end());
    double plateau = levels.back();
    for (int pass = 0; pass < kPlateauPasses; ++pass) {
        const auto core = std::lower_bound(levels.begin(), levels.end(), plateau - kCoreDb);
        double sum = 0;
        for (auto level = core; level != levels.end(); ++level) {
            sum += *level;
        }
        plateau = sum / static_cast<double>(levels.end() - core);
    }
    return plateau;
}

std::optional<Carrier> MeasureCarrier(const Trace& trace, int first, int last, double floor,
                                      int freqStep) {
    std::vector<int> levels;
    for (int j = first; j <= last; ++j) {
        levels.push_back(trace[static_cast<std::size_t>(j)].level);
    }
    const double plateau = PlateauOf(levels);
    const double noise = ToLinear(floor);
    const double power = ToLinear(plateau) - noise;
    if (power <= 0) {
        return std::nullopt;
    }
    const double half = power / 2;
    const auto below = [&](int j) {
        return CarrierPower(trace[static_cast<std::size_t>(j)], noise) < half;
    };
    const int peakAt =
        first + static_cast<int>(std::max_element(levels.begin(), levels.end()) - levels.begin());
    // The outermost points at or over half power: a noise dip on the top is no edge.
    int inFirst = first;
    while (inFirst < peakAt && below(inFirst)) {
        ++inFirst;
    }
    int inLast = last;
    while (inLast > peakAt && below(inLast)) {
        --inLast;
    }
    const Edge upper = EdgeBetween(trace, inFirst, inFirst - 1, noise, half);
    const Edge lower = EdgeBetween(trace, inLast, inLast + 1, noise, half);

    Carrier carrier;
    carrier.centreMHz = (upper.frequencyMHz + lower.frequencyMHz) / 2;
    carrier.bandwidthMHz = upper.frequencyMHz - lower.frequencyMHz;
    carrier.symbolRateMsps = carrier.bandwidthMHz * kSymbolRatePerMHz;
    carrier.peak = trace[static_cast<std::size_t>(peakAt)].level;
    carrier.cn = ToDb(power / noise);
    const double channel =
        ChannelPower(trace, inFirst, inLast, upper.frequencyMHz, lower.frequencyMHz, freqStep);
    // A band of no width, one point at the sweep's edge, holds that point's power.
    carrier.channelPower = channel > 0 ? ToDb(channel) : carrier.peak;
    carrier.firstPoint = trace[static_cast<std::size_t>(inFirst)].index;
    carrier.lastPoint = trace[static_cast<std::size_t>(inLast)].index;
    carrier.atSweepEdge = upper.beyondSweep || lower.beyondSweep;
    return carrier;
}

}  // namespace mirelta::analysis

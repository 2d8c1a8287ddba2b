// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/carrier_detection.h"

#include <algorithm>

#include "analysis/carrier_measurement.h"
#include "analysis/noise_floor.h"
#include "analysis/trace.h"

namespace mirelta::analysis {
namespace {

// Once over the threshold, a carrier goes on while the trace stays over this part of it: a
// noise dip on a weak carrier's top does not cut it in two.
constexpr double kContinueFraction = 0.5;
// A dip this far under the tops on both of its sides parts two carriers; noise of 1 dB rms
// digs one that deep a few times in a million points.
constexpr double kDipDb = 5.0;

struct Span {
    int first;
    int last;
};

int Level(const Trace& trace, int j) {
    return trace[static_cast<std::size_t>(j)].level;
}

int LongestRunAtOrOver(const Trace& trace, Span span, double level) {
    int longest = 0;
    int run = 0;
    for (int j = span.first; j <= span.last; ++j) {
        run = Level(trace, j) >= level ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

class Splitter {
  public:
    Splitter(const Trace& trace, double threshold, int minimumPoints)
        : trace_(trace), threshold_(threshold), minimumPoints_(minimumPoints) {}

    // Cuts `span` at its dips, deepest first, into the spans of single carriers.
    void split(Span span, std::vector<Span>& parts) const {
        std::vector<int> dips;
        for (int j = span.first + 1; j < span.last; ++j) {
            if (Level(trace_, j) <= Level(trace_, j - 1) &&
                Level(trace_, j) <= Level(trace_, j + 1)) {
                dips.push_back(j);
            }
        }
        std::stable_sort(dips.begin(), dips.end(),
                         [&](int a, int b) { return Level(trace_, a) < Level(trace_, b); });
        for (const int dip : dips) {
            const Span before{span.first, dip - 1};
            const Span after{dip + 1, span.last};
            if (isCarrier(before) && isCarrier(after) &&
                Level(trace_, dip) <= std::min(topOf(before), topOf(after)) - kDipDb) {
                split(before, parts);
                split(after, parts);
                return;
            }
        }
        parts.push_back(span);
    }

    bool isCarrier(Span span) const {
        return LongestRunAtOrOver(trace_, span, threshold_) >= minimumPoints_;
    }

  private:
    double topOf(Span span) const {
        std::vector<int> levels;
        for (int j = span.first; j <= span.last; ++j) {
            levels.push_back(Level(trace_, j));
        }
        return PlateauOf(std::move(levels));
    }

    const Trace& trace_;
    double threshold_;
    int minimumPoints_;
};

}  // namespace

SweepAnalysis DetectCarriers(const Sweep& sweep, const DetectionSettings& settings) {
    SweepAnalysis result;
    const Trace trace = TraceOf(sweep);
    std::vector<int> levels;
    for (const TracePoint& point : trace) {
        levels.push_back(point.level);
    }
    result.floor = NoiseFloor(std::move(levels));
    if (!result.floor) {
        return result;
    }
    const double floor = *result.floor;
    const int freqStep = std::max(sweep.freqStep, 1);
    const double threshold = floor + settings.thresholdDb;
    const double onward = floor + settings.thresholdDb * kContinueFraction;
    const Splitter splitter(trace, threshold, std::max(settings.minimumPoints, 1));
    std::vector<Span> parts;
    const int count = static_cast<int>(trace.size());
    for (int j = 0; j < count;) {
        if (Level(trace, j) < onward) {
            ++j;
            continue;
        }
        Span span{j, j};
        while (span.last + 1 < count && Level(trace, span.last + 1) >= onward) {
            ++span.last;
        }
        splitter.split(span, parts);
        j = span.last + 1;
    }
    for (const Span& part : parts) {
        if (!splitter.isCarrier(part)) {
            continue;
        }
        if (auto carrier = MeasureCarrier(trace, part.first, part.last, floor, freqStep)) {
            result.carriers.push_back(*carrier);
        }
    }
    return result;
}

}  // namespace mirelta::analysis

// SPDX-License-Identifier: GPL-3.0-or-later
#include "synthetic_sweeps.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mirelta::bench {
namespace {

constexpr int kPoints = 150;
constexpr double kNoiseRmsDb = 1.0;
constexpr double kLowestIfMHz = 950;
constexpr double kHighestIfMHz = 2150;
constexpr double kRollOffs[] = {0.20, 0.25, 0.35};
constexpr int kSpanCodes[] = {0, 1, 2};
constexpr int kFreqSteps[] = {8, 2, 4};

double OccupiedHalfWidth(const TrueCarrier& carrier) {
    return carrier.symbolRateMsps * (1 + carrier.rollOff) / 2;
}

}  // namespace

double RaisedCosine(double offset, const TrueCarrier& carrier) {
    const double x = std::abs(offset) / carrier.symbolRateMsps;
    const double flatTo = (1 - carrier.rollOff) / 2;
    if (x <= flatTo) {
        return 1;
    }
    if (x >= (1 + carrier.rollOff) / 2) {
        return 0;
    }
    return 0.5 * (1 + std::cos(std::numbers::pi / carrier.rollOff * (x - flatTo)));
}

double SweepGenerator::uniform(double low, double high) {
    return low + (high - low) * (static_cast<double>(random_()) + 0.5) / 4294967296.0;
}

// Box-Muller: the standard library's normal distribution differs between libraries.
double SweepGenerator::gaussian() {
    const double radius = std::sqrt(-2 * std::log(uniform(0, 1)));
    return radius * std::cos(2 * std::numbers::pi * uniform(0, 1));
}

bool SweepGenerator::place(SyntheticSweep& sweep, const TrueCarrier& carrier,
                           double guardMHz) const {
    for (const TrueCarrier& other : sweep.carriers) {
        const double gap = std::abs(other.centreMHz - carrier.centreMHz) -
                           OccupiedHalfWidth(other) - OccupiedHalfWidth(carrier);
        if (gap < guardMHz) {
            return false;
        }
    }
    sweep.carriers.push_back(carrier);
    return true;
}

SyntheticSweep SweepGenerator::next(Layout layout) {
    SyntheticSweep sweep;
    const int span = static_cast<int>(uniform(0, 3));
    sweep.freqStep = kFreqSteps[span];
    const int width = (kPoints - 1) * sweep.freqStep;
    const int left = span == 0 ? static_cast<int>(kHighestIfMHz)
                               : static_cast<int>(uniform(kLowestIfMHz + width, kHighestIfMHz));
    sweep.fields.label = "Synthetic";
    sweep.fields.spanCode = static_cast<std::uint8_t>(kSpanCodes[span]);
    sweep.fields.leftFrequency = left;
    sweep.fields.rightFrequency = span == 0 ? static_cast<int>(kLowestIfMHz) : left - width;
    sweep.fields.cursorFrequency = left;
    sweep.floor = uniform(30, 45);

    const double step = sweep.freqStep;
    const auto draw = [&] {
        TrueCarrier carrier;
        carrier.symbolRateMsps = std::exp(uniform(std::log(1.5 * step), std::log(45.0)));
        carrier.rollOff = kRollOffs[static_cast<int>(uniform(0, 3))];
        carrier.cn = uniform(3, 25);
        return carrier;
    };
    if (layout == Layout::Scattered) {
        const int count = static_cast<int>(uniform(1, 7));
        for (int tries = 0; tries < 50 && static_cast<int>(sweep.carriers.size()) < count;
             ++tries) {
            TrueCarrier carrier = draw();
            carrier.centreMHz = uniform(left - width - carrier.symbolRateMsps / 2,
                                        left + carrier.symbolRateMsps / 2);
            place(sweep, carrier, step);
        }
    } else if (layout == Layout::Packed) {
        double edge = left + uniform(-2, 1) * step;
        while (edge > left - width) {
            TrueCarrier carrier = draw();
            carrier.centreMHz = edge - OccupiedHalfWidth(carrier);
            place(sweep, carrier, step);
            edge = carrier.centreMHz - OccupiedHalfWidth(carrier) - step * uniform(1, 2);
        }
    }
    drawLevels(sweep);
    return sweep;
}

void SweepGenerator::drawLevels(SyntheticSweep& sweep) {
    const double noise = std::pow(10.0, sweep.floor / 10);
    for (int k = 0; k < kPoints; ++k) {
        const double frequency =
            sweep.fields.leftFrequency - static_cast<double>(k) * sweep.freqStep;
        double power = noise;
        for (const TrueCarrier& carrier : sweep.carriers) {
            power += noise * std::pow(10.0, carrier.cn / 10) *
                     RaisedCosine(frequency - carrier.centreMHz, carrier);
        }
        const double level = std::round(10 * std::log10(power) + kNoiseRmsDb * gaussian());
        sweep.fields.levels[static_cast<std::size_t>(k)] =
            static_cast<std::int8_t>(std::clamp(level, 1.0, 127.0));
    }
}

}  // namespace mirelta::bench
